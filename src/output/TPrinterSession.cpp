#include "TPrinterSession.h"

#include "TPagePainter.h"
#include "prompts/TUserPrompts.h"

#include <QFile>
#include <QPagedPaintDevice>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Qt's PDF writer compresses every page through large temporary buffers. With the C library's
// default thresholds each page maps and unmaps them (or grows and trims the heap) afresh, and
// the page faults cost several times the drawing itself: 10,000 envelopes took 7 s of CPU
// instead of 1.3 s. Keeping up to 64 MB of freed memory in the heap stops that churn.
void KeepPageBuffers()
{
#ifdef __GLIBC__
    static const bool tuned = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    (void)tuned;
#endif
}

} // namespace

TPrinterSession::~TPrinterSession()
{
    if (Painter)
        Abort();
}

bool TPrinterSession::Begin(const TPrintSettings& settings)
{
    ErrorText.clear();
    FileName.clear();
    PagesPrinted = 0;
    TPrintDevice& device = Printers.Printer();
    KeepPageBuffers();
    if (Printers.IsPdfPrinter()) {
        FileName = Printers.FixedPdfFileName();
        if (FileName.isEmpty())
            FileName = TUserPrompts::Current().SaveFileName(QStringLiteral("Print to PDF File"), QString(),
                                                            QStringLiteral("PDF files (*.pdf)"));
        if (FileName.isEmpty())
            return false;
    }
    QPagedPaintDevice* paintDevice = device.Open(settings, FileName);
    Painter = std::make_unique<QPainter>();
    if (!paintDevice || !Painter->begin(paintDevice)) {
        Painter.reset();
        ErrorText = Printers.IsPdfPrinter() ? QStringLiteral("Cannot write the file %1").arg(FileName)
                                            : QStringLiteral("Cannot print on %1").arg(Printers.PrinterName());
        return false;
    }
    return true;
}

void TPrinterSession::PrintPage(const TDisplayList& page)
{
    QPainter* painter = NextPage();
    if (!painter)
        return;
    // With a full-page printer the painter's origin is the sheet's corner and Qt takes the
    // unprintable offset off by itself.
    const double dpi = Printers.Printer().Resolution();
    TPagePainter(*painter, dpi, dpi).PlayPage(page, false);
}

QPainter* TPrinterSession::NextPage()
{
    if (!Painter)
        return nullptr;
    if (PagesPrinted > 0)
        Printers.Printer().NewPage();
    ++PagesPrinted;
    return Painter.get();
}

bool TPrinterSession::End()
{
    if (!Painter)
        return false;
    const bool ended = Painter->end();
    Painter.reset();
    if (!ended)
        ErrorText = QStringLiteral("Printing on %1 failed").arg(Printers.PrinterName());
    return ended;
}

void TPrinterSession::Abort()
{
    if (!Painter)
        return;
    Printers.Printer().Abort();
    Painter->end();
    Painter.reset();
    if (!FileName.isEmpty())
        QFile::remove(FileName);
}
