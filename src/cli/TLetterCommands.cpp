#include "TLetterCommands.h"

#include "TCommandLine.h"
#include "prompts/TConsolePrompts.h"
#include "TPrintOptions.h"
#include "TRecordSetOptions.h"

#include "data/TAddressTable.h"
#include "letters/TLetterMerge.h"
#include "letters/TLetterPrintJob.h"
#include "letters/TLetterStore.h"
#include "output/TPrinterSelection.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRichPageRenderer.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "data/TPrintableText.h"
#include "data/TSafeFileWriter.h"
#include <QTextStream>

#include <stdexcept>

namespace {

// Preview pictures are drawn at the screen's customary resolution.
constexpr double PreviewDotsPerInch = 96.0;

std::runtime_error Error(const QString& text) { return std::runtime_error(text.toStdString()); }

std::unique_ptr<TLetterStore> OpenStore()
{
    auto store = TLetterStore::Open();
    if (!store)
        throw Error(QStringLiteral("Unable to Open or Create LETTER.DBF"));
    return store;
}

void CheckName(const QString& name)
{
    if (const QString refusal = TLetterStore::NameRefusal(name); !refusal.isEmpty())
        throw Error(refusal);
}

// The one letter of that name; refused when none or several have it.
TLetterEntry OneLetter(TLetterStore& store, const QString& name)
{
    CheckName(name);
    const std::vector<TLetterEntry> found = store.Find(name);
    if (found.empty())
        throw Error(QStringLiteral("there is no letter named \"%1\"").arg(name));
    if (found.size() > 1)
        throw Error(QStringLiteral("%1 letters are named \"%2\"; rename all but one in the letter window").arg(found.size()).arg(name));
    return found.front();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

void ReadRtf(const QByteArray& rtf, const QString& source, TRichDocument& document)
{
    try {
        TRtfReader::Read(rtf, document);
    } catch (const ERtfError& error) {
        throw Error(QStringLiteral("%1: %2").arg(source, QString::fromUtf8(error.what())));
    }
}

int List(const QStringList& arguments, QTextStream& out)
{
    if (!arguments.isEmpty())
        throw Error(QStringLiteral("list takes no arguments"));
    auto store = OpenStore();
    for (const TLetterEntry& letter : store->Letters())
        out << TPrintableText::Escaped(letter.Description) << "\n";
    return 0;
}

// As "Load RTF" and "Ok" in the designer: our reader, then our writer's text is stored.
int Import(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 2)
        throw Error(QStringLiteral("import needs NAME and FILE.rtf"));
    const QString& name = arguments[0];
    CheckName(name);
    TRichDocument document;
    ReadRtf(ReadFile(arguments[1]), arguments[1], document);
    const QByteArray rtf = TRtfWriter::Write(document);
    auto store = OpenStore();
    const std::vector<TLetterEntry> found = store->Find(name);
    if (found.size() > 1)
        throw Error(QStringLiteral("%1 letters are named \"%2\"; rename all but one in the letter window").arg(found.size()).arg(name));
    if (found.empty()) {
        store->Append(name, rtf);
        out << "added letter \"" << name << "\"\n";
    } else {
        store->Select(found.front().RecordNumber);
        store->SetRtf(rtf);
        store->Commit();
        out << "replaced letter \"" << found.front().Description << "\"\n";
    }
    return 0;
}

int Export(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 2)
        throw Error(QStringLiteral("export needs NAME and FILE.rtf"));
    auto store = OpenStore();
    const TLetterEntry letter = OneLetter(*store, arguments[0]);
    store->Select(letter.RecordNumber);
    QString error;
    if (!TSafeFileWriter::WriteWhole(arguments[1], store->Rtf(), &error))
        throw Error(error);
    out << "exported letter \"" << letter.Description << "\" to " << arguments[1] << "\n";
    return 0;
}

struct TMergeOptions {
    TRecordSetOptions RecordSet; // TABLE and its record set
    QString Order;
    QString Letter;
    QString LetterFile;
    TPrintOptions Print;
    int Copies = 1;
    QDate Today = QDate::currentDate();
};

TMergeOptions ParseMerge(const QStringList& arguments)
{
    TMergeOptions options;
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
        if (options.RecordSet.Take(QStringLiteral("letters merge"), arguments, i) || options.Print.Take(arguments, i))
            continue;
        if (argument == QLatin1String("--letter")) {
            options.Letter = value();
        } else if (argument == QLatin1String("--letter-file")) {
            options.LetterFile = value();
        } else if (argument == QLatin1String("--copies")) {
            bool ok = false;
            options.Copies = value().toInt(&ok);
            if (!ok || options.Copies < 1 || options.Copies > TLetterPrintJob::MaximumCopies)
                throw Error(QStringLiteral("--copies needs a number from 1 to 999"));
        } else if (argument == QLatin1String("--date")) {
            const QString text = value();
            options.Today = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
            if (text.size() != 8 || !options.Today.isValid())
                throw Error(QStringLiteral("--date needs a date as YYYYMMDD, not %1").arg(text));
        } else {
            throw Error(QStringLiteral("merge: unexpected %1 (see --help)").arg(argument));
        }
    }
    if (options.RecordSet.Table.isEmpty())
        throw TUsageError::NoTable();
    options.RecordSet.Check(QStringLiteral("letters merge"));
    if (options.Letter.isEmpty() == options.LetterFile.isEmpty())
        throw Error(QStringLiteral("merge needs either --letter NAME or --letter-file FILE.rtf"));
    options.Print.Check(QStringLiteral("merge"));
    return options;
}

void LoadLetter(const TMergeOptions& options, TRichDocument& letter)
{
    if (!options.LetterFile.isEmpty()) {
        ReadRtf(ReadFile(options.LetterFile), options.LetterFile, letter);
        return;
    }
    auto store = OpenStore();
    const TLetterEntry entry = OneLetter(*store, options.Letter);
    store->Select(entry.RecordNumber);
    ReadRtf(store->Rtf(), QStringLiteral("letter \"%1\"").arg(entry.Description), letter);
}

// Each merged letter's pages as pictures: DIR/letter-0001-page-1.png, ...
class TPreviewPictures {
public:
    explicit TPreviewPictures(const QString& folder) : Folder(folder)
    {
        if (!Folder.isEmpty() && !QDir().mkpath(Folder))
            throw Error(QStringLiteral("cannot create the folder %1").arg(Folder));
    }
    void operator()(const TRichDocument& merged)
    {
        if (Folder.isEmpty())
            return;
        ++Letter;
        int start = 0;
        int page = 0;
        do {
            const QImage image = TRichPageRenderer::RenderPageImage(merged, PreviewDotsPerInch, 1.0, start, &start);
            const QString path = QDir(Folder).filePath(QStringLiteral("letter-%1-page-%2.png").arg(Letter, 4, 10, QChar(u'0')).arg(++page));
            if (!image.save(path))
                throw Error(QStringLiteral("cannot write %1").arg(path));
        } while (start > 0);
    }

private:
    QString Folder;
    int Letter = 0;
};

int Merge(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const TMergeOptions options = ParseMerge(arguments);
    TRichDocument letter;
    LoadLetter(options, letter);
    auto table = options.RecordSet.OpenForPrinting(out, options.Order);
    options.Print.Position(*table);
    TPrinterSelection printers;
    options.Print.SelectPrinter(printers);

    const bool filtered = options.RecordSet.Filtered();
    TLetterPrintJob job(*table, letter, printers);
    bool fromCurrent = false;
    const TRecordChoice::TRecords records = options.Print.Records(filtered, &fromCurrent);
    job.SetRecords(records, fromCurrent);
    job.SetCopies(options.Copies);
    job.SetToday(options.Today);
    job.SetDocumentName(options.Letter.isEmpty() ? QFileInfo(options.LetterFile).completeBaseName() : options.Letter);
    TPreviewPictures pictures(options.Print.PreviewFolder);
    job.OnMerged = [&](const TRichDocument& merged) { pictures(merged); };
    // The status line of the print window, kept on one line of stderr.
    bool shown = false;
    job.OnStatus = [&](const QString& status) {
        if (status.startsWith(QLatin1String("Printing page"))) {
            err << "\r" << status << Qt::flush;
            shown = true;
        }
    };
    const TLetterPrintJob::TResult result = job.Run();
    if (shown)
        err << "\n" << Qt::flush;
    if (result != TLetterPrintJob::TResult::lrCompleted)
        throw Error(job.Error().isEmpty() ? QStringLiteral("the letters were not printed") : job.Error());
    out << job.FinalText() << " " << job.PagesPrinted() << " pages";
    if (!options.Print.Pdf.isEmpty())
        out << " in " << options.Print.Pdf;
    out << "\n";
    return 0;
}

template <typename TWork> int RunLetters(QTextStream& err, TWork work)
{
    TConsolePrompts prompts(err);
    return work();
}

} // namespace

void TLetterCommands::Register()
{
    TCommandLine::Register({QStringLiteral("letters list"), {QStringLiteral("letters list")},
                            QStringLiteral("the stored letters, one description a line"), {}, {},
                            [](const QStringList& a, QTextStream& out, QTextStream& err) {
                                return RunLetters(err, [&] { return List(a.mid(1), out); });
                            }});
    TCommandLine::Register({QStringLiteral("letters import"), {QStringLiteral("letters import NAME FILE.rtf")},
                            QStringLiteral("store an RTF file as letter NAME (new or replaced)"), {}, {},
                            [](const QStringList& a, QTextStream& out, QTextStream& err) {
                                return RunLetters(err, [&] { return Import(a.mid(1), out); });
                            }});
    TCommandLine::Register({QStringLiteral("letters export"), {QStringLiteral("letters export NAME FILE.rtf")},
                            QStringLiteral("write letter NAME's RTF as stored"), {}, {},
                            [](const QStringList& a, QTextStream& out, QTextStream& err) {
                                return RunLetters(err, [&] { return Export(a.mid(1), out); });
                            }});
    TCommandLine::Register(
        {QStringLiteral("letters merge"),
         {QStringLiteral("letters merge TABLE (--letter NAME | --letter-file FILE.rtf) [record-set options] "
                         "[--copies N] [--date YYYYMMDD] [print options]")},
         QStringLiteral("merge a letter with the chosen records and print it"), {},
         {TOptionGroup::ogRecordSet, TOptionGroup::ogPrint},
         [](const QStringList& a, QTextStream& out, QTextStream& err) {
             return RunLetters(err, [&] { return Merge(a.mid(1), out, err); });
         }});
}
