// The list tools on the million-record benchmark table (MillionAddressTable.h): the duplicate
// check by name and by similar names and addresses, the state/ZIP check against the delivered
// CSZ.DBF, copy out to CSV and to DBF, a search and replace that rewrites every record and a
// case conversion of CITY over every record (both commit in batches through BatchCommitter).
// The checks include filling and installing their result index.
#include "MillionAddressTable.h"
#include "data/TAddressStandardizer.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "tools/TCaseConverter.h"
#include "tools/TCopyOutWriter.h"
#include "tools/TDupFinder.h"
#include "tools/TFieldReplacer.h"
#include "tools/TResultIndex.h"
#include "tools/TSimilarKey.h"
#include "tools/TStateZipChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using namespace million_table;

const QString kHome = QStringLiteral("/tmp/quorvane_bench_tools/");

std::unique_ptr<TAddressTable> OpenTable(const QString& path)
{
    MakeSource();
    QDir().mkpath(kHome);
    TProgramFolder::SetPath(kHome);
    TProgramFolder::Prepare(); // the delivered sysdata: CSZ.DBF and the street words
    auto table = TAddressTable::Open(path);
    table->SetOrderTag(QStringLiteral("LNAME"));
    table->SetFilterText(QString());
    return table;
}

void Dupes(benchmark::State& state, TDupKind kind)
{
    TScriptedUserPrompts prompts;
    auto table = OpenTable(kSource);
    TSimilarKey words;
    words.LoadWords(TProgramFolder::SysdataFolder() + QLatin1String(TSimilarKey::WordsFileName));
    words.SetStandardizer(TAddressStandardizer::Shared());
    uint32_t count = 0, listed = 0;
    for (auto _ : state) {
        TResultIndex result(*table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(kind));
        count = TDupFinder::Run(*table, result, {kind, 30}, {}, &words);
        result.Install();
        state.PauseTiming();
        listed = result.Count();
        state.ResumeTiming();
    }
    state.counters["matches"] = count;
    state.counters["listed"] = listed;
}
void BM_DupesByName(benchmark::State& state) { Dupes(state, TDupKind::dkLastFirst); }
BENCHMARK(BM_DupesByName)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
void BM_DupesSimilar(benchmark::State& state) { Dupes(state, TDupKind::dkSimilar); }
BENCHMARK(BM_DupesSimilar)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_StateZipCheck(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = OpenTable(kSource);
    uint32_t count = 0;
    for (auto _ : state) {
        TStateZipChecker checker;
        checker.LoadStates();
        TResultIndex result(*table, TStateZipChecker::ResultPath(*table), TStateZipChecker::KeyExpression);
        count = checker.Run(*table, result, false);
        result.Install();
    }
    state.counters["questionable"] = count;
}
BENCHMARK(BM_StateZipCheck)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ExportCsv(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = OpenTable(kSource);
    uint32_t copied = 0;
    for (auto _ : state)
        copied = TCopyOutWriter::CopyToText(*table, kHome + QStringLiteral("EXPORT.TXT"));
    state.counters["records"] = copied;
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ExportDbf(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = OpenTable(kSource);
    uint32_t copied = 0;
    for (auto _ : state)
        copied = TCopyOutWriter::CopyToDbf(*table, kHome + QStringLiteral("EXPORT.DBF"));
    state.counters["records"] = copied;
}
BENCHMARK(BM_ExportDbf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// COUNTRY holds USA in every record: each one is rewritten and its COUNTRY key moves.
void BM_ReplaceAll(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    uint32_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CopySource();
        auto table = OpenTable(kWork);
        state.ResumeTiming();
        TReplaceOptions options;
        options.Field = QStringLiteral("COUNTRY");
        options.Search = QStringLiteral("usa");
        options.CaseSensitive = false;
        options.Replacement = QStringLiteral("United States");
        count = TFieldReplacer::Run(*table, options);
        table->Close();
    }
    state.counters["replaced"] = count;
}
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Every CITY is capitalized in the generated table: upper case moves every CITY key.
void BM_CaseConvertCity(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    uint32_t changed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CopySource();
        auto table = OpenTable(kWork);
        state.ResumeTiming();
        changed = TCaseConverter::Run(*table, TCaseRecords::crAll, TCaseConversion::ccUpper, {QStringLiteral("CITY")})
                      .Changed;
        table->Close();
    }
    state.counters["changed"] = changed;
}
BENCHMARK(BM_CaseConvertCity)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
