// Compound index speed on 1,000,000 synthetic address records held in memory: building the 26
// address tags, seeking, appending with every tag maintained, walking a whole tag.
// The index file lives under /tmp and is removed at the end.
#include "../tests/xbase/TestKeyCompiler.h"

#include "xbase/CdxIndex.h"
#include "xbase/FileIO.h"
#include "xbase/IndexRecordSource.h"
#include "xbase/RecordView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

using namespace xbase;

namespace {

constexpr uint32_t kRecords = 1000000;
constexpr uint32_t kSpareRecords = 6000; // room for the appends measured below
const std::string kDir = "/tmp/quorvane-bench-cdx";
const std::string kPath = kDir + "/ADDR.CDX";

long statusKilobytes(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

class AddressRecords final : public RecordView, public IndexRecordSource {
public:
    AddressRecords()
    {
        const std::pair<const char*, uint16_t> layout[] = {
            {"LNAME", 30},  {"FNAME", 30}, {"MIDDLE", 1},  {"PREFIX", 12}, {"TITLE", 30}, {"ORG", 30},
            {"STREET", 40}, {"STREET2", 40}, {"CITY", 30}, {"STATE", 20},  {"ZIP", 10},   {"COUNTRY", 30},
            {"DATE", 15},   {"PHONE", 30}, {"PHONE2", 30}, {"FAX", 40},    {"EMAIL", 40}, {"CODES", 30},
            {"USER1", 40},  {"USER2", 40}, {"ISDEL", 1},   {"TAG", 8},     {"MEMO", 10}};
        uint32_t offset = 1;
        for (const auto& [name, width] : layout) {
            const char type = std::string(name) == "ISDEL" ? 'L' : (std::string(name) == "MEMO" ? 'M' : 'C');
            fields_.push_back({name, type, width, 0, offset, 0});
            offset += width;
        }
        size_ = offset;
        bytes_.assign(size_t(kRecords + kSpareRecords) * size_, ' ');
        std::mt19937 random(42);
        for (uint32_t r = 1; r <= kRecords; ++r)
            generate(r, random, bytes_.data() + size_t(r - 1) * size_);
        count_ = kRecords;
    }

    void generate(uint32_t recno, std::mt19937& random, uint8_t* rec) const
    {
        static const char* syllables[] = {"an", "ber", "cor", "dal", "en", "fi", "gor", "ha", "in", "jo", "ka", "lo",
                                          "man", "ni", "or", "pe", "qui", "ro", "sa", "ton", "u", "vi", "wil", "xe"};
        auto word = [&](int parts) {
            std::string w;
            for (int i = 0; i < parts; ++i)
                w += syllables[random() % 24];
            w[0] = char(std::toupper(static_cast<unsigned char>(w[0])));
            return w;
        };
        auto put = [&](int field, const std::string& value) {
            const FieldDef& f = fields_[size_t(field)];
            std::memcpy(rec + f.offset, value.data(), std::min<size_t>(value.size(), f.width));
        };
        std::memset(rec, ' ', size_);
        rec[0] = recno % 20 == 0 ? '*' : ' ';
        const std::string last = word(2 + int(random() % 2)), first = word(2);
        put(0, last);
        put(1, first);
        put(2, std::string(1, char('A' + random() % 26)));
        put(3, random() % 2 ? "Mr." : "Ms.");
        put(4, word(3));
        put(5, word(2) + " Inc");
        put(6, std::to_string(random() % 9999) + " " + word(2) + " St");
        if (random() % 10 == 0)
            put(7, "Suite " + std::to_string(random() % 999));
        put(8, word(3));
        put(9, std::string(1, char('A' + random() % 26)) + char('A' + random() % 26));
        put(10, std::to_string(10000 + random() % 89999));
        put(11, "USA");
        put(12, std::to_string(19500101 + random() % 700000));
        put(13, "555-" + std::to_string(1000000 + random() % 8999999));
        if (random() % 4 == 0)
            put(14, "555-" + std::to_string(1000000 + random() % 8999999));
        put(16, last + "." + first + "@example.com");
        put(17, std::string(1, char('A' + random() % 26)));
        rec[fields_[20].offset] = random() % 10 == 0 ? 'T' : 'F';
    }

    const std::vector<FieldDef>& fields() const override { return fields_; }
    int fieldIndex(std::string_view name) const override
    {
        for (size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].name.size() == name.size()
                && std::equal(name.begin(), name.end(), fields_[i].name.begin(),
                              [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; }))
                return int(i);
        return -1;
    }
    const uint8_t* record() const override { return bytes_.data() + size_t(current_ - 1) * size_; }
    uint32_t recordSize() const override { return size_; }
    uint32_t recordNumber() const override { return current_; }
    std::string memoText(int) const override { return {}; }

    const RecordView& layout() const override { return *this; }
    uint32_t recordCount() const override { return count_; }
    void forEachRecord(const std::function<void(const RecordView&)>& visit) override
    {
        for (current_ = 1; current_ <= count_; ++current_)
            visit(*this);
    }
    void go(uint32_t recno) { current_ = recno; }
    // Adds a generated record and returns its bytes (for the listener).
    const uint8_t* appendRecord(std::mt19937& random)
    {
        if (count_ == kRecords + kSpareRecords)
            count_ = kRecords; // reuse the spare slots; only the index sees the record numbers grow
        uint8_t* rec = bytes_.data() + size_t(count_) * size_;
        generate(count_ + 1, random, rec);
        ++count_;
        return rec;
    }

private:
    std::vector<FieldDef> fields_;
    uint32_t size_ = 0;
    std::vector<uint8_t> bytes_;
    uint32_t count_ = 0;
    uint32_t current_ = 1;
};

const std::vector<TagSpec>& addressTags()
{
    static const std::vector<TagSpec> tags = {
        {"NAME", "UPPER(LNAME-FNAME)"}, {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"}, {"FNAME", "UPPER(FNAME)"},
        {"TITLE", "UPPER(TITLE)"},      {"ORG", "UPPER(ORG)"},                 {"STREET", "UPPER(STREET)"},
        {"STREET2", "UPPER(STREET2)"},  {"CITY", "UPPER(CITY+STATE)"},         {"STATE", "UPPER(STATE)"},
        {"ZIP", "UPPER(ZIP)"},          {"COUNTRY", "UPPER(COUNTRY)"},         {"PHONE", "UPPER(PHONE)"},
        {"PHONE2", "UPPER(PHONE2)"},    {"EMAIL", "UPPER(EMAIL)"},             {"FAX", "UPPER(FAX)"},
        {"USER1", "UPPER(USER1)"},      {"USER2", "UPPER(USER2)"},             {"DATE", "UPPER(DATE)"},
        {"TAG", "UPPER(TAG)"},          {"CODES", "UPPER(CODES)"},             {"PREFIX", "UPPER(PREFIX)"},
        {"MIDDLE", "UPPER(MIDDLE)"},    {"DELETED", "DELETED()"},              {"STATEZIP", "UPPER(STATE-ZIP)"},
        {"ISDEL", "ISDEL"},             {"NOTISDEL", "!ISDEL"}};
    return tags;
}

struct Shared {
    AddressRecords records;
    testsupport::TestKeyCompiler compiler;
    std::unique_ptr<CdxIndex> index;
};

Shared& shared()
{
    static Shared s;
    return s;
}

void buildIndex(Shared& s)
{
    std::filesystem::create_directories(kDir);
    s.index.reset();
    s.index = CdxIndex::create(FileSystem::native(), kPath, s.compiler, s.records);
    s.index->createTags(addressTags());
}

void BM_Build26AddressTags(benchmark::State& state)
{
    Shared& s = shared();
    long extraPeak = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5"; // restart the peak counter
        const long before = statusKilobytes("VmRSS:");
        buildIndex(s);
        extraPeak = statusKilobytes("VmHWM:") - before;
    }
    state.counters["build_peak_MB"] = double(extraPeak) / 1024.0;
    state.counters["file_MB"] = double(std::filesystem::file_size(kPath)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_Build26AddressTags)->Iterations(1)->Unit(benchmark::kMillisecond);

// The share of a build that belongs to the key expressions, not to the index: one pass
// computing all 26 keys of every record.
void BM_ComputeKeysOnly(benchmark::State& state)
{
    Shared& s = shared();
    if (!s.index)
        buildIndex(s);
    std::vector<CdxTag*> tags;
    for (size_t n = 1; n <= s.index->tagCount(); ++n)
        tags.push_back(&s.index->tag(n));
    std::string key;
    size_t bytes = 0;
    for (auto _ : state) {
        s.records.forEachRecord([&](const RecordView& r) {
            for (CdxTag* tag : tags) {
                tag->computeKey(r, key);
                bytes += key.size();
            }
        });
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_ComputeKeysOnly)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SeekLastName(benchmark::State& state)
{
    Shared& s = shared();
    if (!s.index)
        buildIndex(s);
    s.index->setOrder(s.index->tagNumber("LNAME"));
    std::vector<std::string> keys;
    std::string key;
    for (uint32_t r = 1; r <= kRecords; r += 997) {
        s.records.go(r);
        s.index->currentTag()->computeKey(s.records, key);
        keys.push_back(key.substr(0, 6 + r % 20));
    }
    size_t i = 0, found = 0;
    for (auto _ : state) {
        found += s.index->seek(keys[i++ % keys.size()]).found;
    }
    if (found != state.iterations())
        state.SkipWithError("a seek missed a key that exists");
}
BENCHMARK(BM_SeekLastName)->Unit(benchmark::kMicrosecond);

void BM_AppendWith26Tags(benchmark::State& state)
{
    Shared& s = shared();
    if (!s.index)
        buildIndex(s);
    std::mt19937 random(9);
    for (auto _ : state) {
        const uint8_t* rec = s.records.appendRecord(random);
        s.index->recordWritten(s.records.recordCount(), nullptr, rec);
    }
}
BENCHMARK(BM_AppendWith26Tags)->Iterations(5000)->Unit(benchmark::kMicrosecond);

void BM_WalkWholeTag(benchmark::State& state)
{
    Shared& s = shared();
    if (!s.index)
        buildIndex(s);
    RecordOrder& order = *s.index->setOrder(s.index->tagNumber("NAME"));
    uint64_t visited = 0;
    for (auto _ : state) {
        for (uint32_t r = order.first(); r != 0; r = order.next(r, s.records))
            ++visited;
    }
    state.counters["keys"] = double(visited) / double(state.iterations());
}
BENCHMARK(BM_WalkWholeTag)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_CleanUp(benchmark::State& state)
{
    for (auto _ : state) {
        shared().index.reset();
        std::filesystem::remove_all(kDir);
    }
}
BENCHMARK(BM_CleanUp)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
