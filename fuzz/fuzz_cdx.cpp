// Feeds arbitrary bytes to the compound and single index readers as a .CDX and as an .IDX over
// a small address table: open, walk every tag both ways, seek, scope, check, and change records
// so maintenance runs over damaged trees too. Only InvalidIndexError and XbaseError may leave.
#include "../tests/xbase/FakeTable.h"
#include "../tests/xbase/TestKeyCompiler.h"

#include "xbase/CdxIndex.h"
#include "xbase/IdxIndex.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

#include <cstddef>
#include <cstdint>

using namespace xbase;

namespace {

testsupport::FakeTable makeTable()
{
    std::vector<FieldDef> fields;
    const std::pair<const char*, uint16_t> layout[] = {
        {"LNAME", 30},  {"FNAME", 30},   {"MIDDLE", 1}, {"PREFIX", 12}, {"TITLE", 30}, {"ORG", 30},
        {"STREET", 40}, {"STREET2", 40}, {"CITY", 30},  {"STATE", 20},  {"ZIP", 10},   {"COUNTRY", 30},
        {"DATE", 15},   {"PHONE", 30},   {"PHONE2", 30}, {"FAX", 40},   {"EMAIL", 40}, {"CODES", 30},
        {"USER1", 40},  {"USER2", 40},   {"ISDEL", 1},  {"TAG", 8},     {"MEMO", 10}};
    for (const auto& [name, width] : layout)
        fields.push_back({name, std::string(name) == "ISDEL" ? 'L' : 'C', width});
    testsupport::FakeTable table(fields);
    for (int i = 0; i < 12; ++i)
        table.append({"Name" + std::to_string(i * 5 % 12), "First"});
    return table;
}

void walk(RecordOrder& order, testsupport::FakeTable& table)
{
    size_t steps = 0;
    for (uint32_t r = order.first(); r != 0 && steps < 5000; r = order.next(r, table), ++steps)
        if (r <= table.recordCount())
            table.go(r);
    steps = 0;
    for (uint32_t r = order.last(); r != 0 && steps < 5000; r = order.previous(r, table), ++steps)
        if (r <= table.recordCount())
            table.go(r);
}

void exerciseCdx(MemoryFileSystem& fs, testsupport::FakeTable& table, const testsupport::TestKeyCompiler& compiler)
{
    auto index = CdxIndex::open(fs, "F.CDX", compiler, table);
    table.go(1);
    for (size_t n = 1; n <= index->tagCount(); ++n) {
        walk(*index->setOrder(n), table);
        index->seek("NAME");
        index->setScope({true, true, "N"}, {true, true, "O"});
        index->keyCount();
        index->setScope({}, {});
    }
    index->check(5);
    table.addListener(index.get());
    table.write(3, "LNAME", "Changed");
    table.append({"Added"});
    table.setDeleted(5, true);
    index->check(5);
}

void exerciseIdx(MemoryFileSystem& fs, testsupport::FakeTable& table, const testsupport::TestKeyCompiler& compiler)
{
    auto index = IdxIndex::open(fs, "F.IDX", compiler, table);
    walk(index->order(), table);
    table.go(2);
    index->addKey(table);
    walk(index->order(), table);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const testsupport::TestKeyCompiler compiler;
    const MemoryFileSystem::Bytes bytes(data, data + size);
    for (int asIdx = 0; asIdx < 2; ++asIdx) {
        MemoryFileSystem fs;
        testsupport::FakeTable table = makeTable();
        try {
            if (asIdx) {
                fs.bytes("F.IDX") = bytes;
                exerciseIdx(fs, table, compiler);
            } else {
                fs.bytes("F.CDX") = bytes;
                exerciseCdx(fs, table, compiler);
            }
        } catch (const XbaseError&) {
        }
    }
    return 0;
}
