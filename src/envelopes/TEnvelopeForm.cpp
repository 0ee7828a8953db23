#include "TEnvelopeForm.h"

#include "TEnvelopeSetups.h"

#include "data/TAddressTable.h"
#include "layout/TEnvelopePanel.h"
#include "layout/TIMbSerialStore.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLPrintPass.h"
#include "output/TPaperCodes.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfTable.h"

#include <QFileInfo>

#include <stdexcept>

TEnvelopeForm::TEnvelopeForm(TAddressTable& table, TEnvelopePanel& panel, TEnvelopeSize size, TEnvelopeFeedSettings feed)
    : Table(table), Panel(panel), EnvelopeSize(std::move(size)), Feed(feed)
{
}

void TEnvelopeForm::LoadLayout(TEnvelopePanel& panel, const TEnvelopeSetup& setup)
{
    panel.DeleteAllObjects();
    if (setup.LayoutFile.isEmpty())
        throw std::runtime_error(MissingLayoutText);
    const QString path = TEnvelopeSetups::LayoutPath(setup); // a name outside the rule is refused
    if (!QFileInfo::exists(path))
        throw std::runtime_error(MissingLayoutText);
    TLLabelObjectFiler().ReadIntoPanel(panel, path);
}

void TEnvelopeForm::SetRecords(TRecordChoice::TRecords records, bool startFromCurrent)
{
    Records = records;
    StartFromCurrent = startFromCurrent;
    OnlyCurrentRecord = records == TRecordChoice::TRecords::OnlyCurrent;
}

void TEnvelopeForm::PreparePage(TBaseReport& job) const
{
    job.Title = QLatin1String(JobTitle);
    if (EnvelopeSize.Code == TEnvelopeSizes::CustomCode && EnvelopeSize.Known())
        job.SetCustomPaper(TInches(EnvelopeSize.Width), TInches(EnvelopeSize.Length)); // upright, as the printer's envelopes
    else
        job.SetPaper(EnvelopeSize.Code);
    job.SetOrientation(Feed.PageOrientation());
}

void TEnvelopeForm::SetPrintableAreaOf(TBaseReport& printer)
{
    Unprintable = {printer.UnprintableLeft(), printer.UnprintableTop(), printer.UnprintableRight(), printer.UnprintableBottom()};
}

bool TEnvelopeForm::PageMismatch(TBaseReport& job) const
{
    return TEnvelopePlacement::PageMismatch(job.PageWidth().Value(), job.PageHeight().Value(), EnvelopeSize.Length,
                                            EnvelopeSize.Width);
}

void TEnvelopeForm::Attach(TBaseReport& job)
{
    job.OnBeforePrint = [this](TBaseReport& report) { BeforePrint(report); };
    job.OnPrint = [this](TBaseReport& report) { Print(report); };
}

void TEnvelopeForm::Run(TBaseReport& job, const std::function<void(TBaseReport&)>& runJob)
{
    if (!EnvelopeSize.Known())
        throw std::runtime_error(UnknownSizeText);
    TLAddressDataSource data(Table);
    // Serials handed out count as used after a real run, also a cancelled one.
    TIMbSerialRun serials(TIMbSerialStore(TProgramFolder::SettingsFile()), Previewing);
    RunData = &data;
    RunSerials = &serials;
    struct TDetach {
        TEnvelopeForm& Form;
        TBaseReport& Job;
        ~TDetach()
        {
            Form.RunData = nullptr;
            Form.RunSerials = nullptr;
            // The job may outlive this run (the setup screen keeps its printer job).
            Job.OnBeforePrint = nullptr;
            Job.OnPrint = nullptr;
        }
    } detach{*this, job};
    {
        // Query, order and record come back when the choice goes, whatever happens inside.
        TRecordChoice choice(Table, TRecordChoice::TPrintout::Envelopes, Records, StartFromCurrent);
        OnlyCurrentRecord = choice.SingleRecord();
        Attach(job);
        runJob(job);
    }
    serials.Finish();
}

void TEnvelopeForm::BeforePrint(TBaseReport& job)
{
    Offset = {};
    Envelopes = 0;
    job.StatusFormat = QStringLiteral("Printing Page %p\r%0\r%1");
    job.StatusText = {QString(), QString()};
}

void TEnvelopeForm::Print(TBaseReport& job)
{
    Offset = TEnvelopePlacement::Offsets(job.PageWidth().Value(), job.PageHeight().Value(), EnvelopeSize.Length,
                                         EnvelopeSize.Width, Feed);
    job.SetMarginLeft(TInches());
    job.SetMarginTop(TInches());
    TLPrintPass pass(Panel, RunData, RunSerials);
    xbase::DbfTable& rows = Table.Table();
    while (!rows.eof() && !job.StopRequested() && !job.Aborted()) {
        if (Envelopes > 0)
            job.NewPage();
        PrintOne(job, pass);
        ++Envelopes;
        job.UpdateStatus();
        if (OnlyCurrentRecord)
            break;
        rows.skip();
        if (!job.ProcessEvents())
            break;
    }
}

void TEnvelopeForm::PrintOne(TBaseReport& job, TLPrintPass& pass)
{
    if (Previewing) {
        // The printer's printable area, so the preview shows what a real envelope would lose.
        job.SetPen(Qt::red, Qt::DotLine, 1);
        job.SetBrush(Qt::white, Qt::NoBrush);
        job.Rectangle({Unprintable.Left, Unprintable.Top, job.PageWidth() - Unprintable.Right,
                       job.PageHeight() - Unprintable.Bottom});
        job.SetPen(Qt::black, Qt::SolidLine, 1);
    }
    // A printer's calibration is applied by the job to every finished page (TCalibrated); the
    // pass moves the Intelligent Mail serials on per piece.
    pass.PrintRecord(job, TInches(Offset.Horizontal), TInches(Offset.Vertical));
}
