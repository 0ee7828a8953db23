// A small address table in a temporary program folder for the list tools' tests: records are
// given as FIELD=value pairs; "ISDEL" marks one deleted, "FLAG" sets the table's delete flag.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using TRecordValues = std::map<QString, QString>;

class ToolsTestTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path() + "/");
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
        TAddressTable::SetGlobalTagId("T57LQA6");
    }

    QString TablePath() const { return TProgramFolder::DataFolder() + "ADD0001.DBF"; }

    void Create(const std::vector<TRecordValues>& records)
    {
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath(), TFieldLengths()));
        Table = TAddressTable::Open(TablePath());
        ASSERT_NE(Table, nullptr);
        for (const TRecordValues& values : records) {
            Table->Table().appendBlank();
            for (const auto& [field, value] : values) {
                if (field == "ISDEL")
                    Table->SetDeletedMark(true);
                else if (field == "FLAG")
                    Table->Table().setDeleted(true);
                else if (field == "MEMO")
                    Table->SetMemo(value);
                else
                    Table->SetFieldText(field, value);
            }
        }
        Table->Table().commit();
        Table->SetOrderTag("LNAME");
        Table->SetFilterText(QString());
    }

    // One field of every record in the table's current set and order.
    QStringList Column(const QString& field)
    {
        QStringList values;
        for (Table->Table().goTop(); !Table->Table().eof(); Table->Table().skip())
            values << Table->FieldText(field);
        return values;
    }

    QString FieldOf(uint32_t recno, const QString& field)
    {
        Table->Table().go(recno);
        return Table->FieldText(field);
    }
};
