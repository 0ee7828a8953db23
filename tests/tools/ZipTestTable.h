// An address table of given ZIP codes in a temporary program folder, for the ZIP tally, presort
// and count tests. A ZIP starting with '-' is stored without it and the record carries ISDEL,
// so it is outside the record set.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// "12345 x10" style shorthand: `count` copies of `zip`.
inline std::vector<std::string> Copies(const std::string& zip, int count) { return std::vector<std::string>(size_t(count), zip); }

inline std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class ZipTestTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path());
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }

    void Create(const std::vector<std::string>& zips)
    {
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        Table.reset();
        for (const char* extension : {".DBF", ".CDX", ".FPT"})
            QFile::remove(TProgramFolder::DataFolder() + "ADD0001" + extension);
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        int n = 0;
        for (const std::string& zip : zips) {
            Table->Table().appendBlank();
            const QString text = QString::fromLatin1(zip.c_str());
            Table->SetFieldText("ZIP", text.startsWith('-') ? text.mid(1) : text);
            Table->SetDeletedMark(text.startsWith('-'));
            Table->SetFieldText("LNAME", QStringLiteral("Person %1").arg(++n));
        }
        Table->Table().commit();
        Table->SetOrderTag(QString());
        Table->SetFilterText(QString());
    }
};
