#include "TLabelCommands.h"

#include "output/TPageImageBound.h"
#include "TCommandLine.h"
#include "prompts/TConsolePrompts.h"
#include "TPrintOptions.h"
#include "TRecordSetOptions.h"

#include "data/TCsv.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelSetups.h"
#include "labels/TLabelStockRules.h"
#include "labels/TLabelTemplateQuery.h"
#include "labels/TLabelJob.h"
#include "labels/TLabelPrinter.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLLabelPanel.h"
#include "data/TAddressTable.h"
#include "output/TBaseReport.h"
#include "output/TFilePrinter.h"
#include "output/TPagePictures.h"
#include "output/TPrinterCalibration.h"
#include "output/TPageStream.h"
#include "settings/TProgramFolder.h"
#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"

#include <QTemporaryDir>

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

QString SetupsUsage() { return TCommandLine::CommandHelp(QStringLiteral("setups labels")); }

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
            err << SetupsUsage();
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
            err << SetupsUsage();
            return 2;
        }
    }
    if (arguments.isEmpty() || arguments[0].trimmed().isEmpty() || hasTemplate == hasValues) {
        err << SetupsUsage();
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

// ---- quorvane labels

struct TLabelsArguments {
    TRecordSetOptions Records;
    TPrintOptions Choice; // --choice and --recno only; labels read their own targets
    bool MaskGiven = false;
    QString SetupName, SetupFile, TemplateName, Mask, CalibrationPrinter, Pdf, Printer, PngFolder;
    bool Presort = false;
    int Skip = 0;
    int PerRecord = 1;
    int FromPage = 0, ToPage = 0;
};

int Number(const QString& option, const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw TUsageError(QStringLiteral("labels: %1 takes a number from %2 to %3").arg(option).arg(low).arg(high).toStdString());
    return value;
}

TLabelsArguments ReadLabelsArguments(const QStringList& arguments)
{
    const QString command = QStringLiteral("labels");
    TLabelsArguments a;
    bool skipGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (a.Records.Take(command, arguments, i))
            continue;
        const QString& option = arguments[i];
        if ((option == QLatin1String("--choice") || option == QLatin1String("--recno")) && a.Choice.Take(arguments, i))
            continue;
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError::NeedsValue(option);
            return arguments[++i];
        };
        if (option == QLatin1String("--setup"))
            a.SetupName = value();
        else if (option == QLatin1String("--setup-file"))
            a.SetupFile = value();
        else if (option == QLatin1String("--template"))
            a.TemplateName = value();
        else if (option == QLatin1String("--presort"))
            a.Presort = true;
        else if (option == QLatin1String("--skip")) {
            a.Skip = Number(option, value(), 0, TLabelPositionMask::MaximumPositions - 1);
            skipGiven = true;
        } else if (option == QLatin1String("--mask")) {
            a.Mask = value();
            a.MaskGiven = true;
        }
        else if (option == QLatin1String("--per-record"))
            a.PerRecord = Number(option, value(), 1, 99);
        else if (option == QLatin1String("--calibration"))
            a.CalibrationPrinter = value();
        else if (option == QLatin1String("--pdf"))
            a.Pdf = QFileInfo(value()).absoluteFilePath();
        else if (option == QLatin1String("--printer"))
            a.Printer = value();
        else if (option == QLatin1String("--preview-png"))
            a.PngFolder = value();
        else if (option == QLatin1String("--pages")) {
            const QStringList range = value().split(u'-');
            if (range.size() != 2)
                throw TUsageError("labels: --pages takes A-B");
            a.FromPage = Number(option, range[0], 1, 1 << 30);
            a.ToPage = Number(option, range[1], a.FromPage, 1 << 30);
        } else
            throw TUsageError::UnknownOption(option);
    }
    a.Records.Check(command);
    if (a.SetupName.isEmpty() == (a.SetupFile.isEmpty() && a.TemplateName.isEmpty()) ||
        a.SetupFile.isEmpty() != a.TemplateName.isEmpty())
        throw TUsageError("labels: give --setup DESC, or --setup-file FILE.L with --template TEMPLATE");
    if (skipGiven && a.MaskGiven)
        throw TUsageError("labels: give --skip or --mask, not both");
    if (a.MaskGiven && a.Mask.trimmed().isEmpty())
        throw TUsageError("labels: nothing to print: --mask names no position");
    if ((a.Choice.Choice == QLatin1String("current") || a.Choice.Choice == QLatin1String("from-current")) &&
        a.Choice.RecordNumber == 0)
        throw TUsageError(("labels: --choice " + a.Choice.Choice + " needs --recno N").toStdString());
    if (a.Pdf.isEmpty() == a.Printer.isEmpty())
        throw TUsageError("labels: give one of --pdf FILE or --printer NAME");
    return a;
}

// The stock and the layout file the run prints with.
std::pair<TLabelStock, QString> LabelsSetup(const TLabelsArguments& a)
{
    if (!a.SetupName.isEmpty()) {
        auto setups = TLabelSetups::Open();
        if (!setups)
            throw std::runtime_error("Unable to Open LABEL.DBF");
        for (const TLabelSetup& setup : setups->Setups()) {
            if (setup.Description.trimmed().compare(a.SetupName.trimmed(), Qt::CaseInsensitive) != 0)
                continue;
            if (setup.LayoutFile.isEmpty())
                throw std::runtime_error("Label definition file has been removed from the sysdata directory");
            const QString file = TLabelSetups::LayoutPath(setup); // a name outside the rule is refused
            if (!QFileInfo::exists(file))
                throw std::runtime_error("Label definition file has been removed from the sysdata directory");
            return {setup.Stock, file};
        }
        throw std::runtime_error(("No label setup named \"" + a.SetupName + "\"").toStdString());
    }
    if (!QFileInfo(a.SetupFile).isFile())
        throw std::runtime_error(("No layout file " + a.SetupFile).toStdString());
    const std::optional<TLabelStock> stock = TemplateStock(a.TemplateName);
    if (!stock)
        throw std::runtime_error("Unable to Open LBLTPL.DBF");
    return {*stock, a.SetupFile};
}

void WritePagePngs(const TPageStream& pages, int from, int to, const QString& folder)
{
    TPagePictures::Write(pages, from, to, folder, [](int number) { return QStringLiteral("page%1.png").arg(number); });
}

// Builds and runs the job over the chosen records; throws when it did not finish.
void RunLabelJob(const TLabelJobTarget& target, TLabelPrinter& printer, const TLabelStock& stock)
{
    const TLabelJob made = TLabelJob::Make(target, printer, stock);
    if (!made.PrinterFound)
        throw std::runtime_error(("No printer named " + target.Printer).toStdString());
    QString error;
    try {
        if (made.Job->Execute())
            return;
        error = made.Job->ErrorText();
    } catch (const std::exception& failure) {
        error = QString::fromLocal8Bit(failure.what());
    }
    throw std::runtime_error(error.isEmpty() ? std::string("Label printing failed") : error.toStdString());
}

int Labels(const QStringList& arguments, QTextStream& out)
{
    const TLabelsArguments a = ReadLabelsArguments(arguments);
    const auto [stock, layoutFile] = LabelsSetup(a);
    if (a.Skip >= stock.Positions())
        throw TUsageError("labels: --skip leaves no position of the first sheet");

    std::unique_ptr<TAddressTable> table = a.Records.OpenForPrinting(out);
    table->SetExtraFields(true);
    a.Choice.Position(*table);
    bool fromCurrent = false;
    const TRecordChoice::TRecords records = a.Choice.Records(a.Records.Filtered(), &fromCurrent);
    const TRecordChoice choice(*table, TRecordChoice::TPrintout::Labels, records, fromCurrent);
    // "Only current record" clears presort, as the window does.
    const bool presort = a.Presort && records != TRecordChoice::TRecords::OnlyCurrent;
    TLAddressDataSource data(*table);
    TLLabelPanel panel;
    panel.DataSet = &data;
    panel.LoadFromFile(layoutFile);

    TLabelPrintOptions options;
    options.Stock = stock;
    options.Mask = a.MaskGiven ? TLabelPositionMask::FromText(stock, a.Mask) : TLabelPositionMask(stock);
    options.SkipPositions = a.Skip;
    options.LabelsPerRecord = a.PerRecord;
    QTemporaryDir presortFolder;
    if (presort) {
        // The run's own list, so the window's PRESORT.PSL is left alone.
        options.Presort = true;
        options.PresortListPath = presortFolder.filePath(QLatin1String(TBulkMailPresort::ListFileName));
        TBulkMailPresort::Run(*table, TAdcTable::Load(), options.PresortListPath);
    }
    TLabelPrinter printer(panel, *table, options);

    TLabelJobTarget target;
    target.Title = QStringLiteral("Labels");
    target.Printer = a.Pdf.isEmpty() ? a.Printer : TPrinterSelection::PdfPrinterName();
    target.PdfFile = a.Pdf;
    const QString calibrationPrinter = !a.CalibrationPrinter.isEmpty() ? a.CalibrationPrinter : a.Printer;
    if (!calibrationPrinter.isEmpty())
        target.Calibration = TPrinterCalibration::Load(TProgramFolder::SettingsFile(), calibrationPrinter);
    int sheets = 0;
    if (a.FromPage == 0 && a.PngFolder.isEmpty()) {
        // Pages go to the document as they are finished: memory stays flat on any run.
        RunLabelJob(target, printer, stock);
        sheets = printer.Sheets();
    } else {
        TPageStream pages;
        target.Pages = &pages;
        RunLabelJob(target, printer, stock);
        if (a.FromPage > pages.PageCount())
            throw std::runtime_error(QStringLiteral("nothing to print: --pages %1-%2 starts past the last page (%3)")
                                         .arg(a.FromPage)
                                         .arg(a.ToPage)
                                         .arg(pages.PageCount())
                                         .toStdString());
        const int from = a.FromPage == 0 ? 1 : a.FromPage;
        const int to = a.FromPage == 0 ? pages.PageCount() : std::min(a.ToPage, pages.PageCount());
        if (!a.PngFolder.isEmpty())
            WritePagePngs(pages, from, to, a.PngFolder);
        TFilePrinter file;
        file.Printers().SelectPrinter(target.Printer);
        if (!a.Pdf.isEmpty())
            file.Printers().SetPdfFileName(a.Pdf);
        if (!file.ExecuteRange(pages, QStringLiteral("Labels"), from, to))
            throw std::runtime_error(file.Error().isEmpty() ? std::string("Label printing failed") : file.Error().toStdString());
        sheets = to - from + 1;
    }
    out << "labels: " << printer.Labels() << ", sheets: " << sheets << "\n";
    if (printer.NotPresorted() > 0)
        out << printer.NotPresortedNote() << "\n";
    return 0;
}

} // namespace

void TLabelCommands::Register()
{
    TCommandLine::Register({QStringLiteral("stocks"), {QStringLiteral("stocks [--search TEXT] [--european]")},
                            QStringLiteral("the label template catalogue as CSV"),
                            QStringLiteral("Rows whose DESCRIPT holds TEXT (any case); --european keeps A4/A5."), {},
                            &TLabelCommands::Stocks});
    TCommandLine::Register(
        {QStringLiteral("setups labels"),
         {QStringLiteral("setups labels"),
          QStringLiteral("setups labels add DESC (--template TEMPLATE | --stock W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER) "
                         "[--layout FILE]")},
         QStringLiteral("the label setups as CSV, or a new one"),
         QStringLiteral("Lists description, sheet name, label width and height, across, down, paper code, layout "
                        "file; add makes a setup from a template's DESCRIPT (exact) or from values in inches (PAPER: "
                        "LTR, LTRL, A4, A4L, A5), its layout a copy of FILE or one address block, and prints the new "
                        "layout file's name."),
         {},
         &TLabelCommands::Setups});
    TCommandLine::Register(
        {QStringLiteral("labels"),
         {QStringLiteral("labels TABLE (--setup DESC | --setup-file FILE.L --template TEMPLATE) [record-set options] "
                         "[--choice all|filter|current|from-current] [--recno N] "
                         "[--presort] [--skip N | --mask POSITIONS] [--per-record N] [--calibration PRINTER] "
                         "(--pdf FILE | --printer NAME) [--preview-png DIR] [--pages A-B]")},
         QStringLiteral("print labels on a label setup"),
         QStringLiteral("--skip N leaves the first N positions of the first sheet empty, --mask 1,2,5-9 names the "
                        "positions used on every sheet, --per-record 1-99, --presort prints in presort order with "
                        "separator labels (records it cannot presort last, under \"** Not presorted\"), "
                        "--calibration applies a printer's stored calibration (a printer given with --printer has "
                        "its own applied), --pages prints only pages A to B, --choice and --recno as for letters merge "
                        "(\"Only current record\" also clears presort). Prints \"labels: N, sheets: S\"."),
         {TOptionGroup::ogRecordSet},
         [](const QStringList& a, QTextStream& o, QTextStream& e) {
             return RunCommand(QStringLiteral("labels"), o, e, [&] { return Labels(a, o); });
         }});
}

int TLabelCommands::Setups(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) != QLatin1String("labels") || (arguments.size() > 1 && arguments[1] != QLatin1String("add"))) {
        err << SetupsUsage();
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
