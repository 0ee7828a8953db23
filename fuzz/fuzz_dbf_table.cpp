// Opens fuzzer bytes as a table with a memo file and exercises what a caller does with an
// unknown table: walk it both ways, read every field in every form, edit, append and pack.
// The input is split at the first "MEMO" marker: table bytes before, memo bytes after.
#include "xbase/DbfTable.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void readEverything(xbase::DbfTable& table)
{
    for (int i = 0; i < table.fieldCount(); ++i) {
        try {
            (void)table.textView(i);
            (void)table.number(i);
            (void)table.logical(i);
            (void)table.dateText(i);
            (void)table.isEmpty(i);
            (void)table.isNull(i);
        } catch (const xbase::CorruptFileError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find("MEMO");
    const std::string_view table = input.substr(0, split);
    const std::string_view memo = split == std::string_view::npos ? std::string_view() : input.substr(split + 4);

    xbase::MemoryFileSystem fs;
    fs.bytes("F.DBF").assign(table.begin(), table.end());
    if (!memo.empty()) {
        fs.bytes("F.FPT").assign(memo.begin(), memo.end());
        fs.bytes("F.DBT").assign(memo.begin(), memo.end());
    }
    try {
        auto t = xbase::DbfTable::open(fs, "F.DBF");
        int steps = 0;
        for (t->goTop(); !t->eof() && steps < 64; t->skip(), ++steps)
            readEverything(*t);
        for (t->goBottom(); !t->bof() && !t->eof() && steps < 128; t->skip(-1), ++steps)
            readEverything(*t);
        t->setFlaggedHidden(true);
        t->goTop();
        if (!t->eof()) {
            for (int i = 0; i < t->fieldCount(); ++i) {
                try {
                    t->setText(i, "12");
                } catch (const xbase::XbaseError&) {
                }
            }
            t->setDeleted(true);
        }
        t->appendBlank();
        readEverything(*t);
        if (t->recordCount() < 5000)
            t->pack();
        t->close();
    } catch (const xbase::XbaseError&) {
        // Refusing a damaged file is the expected outcome.
    }
    return 0;
}
