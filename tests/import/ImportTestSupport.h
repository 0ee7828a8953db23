// A fresh address table in a temporary program folder, and small source files beside it: text
// written as given, DBF tables made field by field.
#pragma once

#include "QStringPrinter.h"
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

class ImportTest : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    QString TablePath;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path());
        QDir().mkpath(TProgramFolder::DataFolder());
        TablePath = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath, TFieldLengths()));
    }

    std::unique_ptr<TAddressTable> OpenTable()
    {
        auto table = TAddressTable::Open(TablePath);
        EXPECT_NE(table, nullptr);
        return table;
    }

    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = Home.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    struct TField {
        const char* Name;
        char Type;
        uint16_t Width = 0;
        uint8_t Decimals = 0;
    };
    // A DBF with the given fields; `fill` is called once per record after its append.
    QString MakeDbf(const QString& name, std::initializer_list<TField> fields, int records,
                    const std::function<void(xbase::DbfTable&, int)>& fill)
    {
        const QString path = Home.filePath(name);
        xbase::DbfCreator creator;
        for (const TField& field : fields)
            creator.addField(field.Name, field.Type, field.Width, field.Decimals);
        creator.create(xbase::FileSystem::native(), path.toStdString());
        auto table = xbase::DbfTable::open(xbase::FileSystem::native(), path.toStdString());
        for (int i = 0; i < records; ++i) {
            table->appendBlank();
            fill(*table, i);
        }
        table->close();
        return path;
    }

    // Every record of the address table in record order: the named stored fields joined by '|'.
    QStringList Rows(const QStringList& fields)
    {
        auto table = OpenTable();
        QStringList rows;
        xbase::DbfTable& records = table->Table();
        for (records.goTop(); !records.eof(); records.skip()) {
            QStringList row;
            for (const QString& field : fields)
                row << table->Value(field);
            rows << row.join(u'|');
        }
        return rows;
    }
};
