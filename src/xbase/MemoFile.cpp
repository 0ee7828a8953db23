#include "MemoFile.h"

#include "ByteOrder.h"
#include "MemoFormat.h"
#include "XbaseError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

namespace xbase {
namespace {
constexpr size_t kReadAheadBytes = 64 * 1024;
}

MemoFile::MemoFile(std::unique_ptr<File> file, MemoKind kind, uint32_t blockSize)
    : file_(std::move(file)), kind_(kind), blockSize_(blockSize)
{
}

std::unique_ptr<MemoFile> MemoFile::open(FileSystem& fs, const std::string& path, MemoKind kind, OpenMode mode,
                                         bool exclusive)
{
    auto memo = std::unique_ptr<MemoFile>(new MemoFile(fs.open(path, mode, exclusive), kind, 0));
    memo->loadHeader();
    return memo;
}

std::unique_ptr<MemoFile> MemoFile::create(FileSystem& fs, const std::string& path, MemoKind kind,
                                           uint32_t blockSize, bool exclusive)
{
    if (kind == MemoKind::Dbt)
        blockSize = memo::kDbtBlockSize;
    if (blockSize == 0 || blockSize > std::numeric_limits<uint16_t>::max())
        throw XbaseError("Cannot create " + path + ": memo block size " + std::to_string(blockSize) +
                         " is out of range");
    auto memo = std::unique_ptr<MemoFile>(new MemoFile(fs.create(path, exclusive), kind, blockSize));
    std::vector<uint8_t> header(memo::kFptHeaderSize, 0);
    memo->writeBytes(0, header.data(), header.size());
    memo->nextFree_ = memo->firstUsableBlock();
    memo->writeHeader();
    return memo;
}

void MemoFile::loadHeader()
{
    std::array<uint8_t, 8> head{};
    const uint64_t size = fileSize_ = file_->size();
    const size_t headerSize = kind_ == MemoKind::Fpt ? memo::kFptHeaderSize : memo::kDbtHeaderSize;
    if (size < headerSize || file_->readAt(0, head.data(), head.size()) != head.size())
        throw CorruptFileError("Memo file " + path() + " is damaged: its header is cut short");
    if (kind_ == MemoKind::Fpt) {
        blockSize_ = readBe16(head.data() + memo::kFptBlockSizeOffset);
        if (blockSize_ == 0)
            throw CorruptFileError("Memo file " + path() + " is damaged: its block size is zero");
    } else {
        blockSize_ = memo::kDbtBlockSize;
    }
    // The stored next-free pointer is not trusted: new memos always go past the last byte.
    const uint64_t blocksInFile = (size + blockSize_ - 1) / blockSize_;
    nextFree_ = static_cast<uint32_t>(std::clamp<uint64_t>(blocksInFile, firstUsableBlock(),
                                                           std::numeric_limits<uint32_t>::max()));
}

uint32_t MemoFile::firstUsableBlock() const
{
    if (kind_ == MemoKind::Dbt)
        return 1;
    return static_cast<uint32_t>((memo::kFptHeaderSize + blockSize_ - 1) / blockSize_);
}

uint64_t MemoFile::blocksFor(uint64_t dataLength) const
{
    const uint64_t stored = kind_ == MemoKind::Fpt ? dataLength + memo::kFptBlockHeaderSize : dataLength + 2;
    return (stored + blockSize_ - 1) / blockSize_;
}

MemoFile::Entry MemoFile::readEntry(uint32_t block) const
{
    Entry entry;
    if (block == 0)
        return entry;
    if (block < firstUsableBlock())
        throw CorruptFileError("Memo file " + path() + " is damaged: block " + std::to_string(block) +
                               " lies inside the header");
    const uint64_t offset = blockOffset(block);
    if (kind_ == MemoKind::Dbt) {
        entry.data = readDbtText(offset);
        return entry;
    }
    std::array<uint8_t, memo::kFptBlockHeaderSize> head{};
    const uint64_t size = fileSize_;
    if (offset + head.size() > size || readBytes(offset, head.data(), head.size()) != head.size())
        throw CorruptFileError("Memo file " + path() + " is damaged: block " + std::to_string(block) +
                               " lies past the end of the file");
    entry.type = readBe32(head.data());
    const uint32_t length = readBe32(head.data() + 4);
    if (length > size - offset - head.size())
        throw CorruptFileError("Memo file " + path() + " is damaged: the memo at block " + std::to_string(block) +
                               " claims " + std::to_string(length) + " bytes, more than the file holds");
    entry.data.resize(length);
    if (readBytes(offset + head.size(), entry.data.data(), length) != length)
        throw CorruptFileError("Memo file " + path() + " is damaged: the memo at block " + std::to_string(block) +
                               " is cut short");
    return entry;
}

std::string MemoFile::readDbtText(uint64_t offset) const
{
    const uint64_t size = fileSize_;
    if (offset >= size)
        throw CorruptFileError("Memo file " + path() + " is damaged: a memo lies past the end of the file");
    std::string text;
    std::array<char, memo::kDbtBlockSize> chunk{};
    while (offset < size) {
        const size_t n = readBytes(offset, chunk.data(), chunk.size());
        if (n == 0)
            break;
        const char* end = std::find(chunk.data(), chunk.data() + n, static_cast<char>(memo::kDbtTerminator));
        const char* begin = chunk.data();
        text.append(begin, end);
        if (end != chunk.data() + n)
            break;
        offset += n;
    }
    return text;
}

int64_t MemoFile::storedLength(uint32_t block) const
{
    try {
        if (block == 0)
            return -1;
        if (kind_ == MemoKind::Fpt) {
            // Only the length word is needed; readEntry would copy the whole memo.
            std::array<uint8_t, memo::kFptBlockHeaderSize> head{};
            const uint64_t offset = blockOffset(block);
            if (block < firstUsableBlock() || readBytes(offset, head.data(), head.size()) != head.size())
                return -1;
            return readBe32(head.data() + 4);
        }
        return static_cast<int64_t>(readDbtText(blockOffset(block)).size());
    } catch (const CorruptFileError&) {
        return -1;
    }
}

uint32_t MemoFile::write(std::string_view data, uint32_t oldBlock, uint32_t type)
{
    if (data.empty())
        return 0;
    if (kind_ == MemoKind::Dbt && data.find(static_cast<char>(memo::kDbtTerminator)) != std::string_view::npos)
        throw XbaseError("Cannot write to " + path() + ": this memo file cannot hold the byte 0x1A");
    const uint64_t needed = blocksFor(data.size());
    const int64_t oldLength = storedLength(oldBlock);
    if (oldLength >= 0 && needed <= blocksFor(static_cast<uint64_t>(oldLength))) {
        writeAt(oldBlock, data, type);
        return oldBlock;
    }
    if (nextFree_ + needed > std::numeric_limits<uint32_t>::max())
        throw XbaseError("Cannot write to " + path() + ": the memo file is full");
    const uint32_t block = nextFree_;
    writeAt(block, data, type);
    nextFree_ += static_cast<uint32_t>(needed);
    headerDirty_ = true;
    return block;
}

void MemoFile::writeAt(uint32_t block, std::string_view data, uint32_t type)
{
    // The chain is written whole and padded to its last block, so the file always ends on a
    // block boundary and the next memo starts where the size says.
    std::vector<uint8_t> buffer(blocksFor(data.size()) * blockSize_, 0);
    size_t pos = 0;
    if (kind_ == MemoKind::Fpt) {
        writeBe32(buffer.data(), type);
        writeBe32(buffer.data() + 4, static_cast<uint32_t>(data.size()));
        pos = memo::kFptBlockHeaderSize;
    }
    std::copy(data.begin(), data.end(), buffer.begin() + static_cast<std::ptrdiff_t>(pos));
    if (kind_ == MemoKind::Dbt) {
        buffer[data.size()] = memo::kDbtTerminator;
        buffer[data.size() + 1] = memo::kDbtTerminator;
    }
    writeBytes(blockOffset(block), buffer.data(), buffer.size());
}

size_t MemoFile::readBytes(uint64_t offset, void* buffer, size_t count) const
{
    const uint64_t bufferEnd = readAheadStart_ + readAhead_.size();
    if (offset >= readAheadStart_ && offset + count <= bufferEnd) {
        std::memcpy(buffer, readAhead_.data() + (offset - readAheadStart_), count);
        lastReadEnd_ = offset + count;
        return count;
    }
    // Read ahead only when this read starts a little past the last one, as the next memo of a
    // scan in record order does; memos met in a tag's order lie anywhere, and a window for each
    // would read the file many times over. (The text right after a memo's header is read as
    // it is: its length is known.)
    const bool forward = offset > lastReadEnd_ && offset - lastReadEnd_ < kReadAheadBytes;
    if (count >= kReadAheadBytes / 2 || offset >= fileSize_ || !forward) {
        const size_t n = file_->readAt(offset, buffer, count);
        lastReadEnd_ = offset + n;
        return n;
    }
    readAhead_.resize(static_cast<size_t>(std::min<uint64_t>(kReadAheadBytes, fileSize_ - offset)));
    readAhead_.resize(file_->readAt(offset, readAhead_.data(), readAhead_.size()));
    readAheadStart_ = offset;
    const size_t n = std::min(count, readAhead_.size());
    std::memcpy(buffer, readAhead_.data(), n);
    lastReadEnd_ = offset + n;
    return n;
}

void MemoFile::writeBytes(uint64_t offset, const void* buffer, size_t count)
{
    readAhead_.clear();
    file_->writeAt(offset, buffer, count);
    fileSize_ = std::max(fileSize_, offset + count);
}

void MemoFile::writeHeader()
{
    std::array<uint8_t, 8> head{};
    if (kind_ == MemoKind::Fpt) {
        writeBe32(head.data() + memo::kFptNextFreeOffset, nextFree_);
        writeBe16(head.data() + memo::kFptBlockSizeOffset, static_cast<uint16_t>(blockSize_));
    } else {
        writeLe32(head.data() + memo::kDbtNextFreeOffset, nextFree_);
    }
    writeBytes(0, head.data(), head.size());
    headerDirty_ = false;
}

void MemoFile::flush()
{
    if (headerDirty_)
        writeHeader();
    file_->flush();
}

void MemoFile::clear()
{
    const size_t headerSize = kind_ == MemoKind::Fpt ? memo::kFptHeaderSize : memo::kDbtHeaderSize;
    file_->truncate(headerSize);
    fileSize_ = headerSize;
    readAhead_.clear();
    nextFree_ = firstUsableBlock();
    writeHeader();
}

} // namespace xbase
