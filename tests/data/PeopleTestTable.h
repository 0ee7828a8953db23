// An address table of a few people in a temporary program folder (data and sysdata folders, the
// scripted prompt service), for the tests of the products that print from it: letters, envelopes,
// reports. People are given as lists of "FIELD=value" entries.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

class PeopleTestTable : public ::testing::Test {
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

    // One record per list; "ISDEL" marks a record deleted, MEMO=... sets the memo. The table is
    // left unfiltered on its first record.
    void Create(const std::vector<QStringList>& people)
    {
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        for (const QStringList& person : people) {
            Table->Table().appendBlank();
            for (const QString& entry : person) {
                const QString field = entry.section(u'=', 0, 0), value = entry.section(u'=', 1);
                if (entry == QLatin1String("ISDEL"))
                    Table->SetDeletedMark(true);
                else if (field == QLatin1String("MEMO"))
                    Table->SetMemo(value);
                else
                    Table->SetFieldText(field, value);
            }
        }
        Table->Table().commit();
        Table->SetFilterText(QString());
        Table->Table().goTop();
    }
};
