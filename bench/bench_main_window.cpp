// The main window on a 1,000,000-record address table (the table of bench_address_table,
// /tmp/quorvane_bench_address/SOURCE.DBF; run that benchmark once first to make it): opening
// the table and showing its first record, and moving to the next and previous record with the
// display and status panels refreshed. Runs offscreen.
#include "app/TAddressMain.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kTable = QStringLiteral("/tmp/quorvane_bench_address/SOURCE.DBF");

struct TBenchWindow {
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;
    TAddressMain Window;
    TBenchWindow()
    {
        TProgramFolder::SetPath(Home.path());
        TIniFile settings(TProgramFolder::SettingsFile());
        settings.WriteString(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), QStringLiteral("1"));
        Window.LoadPreferences();
    }
};

bool TableThere(benchmark::State& state)
{
    if (QFile::exists(kTable))
        return true;
    state.SkipWithError("run bench_address_table first: it makes the 1,000,000-record table");
    return false;
}

void BM_OpenTableAndShowFirstRecord(benchmark::State& state)
{
    if (!TableThere(state))
        return;
    TBenchWindow bench;
    for (auto _ : state) {
        if (!bench.Window.OpenQVWDBF(kTable))
            state.SkipWithError("the table did not open");
        benchmark::DoNotOptimize(bench.Window.FieldEdits.value(QStringLiteral("LNAME"))->text());
    }
}
BENCHMARK(BM_OpenTableAndShowFirstRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NextAndPreviousRecord(benchmark::State& state)
{
    if (!TableThere(state))
        return;
    TBenchWindow bench;
    bench.Window.OpenQVWDBF(kTable);
    bool forward = true;
    int steps = 0;
    for (auto _ : state) {
        forward ? bench.Window.NextRecord() : bench.Window.PriorRecord();
        if (++steps % 50 == 0)
            forward = !forward;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NextAndPreviousRecord)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
