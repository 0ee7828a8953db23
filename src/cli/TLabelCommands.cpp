#include "TLabelCommands.h"
#include "TCommandLine.h"
#include "TConsolePrompts.h"

#include "data/TCsv.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelTemplateQuery.h"

#include <QTextStream>

namespace {

QString Inches(TInches length) { return QString::number(length.Value(), 'f', 3); }

QStringList StockFields(const TLabelStock& stock)
{
    return {stock.TemplateName,          Inches(stock.LabelWidth),      Inches(stock.LabelHeight),
            QString::number(stock.Across), QString::number(stock.Down), Inches(stock.TopMargin),
            Inches(stock.LeftMargin),    Inches(stock.HorizontalPitch), Inches(stock.VerticalPitch),
            Inches(stock.SheetWidth),    Inches(stock.SheetDepth),      stock.PaperSize,
            stock.PrinterKind,           stock.Shape,                   Inches(stock.MiddleExtraX),
            Inches(stock.MiddleExtraY)};
}

} // namespace

void TLabelCommands::Register() { TCommandLine::Register(QStringLiteral("stocks"), &TLabelCommands::Stocks); }

int TLabelCommands::Stocks(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString search;
    bool european = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--european")) {
            european = true;
        } else if (arguments[i] == QLatin1String("--search") && i + 1 < arguments.size()) {
            search = arguments[++i];
        } else {
            err << "usage: quorvane stocks [--search TEXT] [--european]\n";
            return 2;
        }
    }
    TConsolePrompts prompts(err); // "Unable to Open LBLTPL.DBF" goes to stderr
    auto catalogue = TLabelCatalogue::Open();
    if (!catalogue)
        return 2;
    catalogue->SetQuery(TLabelTemplateQuery::Build({}, -1, european));
    out << TCsv::FormatRecord({"DESCRIPT", "LBLWIDTH", "LBLHEIGHT", "NBRACROSS", "NBRDOWN", "TOPMARG", "LEFTMARG",
                               "HORIZPITCH", "VERTPITCH", "SHEETWIDTH", "SHEETDEPTH", "PAPERSIZE", "PRINTER",
                               "LBLSHAPE", "MIDEXTRAX", "MIDEXTRAY"});
    for (const TLabelStock& stock : catalogue->Rows())
        if (stock.TemplateName.contains(search, Qt::CaseInsensitive))
            out << TCsv::FormatRecord(StockFields(stock));
    return 0;
}
