// Opens fuzzer bytes as a memo file of either kind and reads the blocks the input names,
// then writes over them: no read or write may leave the file's bounds or allocate more than
// the file can justify.
#include "xbase/MemoFile.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 9)
        return 0;
    const bool older = data[0] & 1;
    uint32_t blocks[2] = {};
    for (int i = 0; i < 2; ++i)
        blocks[i] = static_cast<uint32_t>(data[1 + 4 * i]) | static_cast<uint32_t>(data[2 + 4 * i]) << 8 |
                    static_cast<uint32_t>(data[3 + 4 * i]) << 16 | static_cast<uint32_t>(data[4 + 4 * i]) << 24;
    xbase::MemoryFileSystem fs;
    fs.bytes("M").assign(data + 9, data + size);
    try {
        auto memo = xbase::MemoFile::open(fs, "M", older ? xbase::MemoKind::Dbt : xbase::MemoKind::Fpt,
                                          xbase::OpenMode::ReadWrite, true);
        for (uint32_t block : blocks) {
            try {
                (void)memo->readEntry(block);
            } catch (const xbase::CorruptFileError&) {
            }
            if (memo->write("replacement text", block) == 0)
                return 0;
        }
        memo->flush();
    } catch (const xbase::XbaseError&) {
    }
    return 0;
}
