// Table engine throughput on a 1,000,000-record address table (the 23 address fields at their
// default widths, about 590 MB) kept under /tmp: appending it, and scanning it in record order
// reading every field as text. The scan reports how far peak memory grew while it ran.
#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/resource.h>

namespace {

constexpr uint32_t kRecords = 1000000;
const std::string kFolder = "/tmp/quorvane_bench_table";
const std::string kAppendPath = kFolder + "/APPEND.DBF";
const std::string kScanPath = kFolder + "/ADDR.DBF";

xbase::DbfCreator addressStructure()
{
    struct Field { const char* name; char type; uint16_t width; };
    static const Field fields[] = {
        {"LNAME", 'C', 30},  {"FNAME", 'C', 30},   {"MIDDLE", 'C', 1},  {"PREFIX", 'C', 12}, {"TITLE", 'C', 30},
        {"ORG", 'C', 30},    {"STREET", 'C', 40},  {"STREET2", 'C', 40}, {"CITY", 'C', 30},  {"STATE", 'C', 20},
        {"ZIP", 'C', 10},    {"COUNTRY", 'C', 30}, {"DATE", 'C', 15},   {"PHONE", 'C', 30},  {"PHONE2", 'C', 30},
        {"FAX", 'C', 40},    {"EMAIL", 'C', 40},   {"CODES", 'C', 30},  {"USER1", 'C', 40},  {"USER2", 'C', 40},
        {"ISDEL", 'L', 1},   {"TAG", 'C', 8},      {"MEMO", 'M', 10},
    };
    xbase::DbfCreator creator;
    for (const auto& f : fields)
        creator.addField(f.name, f.type, f.width);
    return creator;
}

const std::array<const char*, 8> kLast = {"Smith", "Johnson", "Williams", "Garcia", "Miller", "Davis", "Rodriguez", "Martinez"};
const std::array<const char*, 8> kFirst = {"James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda"};
const std::array<const char*, 6> kCity = {"Springfield", "Riverside", "Franklin", "Greenville", "Bristol", "Clinton"};
const std::array<const char*, 6> kState = {"IL", "CA", "TN", "SC", "VA", "IA"};
const std::array<const char*, 4> kStreet = {"Main St", "Oak Ave", "Maple Dr", "Cedar Ln"};

void appendAddresses(xbase::DbfTable& table, uint32_t count)
{
    char buffer[64];
    for (uint32_t i = 0; i < count; ++i) {
        table.appendBlank();
        table.setText(0, kLast[i % kLast.size()]);
        table.setText(1, kFirst[(i / 8) % kFirst.size()]);
        table.setText(2, std::string(1, static_cast<char>('A' + i % 26)));
        table.setText(3, i % 3 ? "Mr." : "Dr.");
        table.setText(4, "Account Manager");
        table.setText(5, "Example Trading Company");
        std::snprintf(buffer, sizeof buffer, "%u %s", 100 + i % 9000, kStreet[i % kStreet.size()]);
        table.setText(6, buffer);
        table.setText(7, i % 4 ? "" : "Suite 200");
        table.setText(8, kCity[i % kCity.size()]);
        table.setText(9, kState[i % kState.size()]);
        std::snprintf(buffer, sizeof buffer, "%05u", i % 100000);
        table.setText(10, buffer);
        table.setText(11, "USA");
        table.setText(12, "20240315");
        std::snprintf(buffer, sizeof buffer, "(555) %03u-%04u", i % 1000, i % 10000);
        table.setText(13, buffer);
        table.setText(14, i % 2 ? buffer : "");
        table.setText(15, "");
        std::snprintf(buffer, sizeof buffer, "%s.%u@example.com", kFirst[(i / 8) % kFirst.size()], i);
        table.setText(16, buffer);
        table.setText(17, i % 5 ? "AB" : "XYZ");
        table.setText(18, "Met at the spring conference");
        table.setText(19, "");
        table.setLogical(20, i % 10 == 0);
        table.setText(21, i % 7 ? "" : "T57LQA6");
        if (i % 20 == 0)
            table.setMemo(22, "Prefers to be called in the morning. Send the catalogue twice a year.");
    }
}

void ensureScanTable()
{
    static bool ready = false;
    if (ready)
        return;
    auto& fs = xbase::FileSystem::native();
    std::string command = "mkdir -p " + kFolder;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot create " + kFolder);
    bool present = false;
    if (fs.exists(kScanPath)) {
        auto table = xbase::DbfTable::open(fs, kScanPath, {.readOnly = true});
        present = table->recordCount() == kRecords;
    }
    if (!present) {
        addressStructure().create(fs, kScanPath);
        auto table = xbase::DbfTable::open(fs, kScanPath);
        appendAddresses(*table, kRecords);
        table->close();
    }
    ready = true;
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_AppendMillion(benchmark::State& state)
{
    auto& fs = xbase::FileSystem::native();
    std::string command = "mkdir -p " + kFolder;
    if (std::system(command.c_str()) != 0)
        state.SkipWithError("cannot create the folder");
    for (auto _ : state) {
        addressStructure().create(fs, kAppendPath);
        auto table = xbase::DbfTable::open(fs, kAppendPath);
        appendAddresses(*table, kRecords);
        table->close();
    }
    state.counters["records/s"] = benchmark::Counter(double(kRecords) * state.iterations(), benchmark::Counter::kIsRate);
    fs.remove(kAppendPath);
    fs.remove(kFolder + "/APPEND.FPT");
}
BENCHMARK(BM_AppendMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ScanEveryFieldAsText(benchmark::State& state)
{
    ensureScanTable();
    auto table = xbase::DbfTable::open(xbase::FileSystem::native(), kScanPath, {.readOnly = true});
    const int fields = table->fieldCount();
    const long peakBefore = peakResidentKilobytes();
    size_t bytes = 0;
    uint32_t records = 0;
    for (auto _ : state) {
        for (table->goTop(); !table->eof(); table->skip()) {
            for (int i = 0; i < fields; ++i)
                bytes += table->textView(i).size();
            ++records;
        }
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["records"] = records / static_cast<double>(state.iterations());
    state.counters["peak_rss_growth_kb"] = static_cast<double>(peakResidentKilobytes() - peakBefore);
}
BENCHMARK(BM_ScanEveryFieldAsText)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same scan without the memo field, to show what the memo reads cost.
void BM_ScanStoredFieldsAsText(benchmark::State& state)
{
    ensureScanTable();
    auto table = xbase::DbfTable::open(xbase::FileSystem::native(), kScanPath, {.readOnly = true});
    const int fields = table->fieldCount() - 1;
    size_t bytes = 0;
    for (auto _ : state)
        for (table->goTop(); !table->eof(); table->skip())
            for (int i = 0; i < fields; ++i)
                bytes += table->textView(i).size();
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_ScanStoredFieldsAsText)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
