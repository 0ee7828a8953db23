// An address table of a few people in a temporary program folder (with sysdata for REPORT.DBF),
// and what a report run drew: its pages in memory and the texts on them.
#pragma once

#include "data/PeopleTestTable.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "reports/TReportRun.h"

#include <memory>

class ReportTestTable : public PeopleTestTable {
protected:
    TPageStream Pages;

    // The people in last-name order, on the first one.
    void Create(const std::vector<QStringList>& people)
    {
        PeopleTestTable::Create(people);
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
