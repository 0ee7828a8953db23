#include "TLetterPrintJob.h"

#include "TLetterMerge.h"
#include "data/TAddressTable.h"
#include "output/TPrinterSelection.h"
#include "output/TPrinterSession.h"
#include "prompts/TUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRichPageRenderer.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {
class ERenderFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
} // namespace

TLetterPrintJob::TLetterPrintJob(TAddressTable& table, const TRichDocument& letter, TPrinterSelection& printers)
    : Table(table), Letter(letter), Printers(printers)
{
}

void TLetterPrintJob::SetRecords(TRecordChoice::TRecords records, bool startFromCurrent)
{
    Records = records;
    StartFromCurrent = startFromCurrent;
}

void TLetterPrintJob::SetCopies(int copies) { CopyCount = std::clamp(copies, 1, MaximumCopies); }

QRect TLetterPrintJob::DeterminePrinterBounds(const TRichPageLayout& page, int dotsPerInchX, int dotsPerInchY,
                                              QPoint physicalOffset)
{
    const int left = page.MarginLeft.ToWholePixels(dotsPerInchX);
    const int top = page.MarginTop.ToWholePixels(dotsPerInchY);
    const int width = page.PaperWidth.ToWholePixels(dotsPerInchX) - left - page.MarginRight.ToWholePixels(dotsPerInchX);
    const int height = page.PaperHeight.ToWholePixels(dotsPerInchY) - top - page.MarginBottom.ToWholePixels(dotsPerInchY);
    return QRect(left - physicalOffset.x(), top - physicalOffset.y(), width, height);
}

QString TLetterPrintJob::FinalText() const
{
    switch (Result) {
    case TResult::lrCompleted: return QLatin1String(CompletedText);
    case TResult::lrCanceled: return QLatin1String(CanceledText);
    case TResult::lrFailed: return ErrorText;
    case TResult::lrNotStarted: break;
    }
    return {};
}

TLetterPrintJob::TResult TLetterPrintJob::Run()
{
    Pages = 0;
    Aborted = CancelRequested = false;
    ErrorText.clear();
    // The choice remembers record and filter, narrows and positions; its end puts them back.
    TRecordChoice choice(Table, TRecordChoice::TPrintout::Letters, Records, StartFromCurrent);
    Single = choice.SingleRecord();

    const TRichPageLayout& page = Letter.PageLayout();
    TPrintSettings settings;
    settings.DocumentName = DocumentName;
    settings.PageSize = QPageSize(QSizeF(page.PaperWidth.ToInches().Value(), page.PaperHeight.ToInches().Value()),
                                  QPageSize::Inch, QString(), QPageSize::ExactMatch);
    TPrinterSession session(Printers);
    if (!session.Begin(settings)) {
        ErrorText = session.Error();
        Result = ErrorText.isEmpty() ? TResult::lrNotStarted : TResult::lrFailed;
        return Result;
    }
    Session = &session;
    try {
        PrintLoop();
    } catch (const std::exception& error) {
        ErrorText = QStringLiteral("Printing the letters failed: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    Session = nullptr;
    if (!Aborted && ErrorText.isEmpty() && Pages == 0)
        ErrorText = QStringLiteral("There is no record to print"); // an empty document is no letter
    if (Aborted) {
        session.Abort();
        Result = TResult::lrCanceled;
    } else if (!ErrorText.isEmpty()) {
        session.Abort(); // removes a partial PDF
        Result = TResult::lrFailed;
    } else if (!session.End()) {
        ErrorText = session.Error();
        if (!session.OutputFile().isEmpty())
            QFile::remove(session.OutputFile());
        Result = TResult::lrFailed;
    } else {
        Result = TResult::lrCompleted;
    }
    if (OnStatus)
        OnStatus(FinalText());
    return Result;
}

void TLetterPrintJob::PrintLoop()
{
    // The session prints full-page: the painter's origin is the sheet's corner, so there is no
    // physical offset to take off.
    const int dpi = int(Session->Resolution());
    const QRect bounds = DeterminePrinterBounds(Letter.PageLayout(), dpi, dpi, QPoint());
    xbase::DbfTable& rows = Table.Table();
    TRichDocument working;
    while (!rows.eof() && !Aborted) {
        working.CopyFrom(Letter);
        TLetterMerge::ReplaceTokens(working, TLetterRecord::FromTable(Table), Today);
        if (OnMerged)
            OnMerged(working);
        PrintThisRecord(working, bounds);
        if (Single)
            break;
        rows.skip();
        if (OnStatus)
            OnStatus(QStringLiteral("Printing page %1").arg(Pages));
        if (ProcessEvents)
            ProcessEvents();
        if (CheckCancel())
            break;
    }
}

void TLetterPrintJob::PrintThisRecord(const TRichDocument& working, const QRect& bounds)
{
    const int dpi = int(Session->Resolution());
    for (int copy = 0; copy < CopyCount; ++copy) {
        int start = 0;
        do {
            QPainter* painter = Session->NextPage();
            if (!painter || !painter->isActive())
                throw ERenderFailed("the printer stopped taking pages");
            start = TRichPageRenderer::RenderPage(working, *painter, QRectF(bounds), dpi, 1.0, start);
            ++Pages;
            if (Session->Device().Failed())
                throw ERenderFailed("the printer reported an error");
            if (OnPage)
                OnPage(Pages);
        } while (start > 0);
    }
}

bool TLetterPrintJob::CheckCancel()
{
    if (!CancelRequested)
        return false;
    if (TUserPrompts::Current().Question(QStringLiteral("CANCEL"), QLatin1String(CancelQuestion))) {
        Aborted = true;
        return true;
    }
    CancelRequested = false;
    return false;
}
