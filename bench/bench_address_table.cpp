// The engine as the program uses it, on a generated 1,000,000-record address table with varied
// names (kept under /tmp/quorvane_bench_address, about 590 MB, made once): the rebuild (pack and
// the 26 tags), filter counts with the address tags present, and moves in a filtered set.
#include "MillionAddressTable.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TFieldLengths.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>

namespace {

using million_table::kFolder;
using million_table::kSource;
using million_table::MakeSource;
using million_table::kWork;
using million_table::CopySource;

// Times `work` on a fresh copy of the source table, the copying and opening left out.
void TimeOnFreshCopy(benchmark::State& state, bool (*work)(TAddressTable&))
{
    TScriptedUserPrompts prompts;
    MakeSource();
    for (auto _ : state) {
        state.PauseTiming();
        CopySource();
        auto table = TAddressTable::Open(kWork);
        state.ResumeTiming();
        if (!work(*table))
            state.SkipWithError("the work failed");
        table->Close();
    }
}

void BM_RebuildMillion(benchmark::State& state)
{
    TimeOnFreshCopy(state, [](TAddressTable& table) { return TAddressFiles::RebuildAddressTable(table.Area()); });
}
BENCHMARK(BM_RebuildMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_BuildAddressTagsMillion(benchmark::State& state)
{
    TimeOnFreshCopy(state, [](TAddressTable& table) { return TAddressFiles::BuildAddressTags(table.Area()); });
}
BENCHMARK(BM_BuildAddressTagsMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_CountWithTags(benchmark::State& state, const char* filter)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    auto table = TAddressTable::Open(kSource);
    uint32_t count = 0;
    for (auto _ : state) {
        table->SetFilterText(QString::fromLatin1(filter));
        count = table->Count();
    }
    state.counters["matches"] = count;
}
BENCHMARK_CAPTURE(BM_CountWithTags, lname_prefix, "UPPER(LNAME)=\"SMI\"")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_CountWithTags, codes_contain, "\"C\"$UPPER(CODES)")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_CountWithTags, no_filter, "")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FirstAndNextInFilteredSet(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    auto table = TAddressTable::Open(kSource);
    table->SetOrderTag("LNAME");
    table->SetFilterText("UPPER(LNAME)=\"SMI\"");
    table->Count();
    xbase::DbfTable& t = table->Table();
    for (auto _ : state) {
        t.goTop();
        t.skip();
        benchmark::DoNotOptimize(t.recordNumber());
    }
}
BENCHMARK(BM_FirstAndNextInFilteredSet)->Unit(benchmark::kMicrosecond);

void BM_OpenAndShowFirstRecord(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    for (auto _ : state) {
        auto table = TAddressTable::Open(kSource);
        table->SetOrderTag("LNAME");
        table->SetFilterText(QString());
        table->Table().goTop();
        benchmark::DoNotOptimize(table->FieldText("LNAME"));
    }
}
BENCHMARK(BM_OpenAndShowFirstRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
