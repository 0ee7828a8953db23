#include "TFilePrinter.h"

#include <algorithm>

bool TFilePrinter::Execute(const TPageStream& stream, const QString& title, int copies)
{
    return ExecuteRange(stream, title, 1, stream.PageCount(), copies);
}

bool TFilePrinter::ExecuteRange(const TPageStream& stream, const QString& title, int fromPage, int toPage, int copies)
{
    ErrorText.clear();
    fromPage = std::max(1, fromPage);
    toPage = std::min(stream.PageCount(), toPage);
    if (stream.PageCount() == 0 || fromPage > toPage)
        return false;
    const TDisplayList& first = stream.Page(fromPage);
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
    for (int page = fromPage; page <= toPage; ++page)
        session.PrintPage(stream.Page(page));
    if (!session.End()) {
        ErrorText = session.Error();
        return false;
    }
    return true;
}
