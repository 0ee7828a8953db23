#include "TLabelCommands.h"
#include "TCommandLine.h"
#include "TConsolePrompts.h"

#include "data/TCsv.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelSetups.h"
#include "labels/TLabelStockRules.h"
#include "labels/TLabelTemplateQuery.h"
#include "layout/TLLabelPanel.h"

#include <QFileInfo>
#include <QTextStream>

#include <exception>
#include <optional>

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

const char* const SetupsUsage =
    "usage: quorvane setups labels\n"
    "       quorvane setups labels add DESC (--template TEMPLATE | --stock W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER)"
    " [--layout FILE]\n";

// The catalogue row whose DESCRIPT is `name` exactly, taken as a new setup's stock.
std::optional<TLabelStock> TemplateStock(const QString& name)
{
    auto catalogue = TLabelCatalogue::Open();
    if (!catalogue)
        return std::nullopt;
    if (const std::optional<TLabelStock> row = catalogue->Find(name)) {
        TLabelStock stock = TLabelStock::NewStock();
        stock.TakeTemplate(*row);
        return stock;
    }
    throw std::runtime_error("No label template named \"" + name.toStdString() + "\"");
}

int ListLabelSetups(QTextStream& out)
{
    auto setups = TLabelSetups::Open();
    if (!setups)
        return 2;
    out << TCsv::FormatRecord({"DESCRIPT", "SHEET", "LBLWIDTH", "LBLHEIGHT", "NBRACROSS", "NBRDOWN", "PAPERSIZE", "BINARY"});
    for (const TLabelSetup& setup : setups->Setups()) {
        const TLabelStock& stock = setup.Stock;
        out << TCsv::FormatRecord({setup.Description, stock.SheetName(), Inches(stock.LabelWidth), Inches(stock.LabelHeight),
                                   QString::number(stock.Across), QString::number(stock.Down), stock.PaperSize,
                                   setup.LayoutFile});
    }
    return 0;
}

int AddLabelSetup(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString templateName, values, layoutFile;
    bool hasTemplate = false, hasValues = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (i + 1 >= arguments.size()) {
            err << SetupsUsage;
            return 2;
        }
        if (option == QLatin1String("--template")) {
            templateName = arguments[++i];
            hasTemplate = true;
        } else if (option == QLatin1String("--stock")) {
            values = arguments[++i];
            hasValues = true;
        } else if (option == QLatin1String("--layout")) {
            layoutFile = arguments[++i];
        } else {
            err << SetupsUsage;
            return 2;
        }
    }
    if (arguments.isEmpty() || arguments[0].trimmed().isEmpty() || hasTemplate == hasValues) {
        err << SetupsUsage;
        return 2;
    }
    if (!layoutFile.isEmpty() && !QFileInfo(layoutFile).isFile()) {
        err << "No layout file " << layoutFile << "\n";
        return 2;
    }
    std::optional<TLabelStock> stock =
        hasTemplate ? TemplateStock(templateName) : std::optional(TLabelStockRules::StockFromValues(values));
    if (!stock)
        return 2;
    TLabelStockRules::Validate(*stock);
    auto setups = TLabelSetups::Open();
    if (!setups)
        return 2;
    const TLabelSetup added = setups->Add(arguments[0], *stock, [&](const QString& path) {
        if (layoutFile.isEmpty()) {
            TLabelSetups::WriteNewLabelLayout(*stock, path);
            return;
        }
        // Read and written again by our own reader and writer, so the copy is a sound layout.
        TLLabelPanel panel;
        panel.LoadFromFile(layoutFile);
        panel.SaveToFile(path);
    });
    out << added.LayoutFile << "\n";
    return 0;
}

} // namespace

void TLabelCommands::Register()
{
    TCommandLine::Register(QStringLiteral("stocks"), &TLabelCommands::Stocks);
    TCommandLine::Register(QStringLiteral("setups"), &TLabelCommands::Setups);
}

int TLabelCommands::Setups(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) != QLatin1String("labels") || (arguments.size() > 1 && arguments[1] != QLatin1String("add"))) {
        err << SetupsUsage;
        return 2;
    }
    TConsolePrompts prompts(err); // "Unable to Open LABEL.DBF" goes to stderr
    try {
        return arguments.size() == 1 ? ListLabelSetups(out) : AddLabelSetup(arguments.mid(2), out, err);
    } catch (const EValid& error) {
        err << error.Message() << "\n";
    } catch (const std::exception& error) {
        err << QString::fromStdString(error.what()) << "\n";
    }
    return 2;
}

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
