#include "TFilePrinter.h"

bool TFilePrinter::Execute(const TPageStream& stream, const QString& title, int copies)
{
    ErrorText.clear();
    if (stream.PageCount() == 0)
        return false;
    const TDisplayList& first = stream.Page(1);
    TPrintSettings settings;
    settings.DocumentName = title;
    settings.Copies = copies;
    const double width = first.PageWidth().Value();
    const double height = first.PageHeight().Value();
    // The pages carry their sheet in reading position; a wide sheet prints as landscape.
    settings.Orientation = width > height ? QPageLayout::Landscape : QPageLayout::Portrait;
    settings.PageSize = QPageSize(QSizeF(std::min(width, height), std::max(width, height)), QPageSize::Inch);
    TPrinterSession session(PrinterChoice);
    if (!session.Begin(settings)) {
        ErrorText = session.Error();
        return false;
    }
    for (int page = 1; page <= stream.PageCount(); ++page)
        session.PrintPage(stream.Page(page));
    if (!session.End()) {
        ErrorText = session.Error();
        return false;
    }
    return true;
}
