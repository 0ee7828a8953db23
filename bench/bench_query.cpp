// Query speed on 1,000,000 synthetic address records held in memory: the condition evaluator
// scanning every record, and the same kind of filter answered from fake index tags.
#include "../tests/xbase/QueryFakes.h"

#include "xbase/Expression.h"
#include "xbase/Query.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace xbase;

constexpr uint32_t kRecords = 1000000;

std::unique_ptr<fakes::FakeTable> makeTable()
{
    auto table = std::make_unique<fakes::FakeTable>(std::vector<FieldDef>{
        {"LNAME", 'C', 30}, {"FNAME", 'C', 30}, {"ZIP", 'C', 10}, {"CODES", 'C', 30}, {"ISDEL", 'L', 1}});
    table->reserve(kRecords);
    const char* const syllables[] = {"smi", "th", "jo", "nes", "mil", "ler", "ba", "ker", "wa", "tson", "ro", "berts",
                                     "an", "der", "son", "ke", "lly", "mar", "tin", "ga", "rcia", "le", "wis", "ha"};
    std::mt19937 random(20240315);
    DetachedRecord r = table->blank();
    for (uint32_t i = 0; i < kRecords; ++i) {
        std::string last;
        const int parts = 2 + static_cast<int>(random() % 2);
        for (int p = 0; p < parts; ++p)
            last += syllables[random() % 24];
        last[0] = static_cast<char>(last[0] - 32);
        std::string codes;
        for (int c = 0, n = static_cast<int>(random() % 6); c < n; ++c)
            codes += static_cast<char>('a' + random() % 20);
        r.clear();
        r.setText("LNAME", last);
        r.setText("FNAME", syllables[random() % 24]);
        r.setText("ZIP", std::to_string(10000 + random() % 89999));
        r.setText("CODES", codes);
        r.setLogical("ISDEL", random() % 20 == 0);
        r.setFlaggedDeleted(false);
        table->append(r);
    }
    return table;
}

fakes::FakeTable& sharedTable()
{
    static const std::unique_ptr<fakes::FakeTable> table = makeTable();
    return *table;
}

fakes::FakeIndex& sharedIndex()
{
    static fakes::FakeIndex index(sharedTable(), {{"LNAME", "UPPER(LNAME)+UPPER(FNAME)"}, {"ZIP", "UPPER(ZIP)"},
                                                   {"DELETED", "DELETED()"}, {"ISDEL", "ISDEL"}, {"NOTISDEL", "!ISDEL"}});
    return index;
}

// The evaluator alone: one compiled condition over every record.
void BM_EvaluateContainsEveryRecord(benchmark::State& state)
{
    fakes::FakeTable& table = sharedTable();
    const Expression e = Expression::compile("\"C\"$UPPER(CODES) .and. !ISDEL", table.layout());
    for (auto _ : state) {
        uint32_t count = 0;
        for (uint32_t r = 1; r <= kRecords; ++r)
            count += e.root().logical(table.readRecord(r)) ? 1 : 0;
        benchmark::DoNotOptimize(count);
        state.counters["matches"] = count;
    }
}
BENCHMARK(BM_EvaluateContainsEveryRecord)->Unit(benchmark::kMillisecond);

// What an index pays per record when it builds the tag UPPER(LNAME)+UPPER(FNAME).
void BM_ComputeNameKeyEveryRecord(benchmark::State& state)
{
    fakes::FakeTable& table = sharedTable();
    const auto key = XbaseExpressionCompiler().compileKey("UPPER(LNAME)+UPPER(FNAME)", table.layout());
    std::string bytes;
    for (auto _ : state) {
        for (uint32_t r = 1; r <= kRecords; ++r) {
            key->computeKey(table.readRecord(r), bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_ComputeNameKeyEveryRecord)->Unit(benchmark::kMillisecond);

void countQuery(benchmark::State& state, const char* condition, bool withIndex)
{
    fakes::FakeTable& table = sharedTable();
    table.index = withIndex ? &sharedIndex() : nullptr;
    table.hidden = true;
    for (auto _ : state) {
        Query query(table);
        query.setCondition(condition);
        state.counters["matches"] = query.count();
    }
    table.index = nullptr;
}

void BM_CountContainsNoIndex(benchmark::State& state)
{
    countQuery(state, "\"C\"$UPPER(CODES) .and. !ISDEL", false);
}
BENCHMARK(BM_CountContainsNoIndex)->Unit(benchmark::kMillisecond);

void BM_CountContainsWithTags(benchmark::State& state)
{
    countQuery(state, "\"C\"$UPPER(CODES) .and. !ISDEL", true);
}
BENCHMARK(BM_CountContainsWithTags)->Unit(benchmark::kMillisecond);

void BM_CountPrefixWithTags(benchmark::State& state)
{
    countQuery(state, "UPPER(LNAME)=\"SMI\" .and. !ISDEL", true);
}
BENCHMARK(BM_CountPrefixWithTags)->Unit(benchmark::kMillisecond);

void BM_CountZipRangeWithTags(benchmark::State& state)
{
    countQuery(state, "((UPPER(ZIP)>=\"6\").and.(UPPER(ZIP)<\"7\")) .and. !ISDEL", true);
}
BENCHMARK(BM_CountZipRangeWithTags)->Unit(benchmark::kMillisecond);

void BM_CountPrefixNoIndex(benchmark::State& state)
{
    countQuery(state, "UPPER(LNAME)=\"SMI\" .and. !ISDEL", false);
}
BENCHMARK(BM_CountPrefixNoIndex)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
