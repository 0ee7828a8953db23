// Filters and tagging on the million-record address table that bench_address_table makes under
// /tmp/quorvane_bench_address (run it first; this program skips without it). Tagging writes,
// so it works on its own copy under /tmp/quorvane_bench_filters, removed at the end.
#include "data/TAddressFilter.h"
#include "data/TAddressTable.h"
#include "data/TTagger.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QString kSource = QStringLiteral("/tmp/quorvane_bench_address/SOURCE");
const QString kCopyFolder = QStringLiteral("/tmp/quorvane_bench_filters");
const QString kCopy = kCopyFolder + QStringLiteral("/TAGGING");

bool SourcePresent() { return QFile::exists(kSource + ".DBF") && QFile::exists(kSource + ".CDX"); }

bool CopySource()
{
    QDir().mkpath(kCopyFolder);
    for (const char* extension : {".DBF", ".FPT", ".CDX"}) {
        QFile::remove(kCopy + extension);
        if (!QFile::copy(kSource + extension, kCopy + extension))
            return false;
    }
    return true;
}

// Filling the Last entry and applying the filter as the dialog's "Test" does, count included.
void BM_ApplyOneEntryFilter(benchmark::State& state, const char* last)
{
    if (!SourcePresent()) {
        state.SkipWithError("run bench_address_table first to make the table");
        return;
    }
    TScriptedUserPrompts prompts;
    auto table = TAddressTable::Open(kSource + ".DBF");
    TAddressFilter filter;
    uint32_t count = 0;
    for (auto _ : state) {
        filter.ClearQueryVars();
        filter.Values.Values[0] = QString::fromLatin1(last);
        count = filter.ApplyQuery(*table);
    }
    state.counters["matches"] = count;
}
BENCHMARK_CAPTURE(BM_ApplyOneEntryFilter, last_begins_smi, "smi")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ApplyOneEntryFilter, last_contains_smi, "$smi")->Unit(benchmark::kMillisecond)->UseRealTime();

// "Tag All Filter Matches" on about 100,000 records (ZIPs from 88 on), written to disk.
void BM_TagFilterMatches(benchmark::State& state)
{
    if (!SourcePresent()) {
        state.SkipWithError("run bench_address_table first to make the table");
        return;
    }
    TScriptedUserPrompts prompts;
    TAddressTable::SetGlobalTagId(QStringLiteral("BENCH1"));
    uint32_t tagged = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!CopySource()) {
            state.SkipWithError("cannot copy the table");
            break;
        }
        {
            auto table = TAddressTable::Open(kCopy + ".DBF");
            TAddressFilter filter;
            filter.Values.Values[6] = QStringLiteral(">=88");
            filter.ApplyQuery(*table);
            state.ResumeTiming();
            tagged = TTagger::TagAll(*table, [](uint32_t) { return true; });
            table->Close();
        }
    }
    state.counters["tagged"] = tagged;
    QDir(kCopyFolder).removeRecursively();
}
BENCHMARK(BM_TagFilterMatches)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
