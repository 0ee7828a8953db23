// The settings file is read afresh for every value; this keeps an eye on what that costs for a
// settings file of realistic size (every section the program writes).
#include "settings/TIniFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void BM_ReadIntegerFromFullSettingsFile(benchmark::State& state)
{
    QTemporaryDir folder;
    TIniFile ini(folder.filePath("QUORVA.ini"));
    for (int section = 0; section < 20; ++section)
        for (int key = 0; key < 20; ++key)
            ini.WriteInteger(QString("Section%1").arg(section), QString("Key%1").arg(key), key);
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadInteger("Section19", "Key19", 0));
}
BENCHMARK(BM_ReadIntegerFromFullSettingsFile)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
