// The engine as the program uses it, on a generated 1,000,000-record address table with varied
// names (kept under /tmp/quorvane_bench_address, about 590 MB, made once): the rebuild (pack and
// the 26 tags), filter counts with the address tags present, and moves in a filtered set.
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

constexpr uint32_t kRecords = 1000000;
const QString kFolder = QStringLiteral("/tmp/quorvane_bench_address");
const QString kSource = kFolder + QStringLiteral("/SOURCE.DBF");
const QString kWork = kFolder + QStringLiteral("/WORK.DBF");

std::string Word(std::mt19937& random, int syllables)
{
    static const char* const parts[] = {"an", "ber", "cal", "dor", "el", "fin", "gar", "hal", "is", "jor", "kel",
                                        "lan", "mar", "nor", "o", "per", "quin", "ros", "smi", "ter", "ul", "van",
                                        "wes", "xan", "yor", "zel", "th", "son", "ley", "ch"};
    std::string word;
    for (int i = 0; i < syllables; ++i)
        word += parts[random() % (sizeof parts / sizeof *parts)];
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

void MakeSource()
{
    if (QFile::exists(kSource)) {
        QString error;
        auto table = TAddressTable::Open(kSource, &error);
        if (table && table->Table().recordCount() == kRecords)
            return;
    }
    QDir().mkpath(kFolder);
    QFile::remove(kSource);
    if (!TAddressFiles::CreateAddressFile(kSource, TFieldLengths()))
        throw std::runtime_error("cannot create the benchmark table");
    auto table = TAddressTable::Open(kSource);
    table->Area().deleteIndex(); // appends without tags, then one bulk build
    xbase::DbfTable& t = table->Table();
    std::mt19937 random(12345);
    char buffer[64];
    auto set = [&](const char* field, const std::string& value) { t.setText(t.fieldIndex(field), value); };
    for (uint32_t i = 0; i < kRecords; ++i) {
        t.appendBlank();
        set("LNAME", Word(random, 2 + random() % 2));
        set("FNAME", Word(random, 1 + random() % 2));
        set("MIDDLE", std::string(1, static_cast<char>('A' + random() % 26)));
        set("ORG", random() % 3 ? "" : Word(random, 3) + " Inc.");
        std::snprintf(buffer, sizeof buffer, "%u %s St", static_cast<unsigned>(random() % 9999), Word(random, 2).c_str());
        set("STREET", buffer);
        set("CITY", Word(random, 2));
        set("STATE", std::string{static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26)});
        std::snprintf(buffer, sizeof buffer, "%05u", static_cast<unsigned>(random() % 100000));
        set("ZIP", buffer);
        set("COUNTRY", "USA");
        std::snprintf(buffer, sizeof buffer, "2%03u%02u%02u", static_cast<unsigned>(random() % 30), 1 + static_cast<unsigned>(random() % 12),
                      1 + static_cast<unsigned>(random() % 28));
        set("DATE", buffer);
        std::snprintf(buffer, sizeof buffer, "(%03u) 555-%04u", static_cast<unsigned>(random() % 1000), static_cast<unsigned>(random() % 10000));
        set("PHONE", buffer);
        std::snprintf(buffer, sizeof buffer, "%s@example.com", Word(random, 2).c_str());
        set("EMAIL", buffer);
        std::string codes;
        for (int c = random() % 4; c > 0; --c)
            codes += static_cast<char>('A' + random() % 6);
        set("CODES", codes);
        t.setLogical(t.fieldIndex("ISDEL"), random() % 10 == 0);
        t.setDeleted(random() % 20 == 0);
        if (random() % 4 == 0)
            t.setMemo(t.fieldIndex("MEMO"), "Called about the spring catalogue; wants two copies.");
    }
    t.commit();
    if (!TAddressFiles::BuildAddressTags(table->Area()))
        throw std::runtime_error("cannot index the benchmark table");
    table->Close();
}

void CopySource()
{
    for (const char* extension : {".DBF", ".FPT", ".CDX"}) {
        const QString from = kFolder + "/SOURCE" + extension;
        const QString to = kFolder + "/WORK" + extension;
        QFile::remove(to);
        if (!QFile::copy(from, to))
            throw std::runtime_error("cannot copy the benchmark table");
    }
}

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
