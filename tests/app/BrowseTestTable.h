// A small address table in a temporary program folder for the browse, search and memo search
// tests. A last name starting with '-' is stored without it and carries ISDEL; a '*' after the
// state tags the record.
#pragma once

#include "AppTestSupport.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "prompts/TScriptedUserPrompts.h"

#include <gtest/gtest.h>

struct TBrowsePerson {
    const char* Last;
    const char* First;
    const char* State; // "IL*": state IL, tagged
    const char* Memo;
};

class BrowseTestTable : public ::testing::Test {
protected:
    TTestProgramFolder Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    void SetUp() override { TAddressTable::SetGlobalTagId("T57LQA6"); }

    // Opens the table in LNAME order with the plain record set ("!ISDEL").
    void Create(std::initializer_list<TBrowsePerson> people)
    {
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        for (const TBrowsePerson& person : people)
            Append(person);
        Table->Table().commit();
        Table->SetOrderTag("LNAME");
        Table->SetFilterText(QString());
        Table->Table().goTop();
    }

    void Append(const TBrowsePerson& person)
    {
        Table->Table().appendBlank();
        const QString last = QString::fromUtf8(person.Last);
        const QString state = QString::fromUtf8(person.State);
        Table->SetFieldText("LNAME", last.startsWith('-') ? last.mid(1) : last);
        Table->SetFieldText("FNAME", QString::fromUtf8(person.First));
        Table->SetDeletedMark(last.startsWith('-'));
        Table->SetFieldText("STATE", QString(state).remove('*'));
        if (state.endsWith('*'))
            Table->SetFieldText("TAG", TAddressTable::GlobalTagId());
        if (person.Memo && *person.Memo)
            Table->SetMemo(QString::fromUtf8(person.Memo));
    }

    QString LastName() { return Table->Table().eof() ? QString() : Table->FieldText("LNAME"); }

    // Goes to the record with that last name (in the set or not).
    void GoTo(const QString& last)
    {
        auto& records = Table->Table();
        for (uint32_t recno = 1; recno <= records.recordCount(); ++recno) {
            records.go(recno);
            if (Table->FieldText("LNAME") == last)
                return;
        }
        FAIL() << "no record " << last.toStdString();
    }
};
