#include "TLPageNumberLabel.h"

#include "output/TBaseReport.h"

void TLPageNumberLabel::PrepareCaption()
{
    const QString text = PrintedPage > 0 ? QString::number(PrintedPage) : QStringLiteral("##");
    if (text != Caption)
        SetCaption(text);
}

void TLPageNumberLabel::Print(TBaseReport& report, TInches x, TInches y)
{
    PrintedPage = std::max(1, report.CurrentPage());
    TLBaseLabel::Print(report, x, y);
    PrintedPage = 0;
}
