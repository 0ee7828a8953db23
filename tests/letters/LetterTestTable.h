// An address table of a few people in a temporary program folder (with its sysdata folder for
// LETTER.DBF), for the store, merge and print-loop tests. Fields are given as NAME=value.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class LetterTestTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(Home.filePath("sysdata"));
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

    static std::unique_ptr<TRichDocument> Letter(const QByteArray& rtf)
    {
        auto document = std::make_unique<TRichDocument>();
        TRtfReader::Read(rtf, *document);
        return document;
    }

    static QString Text(const TRichDocument& document)
    {
        return document.Document().toRawText().replace(QChar::ParagraphSeparator, u'\n');
    }
};
