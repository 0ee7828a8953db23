// A throw-away program folder (sysdata, settings file) with an address table of a few people,
// scripted prompts, and a small envelope layout: a return address text and an address block.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLPLabel.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class EnvelopeTestTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }

    // One record per list of "FIELD=value" entries; "ISDEL" marks a record deleted.
    void Create(std::initializer_list<QStringList> people)
    {
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        for (const QStringList& person : people) {
            Table->Table().appendBlank();
            for (const QString& entry : person) {
                if (entry == QLatin1String("ISDEL"))
                    Table->SetDeletedMark(true);
                else
                    Table->SetFieldText(entry.section(u'=', 0, 0), entry.section(u'=', 1));
            }
        }
        Table->Table().commit();
        Table->SetFilterText(QString());
        Table->Table().goTop();
    }

    // "FROM" at the top left and an address block at 4.5 x 2 inches of a #10 envelope.
    static void WriteLayout(const QString& path)
    {
        TEnvelopePanel panel;
        panel.SetSize(912, 396);
        auto from = panel.CreateObject(TLPanelState::psLabel);
        static_cast<TLPLabel*>(from.get())->SetCaption(QStringLiteral("FROM"));
        panel.AddObject(std::move(from), QRect(10, 10, 80, 20));
        panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), QRect(432, 192, 300, 100));
        panel.SaveToFile(path);
    }
};
