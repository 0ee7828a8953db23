// "Tag All Filter Matches" as the Tagging window runs it: 100,000 filter matches of a
// 1,000,000-record address table, in last-name order, with the window's event throttle in the
// progress callback. The table is made once under /tmp/quorvane_bench_tagging (about 590 MB) and
// reused; every run tags with a fresh tag id, as "Clear Tags" followed by tagging would, so no
// copy is needed between runs. Delete the folder when done with it.
#include "data/TAddressFiles.h"
#include "data/TAddressFilter.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "data/TTagger.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <string>

namespace {

constexpr uint32_t kRecords = 1000000;
const QString kFolder = QStringLiteral("/tmp/quorvane_bench_tagging");
const QString kTable = kFolder + QStringLiteral("/TAGGING.DBF");

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

// One record in ten has a ZIP starting with 7 and one (another) in ten a T among its codes, so
// both filters below match exactly 100,000 records, spread over the whole file.
void MakeTable()
{
    if (QFile::exists(kTable)) {
        QString error;
        auto table = TAddressTable::Open(kTable, &error);
        if (table && table->Table().recordCount() == kRecords && table->CheckValidIndex())
            return;
    }
    QDir().mkpath(kFolder);
    for (const char* extension : {".DBF", ".FPT", ".CDX"})
        QFile::remove(kFolder + "/TAGGING" + extension);
    if (!TAddressFiles::CreateAddressFile(kTable, TFieldLengths()))
        throw std::runtime_error("cannot create the benchmark table");
    auto table = TAddressTable::Open(kTable);
    table->Area().deleteIndex(); // appends without tags, then one bulk build
    xbase::DbfTable& t = table->Table();
    std::mt19937 random(2026);
    char buffer[32];
    auto set = [&](const char* field, const std::string& value) { t.setText(t.fieldIndex(field), value); };
    for (uint32_t i = 0; i < kRecords; ++i) {
        t.appendBlank();
        set("LNAME", Word(random));
        set("FNAME", Word(random));
        set("CITY", Word(random));
        set("STATE", std::string{static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26)});
        std::snprintf(buffer, sizeof buffer, "%u%04u", (i * 7 + 3) % 10, static_cast<unsigned>(random() % 10000));
        set("ZIP", buffer);
        set("CODES", i % 10 == 4 ? "AT" : "AB");
        set("COUNTRY", "USA");
    }
    t.commit();
    if (!TAddressFiles::BuildAddressTags(table->Area()))
        throw std::runtime_error("cannot index the benchmark table");
    table->Close();
}

void BM_TagFilterMatches(benchmark::State& state, int entry, const char* value)
{
    TScriptedUserPrompts prompts;
    MakeTable();
    auto table = TAddressTable::Open(kTable);
    table->SetOrderTag(QStringLiteral("LNAME"));
    TAddressFilter filter;
    filter.Values.Values[static_cast<size_t>(entry)] = QLatin1String(value);
    uint32_t tagged = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TAddressTable::SetGlobalTagId(QStringLiteral("BENCH%1").arg(++run, 3, 10, QLatin1Char('0')));
        if (filter.ApplyQuery(*table) != 100000) {
            state.SkipWithError("the filter does not match 100,000 records");
            break;
        }
        state.ResumeTiming();
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        tagged = TTagger::TagAll(*table, [&](uint32_t) {
            if (sinceEvents.elapsed() >= 50) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            return true;
        });
    }
    table->Close();
    state.counters["tagged"] = tagged;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * tagged);
}
// Zip "7": the ZIP tag answers the filter. Codes "$T": every record is read to test it.
BENCHMARK_CAPTURE(BM_TagFilterMatches, zip_begins_7, 6, "7")->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK_CAPTURE(BM_TagFilterMatches, codes_contain_T, 15, "$T")->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
