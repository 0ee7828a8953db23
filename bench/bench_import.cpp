// Imports as the windows and the command line run them: a CSV file of 100,000 and of 1,000,000
// address rows (a line of names, nine columns) and a DBF table of 1,000,000 records, each
// appended to a fresh, empty address table, the 26 tags built at the end. The sources are made
// once under /tmp/quorvane_bench_import (about 700 MB in all) and reused; delete the folder when
// done with it. The time includes the count of lines, the append and the tag build.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "import/TAddressImporter.h"
#include "import/TDbfImportSource.h"
#include "import/TTextImportFile.h"
#include "import/TTextImportSource.h"
#include "prompts/TScriptedUserPrompts.h"
#include "xbase/DbfCreator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <stdexcept>

namespace {

const QString kFolder = QStringLiteral("/tmp/quorvane_bench_import");
const char* const kColumns[] = {"LNAME", "FNAME", "STREET", "CITY", "STATE", "ZIP", "PHONE", "EMAIL", "CODES"};

std::string Word(std::mt19937& random)
{
    static const char* const parts[] = {"an", "ber", "cal", "dor", "el", "fin", "gar", "hal", "is", "jor",
                                        "kel", "lan", "mar", "nor", "o",  "per", "ros", "smi", "ter", "van"};
    std::string word;
    for (int i = 2 + static_cast<int>(random() % 2); i > 0; --i)
        word += parts[random() % (sizeof parts / sizeof *parts)];
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::vector<std::string> Row(std::mt19937& random, uint32_t i)
{
    char number[32];
    std::snprintf(number, sizeof number, "%05u", static_cast<unsigned>(random() % 100000));
    return {Word(random), Word(random), std::to_string(i % 9000 + 1) + " " + Word(random) + " St", Word(random),
            std::string{static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26)}, number,
            "555-" + std::to_string(random() % 10000), Word(random) + "@example.com", i % 10 == 4 ? "AT" : "AB"};
}

QString CsvSource(uint32_t rows)
{
    const QString path = kFolder + QStringLiteral("/ROWS%1.CSV").arg(rows);
    if (QFile::exists(path))
        return path;
    QDir().mkpath(kFolder);
    QFile file(path + ".part");
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the benchmark source");
    std::mt19937 random(2026);
    QByteArray text = "Last Name,First Name,Address 1,City,State,Zip/Postal Code,Phone 1,Email,Codes\r\n";
    for (uint32_t i = 0; i < rows; ++i) {
        std::string line;
        for (const std::string& value : Row(random, i))
            line += (line.empty() ? "" : ",") + (i % 7 == 0 ? '"' + value + '"' : value);
        text += QByteArray::fromStdString(line + "\r\n");
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
    file.close();
    QFile::rename(path + ".part", path);
    return path;
}

QString DbfSource(uint32_t records)
{
    const QString path = kFolder + QStringLiteral("/SOURCE%1.DBF").arg(records);
    if (QFile::exists(path))
        return path;
    QDir().mkpath(kFolder);
    xbase::DbfCreator creator;
    for (const char* column : kColumns)
        creator.addField(column, 'C', 30);
    creator.create(xbase::FileSystem::native(), path.toStdString());
    auto table = xbase::DbfTable::open(xbase::FileSystem::native(), path.toStdString());
    std::mt19937 random(2026);
    for (uint32_t i = 0; i < records; ++i) {
        table->appendBlank();
        const auto row = Row(random, i);
        for (size_t f = 0; f < row.size(); ++f)
            table->setText(static_cast<int>(f), row[f]);
    }
    table->close();
    return path;
}

std::unique_ptr<TAddressTable> FreshTable()
{
    const QString path = kFolder + QStringLiteral("/TARGET.DBF");
    for (const char* extension : {".DBF", ".FPT", ".CDX"})
        QFile::remove(kFolder + QStringLiteral("/TARGET") + extension);
    if (!TAddressFiles::CreateAddressFile(path, TFieldLengths()))
        throw std::runtime_error("cannot create the benchmark table");
    return TAddressTable::Open(path);
}

// Imports into a fresh table per iteration; `source` makes the source (timed with the import).
void RunImports(benchmark::State& state, const std::function<std::unique_ptr<TImportSource>()>& source)
{
    TScriptedUserPrompts prompts;
    uint32_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = FreshTable();
        state.ResumeTiming();
        std::unique_ptr<TImportSource> from = source();
        TImportHooks hooks;
        hooks.Message = [](const QString&) {};
        QElapsedTimer clock;
        clock.start();
        hooks.Status = [&](const QString& status) {
            if (qEnvironmentVariableIsSet("BENCH_PHASES"))
                fprintf(stderr, "%lld ms: %s\n", clock.elapsed(), qPrintable(status));
        };
        imported = TAddressImporter::Run(*table, *from, hooks).Records;
        table->Close();
    }
    state.counters["records"] = imported;
}

void BM_ImportCsv(benchmark::State& state)
{
    const QString path = CsvSource(static_cast<uint32_t>(state.range(0)));
    RunImports(state, [&]() -> std::unique_ptr<TImportSource> {
        TTextImportFile file;
        file.Load(path);
        return std::make_unique<TTextImportSource>(path, file.Format(), file.NewMatch());
    });
}
BENCHMARK(BM_ImportCsv)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ImportDbf(benchmark::State& state)
{
    const QString path = DbfSource(static_cast<uint32_t>(state.range(0)));
    RunImports(state, [&]() -> std::unique_ptr<TImportSource> {
        QString message;
        auto table = TDbfImportSource::OpenSourceTable(path, QString(), message);
        if (!table)
            throw std::runtime_error(message.toStdString());
        const TImportMatch match = TDbfImportSource::NewMatch(*table);
        return std::make_unique<TDbfImportSource>(std::move(table), match);
    });
}
BENCHMARK(BM_ImportDbf)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
