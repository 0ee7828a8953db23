// A table's memo file: the variable-length texts (and binary payloads) that memo fields point
// to by block number. Reads any length the file can hold; writes new text at the end, or over
// the old chain of blocks when the new text fits in it.
//
// Contract: block numbers come from the table's records and are untrusted; a pointer or a
// length that reaches past the end of the file throws CorruptFileError. Block 0 means "no memo".
#pragma once

#include "FileIO.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

enum class MemoKind { Fpt, Dbt };

class MemoFile {
public:
    struct Entry {
        uint32_t type = 1; // .FPT block type: 1 text, 0 picture, 2 object
        std::string data;
    };

    static std::unique_ptr<MemoFile> open(FileSystem& fs, const std::string& path, MemoKind kind,
                                          OpenMode mode, bool exclusive);
    static std::unique_ptr<MemoFile> create(FileSystem& fs, const std::string& path, MemoKind kind,
                                            uint32_t blockSize, bool exclusive);

    MemoKind kind() const { return kind_; }
    uint32_t blockSize() const { return blockSize_; }
    const std::string& path() const { return file_->path(); }

    std::string read(uint32_t block) const { return readEntry(block).data; }
    Entry readEntry(uint32_t block) const;
    // Stores data and returns its block number (0 for empty data). The chain at oldBlock is
    // reused when the data fits in it; otherwise the data goes to the end of the file.
    uint32_t write(std::string_view data, uint32_t oldBlock, uint32_t type = 1);
    // Writes the header and pushes everything to stable storage.
    void flush();
    // Drops every memo (for zap).
    void clear();

private:
    MemoFile(std::unique_ptr<File> file, MemoKind kind, uint32_t blockSize);
    void loadHeader();
    void writeHeader();
    uint64_t blocksFor(uint64_t dataLength) const;
    uint32_t firstUsableBlock() const;
    uint64_t blockOffset(uint32_t block) const { return static_cast<uint64_t>(block) * blockSize_; }
    // Length of the stored data at block, or -1 when the pointer is unusable.
    int64_t storedLength(uint32_t block) const;
    void writeAt(uint32_t block, std::string_view data, uint32_t type);
    std::string readDbtText(uint64_t offset) const;
    // Reads through a small read-ahead buffer: memos written in record order lie in file
    // order, so a scan of the table reads its memo file forward too.
    size_t readBytes(uint64_t offset, void* buffer, size_t count) const;
    void writeBytes(uint64_t offset, const void* buffer, size_t count);

    std::unique_ptr<File> file_;
    MemoKind kind_;
    uint32_t blockSize_;
    uint32_t nextFree_ = 0;
    bool headerDirty_ = false;
    uint64_t fileSize_ = 0;
    mutable std::vector<uint8_t> readAhead_;
    mutable uint64_t readAheadStart_ = 0;
    mutable uint64_t lastReadEnd_ = 0; // where the last read ended: read-ahead only follows a scan
};

} // namespace xbase
