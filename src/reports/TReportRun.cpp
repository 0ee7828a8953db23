#include "TReportRun.h"

#include "output/TBaseReport.h"
#include "output/TPagePictures.h"
#include "output/TPageStream.h"
#include "output/TSingleRecordPrint.h"

#include <stdexcept>

TReportRun::TReportRun(TAddressTable& table, TReportRequest request) : Table(table), Request(std::move(request))
{
    if (Request.BuiltIn > 0) {
        Request.BuiltInOptions.Report = Request.BuiltIn;
        BuiltIn = std::make_unique<TBuiltInReportPrint>(Table, Request.BuiltInOptions);
    } else {
        UserDefined = std::make_unique<TUserDefinedReportPrint>(Table, Request.LayoutFile);
        UserDefined->OneRecordPerPage = Request.OneRecordPerPage;
    }
}

TReportRun::~TReportRun() = default;

// The report texts every report-like printout shares (the one-record printout too).
TStatusTexts TReportRun::StatusTexts() { return TSingleRecordPrint::StatusTexts(); }

QString TReportRun::SpoolerTitle(bool builtIn)
{
    return builtIn ? QStringLiteral("ReportPrinter Report") : QStringLiteral("Quorvane");
}

void TReportRun::Configure(TBaseReport& job)
{
    job.Title = SpoolerTitle(BuiltIn != nullptr);
    job.OnBeforePrint = [](TBaseReport& report) {
        report.StatusFormat = QStringLiteral("Printing Page %p\r%0\r%1");
        report.StatusText = QStringList{QString(), QString()};
        report.UpdateStatus();
    };
    if (BuiltIn) {
        TBuiltInReportPrint::SetUpJob(job);
        job.OnPrint = [this](TBaseReport& report) { BuiltIn->Print(report); };
    } else {
        UserDefined->SetUpJob(job);
        job.OnPrint = [this](TBaseReport& report) { UserDefined->Print(report); };
    }
}

std::unique_ptr<TReportRecordSelection> TReportRun::Select()
{
    return std::make_unique<TReportRecordSelection>(Table, Request.BuiltIn, Request.Records, Request.StartFromCurrent);
}

bool TReportRun::Execute(TBaseReport& job)
{
    const auto selection = Select();
    return job.Execute();
}

int TReportRun::RecordsPrinted() const { return BuiltIn ? BuiltIn->RecordsPrinted() : UserDefined->RecordsPrinted(); }

void TReportRun::WritePagePictures(const TPageStream& pages, const QString& folder, double dotsPerInch)
{
    TPagePictures::WriteAll(pages, folder, [](int number) {
        return QStringLiteral("page-%1.png").arg(number, 4, 10, QLatin1Char('0'));
    }, dotsPerInch);
}
