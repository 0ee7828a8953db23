// An address table of a few people in a temporary program folder (with sysdata for REPORT.DBF),
// and what a report run drew: its pages in memory and the texts on them.
#pragma once

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "prompts/TScriptedUserPrompts.h"
#include "reports/TReportRun.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class ReportTestTable : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    std::unique_ptr<TAddressTable> Table;
    TPageStream Pages;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }

    // One record per list of "FIELD=value" entries; "ISDEL" marks a record deleted, MEMO=... the memo.
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
        Table->SetOrderTag("LNAME");
        Table->Table().goTop();
    }

    // Runs the report into memory; the job's error (if any) is returned.
    bool Run(const TReportRequest& request)
    {
        TReportRun run(*Table, request);
        TReportFiler job(Pages);
        run.Configure(job);
        return run.Execute(job);
    }

    // The texts of a page in drawing order (clipped cells and plain texts alike).
    QStringList PageTexts(int page) const
    {
        QStringList texts;
        for (const TDisplayOp& op : Pages.Page(page).Operations()) {
            if (const auto* text = std::get_if<TTextOp>(&op))
                texts << text->Text;
            else if (const auto* cell = std::get_if<TClippedTextOp>(&op))
                texts << cell->Text;
        }
        return texts;
    }
    QStringList AllTexts() const
    {
        QStringList texts;
        for (int page = 1; page <= Pages.PageCount(); ++page)
            texts << PageTexts(page);
        return texts;
    }
};
