// Letters: merging 1,000 one-page letters into a PDF through the print loop, reading a 1 MB
// RTF text, and opening the designer on a 20-page letter. The address table lives in a
// temporary program folder made once per run.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "letters/TLetterDesign.h"
#include "letters/TLetterPrintJob.h"
#include "output/TPrinterSelection.h"
#include "prompts/TScriptedUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

const QByteArray OnePageLetter =
    R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}{\colortbl;\red0\green0\blue160;})"
    R"(\pard\qr\f0\fs20 [Long Date]\par\pard\f0\fs24\par [Name and Address]\par Dear [Full Name],\par)"
    R"(\pard\qj\fi360\sa120\f1 Thank you for your order. We are writing to tell you that the goods you asked for have )"
    R"(been sent to {\b [Street]} in [City] and should reach you within the week. If anything is missing, call us at )"
    R"({\cf1 [Phone]} or write to us; we will put it right at once.\par)"
    R"(\pard\tx2880\tqr\tx8640\f0 Item\tab Quantity\tab Price\par Labels\tab 3\tab 12.50\par\pard\sb240 Yours sincerely,\par})";

QTemporaryDir& Home()
{
    static QTemporaryDir home;
    return home;
}

std::unique_ptr<TAddressTable> ThousandRecords()
{
    TProgramFolder::SetPath(Home().path() + QLatin1Char('/'));
    QDir().mkpath(TProgramFolder::DataFolder());
    const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
    if (!QFile::exists(path)) {
        TAddressFiles::CreateAddressFile(path, TFieldLengths());
        auto table = TAddressTable::Open(path);
        for (int i = 0; i < 1000; ++i) {
            table->Table().appendBlank();
            table->SetFieldText("PREFIX", "Ms.");
            table->SetFieldText("FNAME", QStringLiteral("Ann%1").arg(i));
            table->SetFieldText("LNAME", QStringLiteral("Lee%1").arg(i));
            table->SetFieldText("ORG", "Northwind Supply");
            table->SetFieldText("STREET", QStringLiteral("%1 Main Street").arg(i));
            table->SetFieldText("CITY", "Springfield");
            table->SetFieldText("STATE", "IL");
            table->SetFieldText("ZIP", "62701");
            table->SetFieldText("PHONE", "555-1234");
        }
        table->Close();
    }
    auto table = TAddressTable::Open(path);
    table->SetFilterText(QString());
    return table;
}

void BM_MergeThousandLettersToPdf(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = ThousandRecords();
    TRichDocument letter;
    TRtfReader::Read(OnePageLetter, letter);
    TPrinterSelection::SetPdfPrinterOffered(true);
    TPrinterSelection printers;
    printers.SelectPrinter(TPrinterSelection::PdfPrinterName());
    printers.SetPdfFileName(Home().filePath("letters.pdf"));
    for (auto _ : state) {
        TLetterPrintJob job(*table, letter, printers);
        job.SetRecords(TRecordChoice::TRecords::All, false);
        if (job.Run() != TLetterPrintJob::TResult::lrCompleted || job.PagesPrinted() != 1000)
            state.SkipWithError("the letters were not printed");
    }
    state.counters["letters"] = 1000;
}
BENCHMARK(BM_MergeThousandLettersToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReadOneMegabyteRtf(benchmark::State& state)
{
    QByteArray rtf = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}{\colortbl;\red200\green0\blue0;})";
    for (int i = 0; rtf.size() < 1024 * 1024; ++i)
        rtf += R"(\pard\qj\fi360\sa120\f1\fs24 Paragraph )" + QByteArray::number(i) +
               R"( with {\b bold}, {\i italic} and {\cf1 red} words, caf\'e9 cr\'e8me \u8364? and a tab\tab to finish the line of text.\par )";
    rtf += "}";
    for (auto _ : state) {
        TRichDocument document;
        TRtfReader::Read(rtf, document);
        benchmark::DoNotOptimize(document.Document().characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
}
BENCHMARK(BM_ReadOneMegabyteRtf)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening the designer on a 20-page letter: reading the stored RTF, building the window and
// laying the text out in the editor, as "Modify" does before the user sees it.
void BM_OpenDesignerOnTwentyPageLetter(benchmark::State& state)
{
    auto table = ThousandRecords();
    QByteArray rtf = OnePageLetter.chopped(1);
    for (int page = 1; page < 20; ++page)
        rtf += R"(\page )" + OnePageLetter.mid(OnePageLetter.indexOf("\\pard"), OnePageLetter.size() - OnePageLetter.indexOf("\\pard") - 1);
    rtf += "}";
    for (auto _ : state) {
        TRichDocument document;
        TRtfReader::Read(rtf, document);
        TLetterDesign designer(*table, document, QStringLiteral("Twenty pages"));
        designer.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(designer.Editor->document()->pageCount());
        designer.Editor->setDocument(nullptr);
    }
}
BENCHMARK(BM_OpenDesignerOnTwentyPageLetter)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
