// A small address table in a temporary program folder for the filter, tagging and record
// choice tests. A last name starting with '-' is stored without it and carries ISDEL.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct TPerson {
    const char* Last;
    const char* City;
    const char* State;
    const char* Zip;
    const char* Codes;
};

class SmallAddressTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    // Records 1..6: the people the filter cases talk about.
    void SetUp() override
    {
        TAddressTable::SetGlobalTagId("T57LQA6");
        Create({{"Smith", "Springfield", "IL", "62701", "AB"},
                {"Smithers", "Springfield", "MO", "65801", "A"},
                {"Blacksmith", "Chicago", "IL", "60601", "B"},
                {"Jones", "Indianapolis", "IN", "46201", "AC"},
                {"Müller", "Berlin", "", "10115", "C"},
                {"-Smith", "Springfield", "IL", "62702", "AB"}});
    }

    void Create(std::initializer_list<TPerson> people)
    {
        TProgramFolder::SetPath(Home.path());
        QDir().mkpath(TProgramFolder::DataFolder());
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        for (const TPerson& person : people) {
            Table->Table().appendBlank();
            const QString last = QString::fromUtf8(person.Last);
            Table->SetFieldText("LNAME", last.startsWith('-') ? last.mid(1) : last);
            Table->SetDeletedMark(last.startsWith('-'));
            Table->SetFieldText("CITY", person.City);
            Table->SetFieldText("STATE", person.State);
            Table->SetFieldText("ZIP", person.Zip);
            Table->SetFieldText("CODES", person.Codes);
        }
        Table->Table().commit();
        Table->SetOrderTag(QString());
        Table->SetFilterText(QString());
    }

    // The last names of the record set from the current record on.
    QStringList LastNamesFromHere()
    {
        QStringList names;
        for (auto& rows = Table->Table(); !rows.eof(); rows.skip())
            names << Table->FieldText("LNAME");
        return names;
    }
};
