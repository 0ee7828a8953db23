#include "TEnvelopeCommands.h"

#include "output/TPageImageBound.h"

#include "TCommandLine.h"
#include "prompts/TConsolePrompts.h"
#include "TLabelCommands.h"
#include "TPrintOptions.h"
#include "TRecordSetOptions.h"

#include "data/TAddressTable.h"
#include "data/TCsv.h"
#include "envelopes/TEnvelopeForm.h"
#include "envelopes/TEnvelopeSetups.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TEnvelopePanel.h"
#include "output/TPagePictures.h"
#include "output/TPageStream.h"
#include "output/TPaperCodes.h"
#include "output/TReportFiler.h"
#include "output/TPrinterCalibration.h"
#include "output/TReportPrinter.h"
#include "settings/TProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <optional>
#include <stdexcept>

namespace {

constexpr double PreviewDotsPerInch = 96.0;

std::runtime_error Error(const QString& text) { return std::runtime_error(text.toStdString()); }

// "9.5x4.125" as two inch values; nothing when the text is not of that form.
std::optional<std::pair<double, double>> Measures(const QString& text)
{
    const QStringList parts = text.toLower().split(u'x');
    bool okFirst = false, okSecond = false;
    if (parts.size() != 2)
        return std::nullopt;
    const double first = parts[0].toDouble(&okFirst), second = parts[1].toDouble(&okSecond);
    if (!okFirst || !okSecond)
        return std::nullopt;
    return std::make_pair(first, second);
}

struct TEnvelopeOptions {
    TRecordSetOptions RecordSet;
    QString Order = QStringLiteral("LNAME");
    QString Setup;
    QString SetupFile;
    QString Size;
    QString Feed;
    QString Paper;
    QString Orientation;
    TPrintOptions Print;
};

TEnvelopeOptions Parse(const QStringList& arguments)
{
    TEnvelopeOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw Error(argument + QStringLiteral(" needs a value"));
            return arguments[++i];
        };
        if (argument == QLatin1String("--order")) {
            options.Order = value();
            continue;
        }
        if (options.RecordSet.Take(QStringLiteral("envelopes"), arguments, i) || options.Print.Take(arguments, i))
            continue;
        if (argument == QLatin1String("--setup"))
            options.Setup = value();
        else if (argument == QLatin1String("--setup-file"))
            options.SetupFile = value();
        else if (argument == QLatin1String("--size"))
            options.Size = value();
        else if (argument == QLatin1String("--feed"))
            options.Feed = value();
        else if (argument == QLatin1String("--paper"))
            options.Paper = value();
        else if (argument == QLatin1String("--orientation")) {
            options.Orientation = value().toLower();
            if (options.Orientation != QLatin1String("portrait") && options.Orientation != QLatin1String("landscape"))
                throw Error(QStringLiteral("--orientation is portrait or landscape"));
        } else
            throw Error(QStringLiteral("unexpected %1 (see --help)").arg(argument));
    }
    if (options.RecordSet.Table.isEmpty())
        throw TUsageError::NoTable();
    options.RecordSet.Check(QStringLiteral("envelopes"));
    if (options.Setup.isEmpty() == options.SetupFile.isEmpty())
        throw Error(QStringLiteral("needs either --setup DESC or --setup-file FILE"));
    if (!options.Size.isEmpty() && options.SetupFile.isEmpty())
        throw Error(QStringLiteral("--size goes with --setup-file; a setup has its own size"));
    options.Print.Check(QStringLiteral("envelopes"));
    return options;
}

// --size: a code of the size table or a custom length x width in inches.
TEnvelopeSize SizeOption(const QString& text)
{
    if (text.isEmpty())
        return TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode);
    bool ok = false;
    const int code = text.toInt(&ok);
    if (ok) {
        const TEnvelopeSize size = TEnvelopeSizes::Find(code);
        if (!size.Known())
            throw Error(QStringLiteral("unknown envelope size code %1").arg(text));
        return size;
    }
    const auto measures = Measures(text);
    if (!measures)
        throw Error(QStringLiteral("--size is a size code or LENGTHxWIDTH in inches, not %1").arg(text));
    const QString problem = TEnvelopeSizes::CustomProblem(measures->first, measures->second);
    if (!problem.isEmpty())
        throw Error(problem);
    return TEnvelopeSizes::Custom(measures->first, measures->second);
}

// The layout onto the panel and the envelope's size, from a setup or a file.
TEnvelopeSize LoadEnvelope(const TEnvelopeOptions& options, TEnvelopePanel& panel)
{
    if (!options.SetupFile.isEmpty()) {
        const TEnvelopeSize size = SizeOption(options.Size);
        if (!QFileInfo::exists(options.SetupFile))
            throw Error(QStringLiteral("%1: %2").arg(options.SetupFile, QLatin1String(TEnvelopeForm::MissingLayoutText)));
        TLLabelObjectFiler().ReadIntoPanel(panel, options.SetupFile);
        return size;
    }
    auto setups = TEnvelopeSetups::Open();
    if (!setups)
        throw Error(QStringLiteral("Unable to Open or Create ENVELOPE.DBF"));
    const std::optional<TEnvelopeSetup> setup = setups->FindByDescription(options.Setup);
    if (!setup)
        throw Error(QStringLiteral("there is no envelope setup \"%1\" (see setups envelopes)").arg(options.Setup));
    if (const QString problem = setup->SizeProblem(); !problem.isEmpty())
        throw Error(problem);
    if (!setup->Size().Known())
        throw Error(QLatin1String(TEnvelopeForm::UnknownSizeText));
    TEnvelopeForm::LoadLayout(panel, *setup);
    return setup->Size();
}

// What "Printer Setup" in the confirmation dialog would set: a paper and an orientation.
void PrinterSetupOptions(const TEnvelopeOptions& options, TBaseReport& job)
{
    if (!options.Paper.isEmpty()) {
        bool ok = false;
        const int code = options.Paper.toInt(&ok);
        if (ok) {
            if (!TPaperCodes::PageSizeId(code) || !job.SetPaper(code))
                throw Error(QStringLiteral("unknown paper code %1").arg(options.Paper));
        } else if (const auto measures = Measures(options.Paper); measures && measures->first > 0 && measures->second > 0) {
            job.SetCustomPaper(TInches(measures->first), TInches(measures->second));
        } else {
            throw Error(QStringLiteral("--paper is a paper code or WIDTHxHEIGHT in inches, not %1").arg(options.Paper));
        }
    }
    if (!options.Orientation.isEmpty())
        job.SetOrientation(options.Orientation == QLatin1String("landscape") ? TOrientation::poLandscape
                                                                             : TOrientation::poPortrait);
}

// Every page of the stream as DIR/envelope-0001.png, ... at 96 dots per inch.
void WritePictures(const TPageStream& pages, const QString& folder)
{
    TPagePictures::WriteAll(pages, folder, [](int number) {
        return QStringLiteral("envelope-%1.png").arg(number, 4, 10, QChar(u'0'));
    }, PreviewDotsPerInch);
}

int PrintEnvelopes(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const TEnvelopeOptions options = Parse(arguments);
    TEnvelopeFeedSettings feed = TEnvelopeFeedSettings::Read(TProgramFolder::SettingsFile());
    if (!options.Feed.isEmpty()) {
        try {
            feed = TEnvelopeFeedSettings::Parse(options.Feed);
        } catch (const std::invalid_argument& error) {
            throw Error(QString::fromStdString(error.what()));
        }
    }
    TEnvelopePanel panel;
    const TEnvelopeSize size = LoadEnvelope(options, panel);

    auto table = options.RecordSet.OpenForPrinting(out, options.Order);
    const bool filtered = options.RecordSet.Filtered();
    options.Print.Position(*table);
    table->SetExtraFields(true);

    TCalibrated<TReportPrinter> job;
    TEnvelopeForm form(*table, panel, size, feed);
    TEnvelopePrinterSettings::Read(TProgramFolder::SettingsFile()).Apply(job);
    options.Print.SelectPrinter(job.Printers());
    // A real printer's stored calibration moves what is drawn on it; a PDF is drawn as laid out.
    if (options.Print.Pdf.isEmpty())
        job.Calibration = TPrinterCalibration::Load(TProgramFolder::SettingsFile(), job.DeviceName());
    form.PreparePage(job);
    PrinterSetupOptions(options, job);
    if (form.PageMismatch(job))
        err << QString::fromLatin1(TEnvelopePlacement::MismatchWarning).replace(QLatin1String("\r\n"), QLatin1String("\n")) << "\n";
    bool fromCurrent = false;
    const TRecordChoice::TRecords records = options.Print.Records(filtered, &fromCurrent);
    form.SetRecords(records, fromCurrent);
    form.Run(job, [](TBaseReport& report) { report.Execute(); });
    if (job.Aborted() || form.EnvelopesPrinted() == 0) {
        if (!options.Print.Pdf.isEmpty())
            QFile::remove(options.Print.Pdf);
        throw Error(job.ErrorText().isEmpty() ? QStringLiteral("no envelopes were printed") : job.ErrorText());
    }
    const int printed = form.EnvelopesPrinted();
    if (!options.Print.PreviewFolder.isEmpty()) {
        TPageStream pages;
        TReportFiler preview(pages);
        if (job.PaperCode() == TPaperCodes::pcCustom || !preview.SetPaper(job.PaperCode()))
            preview.SetCustomPaper(TInches(job.PageSize().size(QPageSize::Inch).width()),
                                   TInches(job.PageSize().size(QPageSize::Inch).height()));
        preview.SetOrientation(job.Orientation());
        form.SetPreviewing(true);
        form.SetPrintableAreaOf(job);
        form.Run(preview, [](TBaseReport& report) { report.Execute(); });
        WritePictures(pages, options.Print.PreviewFolder);
    }
    out << QString::fromLatin1(TEnvelopeForm::PrintCompletedText).mid(1) << " " << printed << " envelopes";
    if (!options.Print.Pdf.isEmpty())
        out << " in " << options.Print.Pdf;
    out << "\n";
    return 0;
}

} // namespace

void TEnvelopeCommands::Register()
{
    TCommandLine::Register({QStringLiteral("setups envelopes"), {QStringLiteral("setups envelopes")},
                            QStringLiteral("the envelope setups as CSV (DESCRIPT, NUMBER, SIZE, LENGTH, WIDTH, BINARY)"),
                            {}, {},
                            [](const QStringList& arguments, QTextStream& out, QTextStream& err) {
                                if (arguments.size() > 1)
                                    throw std::invalid_argument("takes no options (see --help)");
                                return ListSetups(out, err);
                            }});
    TCommandLine::Register(
        {QStringLiteral("envelopes"),
         {QStringLiteral("envelopes TABLE (--setup DESC | --setup-file FILE [--size CODE|LxW]) "
                         "[--feed ORIENTATION,FACING,POSITION[,clockwise]] [--paper CODE|WxH] "
                         "[--orientation portrait|landscape] [record-set options] [print options]")},
         QStringLiteral("print one envelope per record"),
         QStringLiteral("Default order LNAME, as the envelope window does: the feed from the settings unless --feed "
                        "(portrait|landscape,up|down,left|right|center[,clockwise]), the setup's paper in the feed "
                        "orientation unless --paper/--orientation; a page that differs from the envelope by more "
                        "than an inch is warned about on stderr."),
         {TOptionGroup::ogRecordSet, TOptionGroup::ogPrint},
         &TEnvelopeCommands::Envelopes});
}

int TEnvelopeCommands::Envelopes(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return RunCommand(QStringLiteral("envelopes"), out, err, [&] { return PrintEnvelopes(arguments, out, err); });
}

int TEnvelopeCommands::ListSetups(QTextStream& out, QTextStream& err)
{
    return RunCommand(QStringLiteral("setups envelopes"), out, err, [&] {
        auto setups = TEnvelopeSetups::Open();
        if (!setups)
            return 2;
        out << TCsv::FormatRecord({"DESCRIPT", "NUMBER", "SIZE", "LENGTH", "WIDTH", "BINARY"});
        for (const TEnvelopeSetup& setup : setups->Setups()) {
            const TEnvelopeSize size = setup.Size();
            out << TCsv::FormatRecord({setup.Description, QString::number(setup.Code), size.Name,
                                       TEnvelopeSizes::Inches(size.Length), TEnvelopeSizes::Inches(size.Width),
                                       setup.LayoutFile});
        }
        return 0;
    });
}
