#include "DbfTable.h"

#include "DbfFormat.h"
#include "DbfPaths.h"
#include "FieldCodec.h"
#include "PaddedText.h"
#include "RecordFilter.h"
#include "RecordOrder.h"
#include "TableListener.h"
#include "XbaseError.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace xbase {
namespace {

constexpr size_t kReadAheadBytes = 1 << 20;
constexpr size_t kAppendBatchBytes = 4 << 20;

std::string_view trimRight(std::string_view text) { return trimPadding(text); }
std::string_view trimLeft(std::string_view text) { return trimLeadingPadding(text); }

bool isMemoType(char type) { return type == 'M' || type == 'G' || type == 'P'; }

bool isBinaryStored(const FieldDef& field)
{
    switch (field.type) {
    case 'I': case 'B': case 'Y': case 'T': case '0':
        return true;
    default:
        return isMemoType(field.type) && field.width == dbf::kMemoPointerBinaryWidth;
    }
}

} // namespace

// ---------------------------------------------------------------- opening

DbfTable::DbfTable(FileSystem& fs, std::string path, DbfOpenOptions options)
    : fs_(fs), path_(std::move(path)), readOnly_(options.readOnly), exclusive_(options.exclusive)
{
}

std::unique_ptr<DbfTable> DbfTable::open(FileSystem& fs, const std::string& path, DbfOpenOptions options)
{
    auto table = std::unique_ptr<DbfTable>(new DbfTable(fs, path, options));
    table->openFiles();
    table->goTop();
    return table;
}

DbfTable::~DbfTable()
{
    try {
        close();
    } catch (...) {
        // A destructor cannot report; callers who care call close() themselves.
    }
}

void DbfTable::openFiles()
{
    const OpenMode mode = readOnly_ ? OpenMode::ReadOnly : OpenMode::ReadWrite;
    file_ = fs_.open(path_, mode, exclusive_);
    const std::string marker = dbfpaths::packCommitMarker(path_);
    if (fs_.exists(marker)) {
        // A pack finished writing its new files but was cut off while putting them in place.
        if (readOnly_ || !exclusive_)
            throw XbaseError("Cannot open " + path_ + ": an interrupted pack must first be completed by "
                             "opening the table for exclusive writing");
        file_.reset();
        recoverInterruptedPack(fs_, path_);
        file_ = fs_.open(path_, mode, exclusive_);
    } else if (!readOnly_ && exclusive_) {
        // Temporaries without the marker belong to an unfinished pack: the old table stands.
        for (const std::string& leftover : {dbfpaths::packTemporary(path_),
                                            dbfpaths::packTemporary(dbfpaths::withExtension(path_, "FPT")),
                                            dbfpaths::packTemporary(dbfpaths::withExtension(path_, "DBT"))})
            if (fs_.exists(leftover))
                fs_.remove(leftover);
    }
    loadHeader();
    openMemo();
    resetCursorState();
}

void DbfTable::recoverInterruptedPack(FileSystem& fs, const std::string& path)
{
    for (const char* extension : {"FPT", "DBT"}) {
        const std::string memoPath = dbfpaths::withExtension(path, extension);
        if (fs.exists(dbfpaths::packTemporary(memoPath)))
            fs.rename(dbfpaths::packTemporary(memoPath), memoPath);
    }
    if (fs.exists(dbfpaths::packTemporary(path)))
        fs.rename(dbfpaths::packTemporary(path), path);
    fs.remove(dbfpaths::packCommitMarker(path));
}

void DbfTable::loadHeader()
{
    const uint64_t size = file_->size();
    const auto corrupt = [&](const std::string& why) { return CorruptFileError("Table " + path_ + " is damaged: " + why); };
    uint8_t head[dbf::kHeaderSize];
    if (size < dbf::kHeaderSize || file_->readAt(0, head, sizeof head) != sizeof head)
        throw corrupt("the header is cut short");
    version_ = head[dbf::kVersionOffset];
    codePage_ = head[dbf::kCodePageOffset];
    headerLength_ = readLe16(head + dbf::kHeaderLengthOffset);
    recordSize_ = readLe16(head + dbf::kRecordLengthOffset);
    if (headerLength_ < dbf::kHeaderSize + dbf::kDescriptorSize)
        throw corrupt("the header length " + std::to_string(headerLength_) + " leaves no room for a field");
    if (headerLength_ > size)
        throw corrupt("the header is cut short (" + std::to_string(size) + " of " + std::to_string(headerLength_) +
                      " bytes)");
    header_.resize(headerLength_);
    if (file_->readAt(0, header_.data(), header_.size()) != header_.size())
        throw corrupt("the header is cut short");
    readFieldDescriptors(headerLength_);

    const uint32_t fieldBytes = fields_.back().offset + fields_.back().width;
    if (recordSize_ < fieldBytes)
        throw corrupt("the record length " + std::to_string(recordSize_) + " is shorter than the fields (" +
                      std::to_string(fieldBytes) + " bytes)");

    // The stored count may be stale: a writer that stopped before updating it leaves whole
    // records past it, and a cut file holds fewer than it says. The file size decides.
    const uint32_t claimed = readLe32(head + dbf::kRecordCountOffset);
    const uint64_t inFile = (size - headerLength_) / recordSize_;
    uint64_t count = std::min<uint64_t>(claimed, inFile);
    if (inFile > claimed) {
        uint8_t flag = 0;
        file_->readAt(headerLength_ + static_cast<uint64_t>(claimed) * recordSize_, &flag, 1);
        if (flag == dbf::kLiveFlag || flag == dbf::kDeletedFlag)
            count = inFile;
    }
    recordCount_ = storedCount_ = static_cast<uint32_t>(std::min<uint64_t>(count, std::numeric_limits<uint32_t>::max()));
    headerDirty_ = false;
}

void DbfTable::readFieldDescriptors(uint32_t headerLength)
{
    fields_.clear();
    const bool visual = dbf::isVisualVersion(version_);
    uint32_t offset = 1;
    for (size_t pos = dbf::kHeaderSize; pos < headerLength; pos += dbf::kDescriptorSize) {
        const uint8_t* d = &header_[pos];
        if (d[0] == dbf::kHeaderTerminator || d[0] == 0)
            break;
        if (pos + dbf::kDescriptorSize > headerLength)
            throw CorruptFileError("Table " + path_ + " is damaged: a field descriptor runs past the header length");
        FieldDef field;
        for (size_t i = 0; i < dbf::kDescriptorNameSize && d[i] != 0; ++i)
            field.name.push_back(static_cast<char>(std::toupper(d[i])));
        field.type = static_cast<char>(std::toupper(d[dbf::kDescriptorTypeOffset]));
        field.width = d[dbf::kDescriptorWidthOffset];
        field.decimals = d[dbf::kDescriptorDecimalsOffset];
        field.flags = visual ? d[dbf::kDescriptorFlagsOffset] : 0;
        if (field.type == 'C' && !visual) {
            field.width = static_cast<uint16_t>(field.width | (field.decimals << 8));
            field.decimals = 0;
        }
        if (field.width == 0)
            throw CorruptFileError("Table " + path_ + " is damaged: field " + field.name + " has no width");
        field.offset = offset;
        offset += field.width;
        fields_.push_back(std::move(field));
    }
    if (fields_.empty())
        throw CorruptFileError("Table " + path_ + " is damaged: it declares no fields");
    assignNullFlagBits();
}

void DbfTable::assignNullFlagBits()
{
    nullBit_.assign(fields_.size(), -1);
    lengthBit_.assign(fields_.size(), -1);
    nullFlagsField_ = -1;
    if (!dbf::isVisualVersion(version_))
        return;
    int bit = 0;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].type == '0') {
            nullFlagsField_ = static_cast<int>(i);
            continue;
        }
        if (fields_[i].type == 'V' || fields_[i].type == 'Q')
            lengthBit_[i] = bit++;
        if (fields_[i].flags & dbf::kFieldNullable)
            nullBit_[i] = bit++;
    }
    // Bits the flags column cannot hold are ignored rather than read past it.
    const int available = nullFlagsField_ < 0 ? 0 : fields_[nullFlagsField_].width * 8;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (nullBit_[i] >= available)
            nullBit_[i] = -1;
        if (lengthBit_[i] >= available)
            lengthBit_[i] = -1;
    }
}

void DbfTable::openMemo()
{
    memo_.reset();
    const bool hasMemoFields =
        std::any_of(fields_.begin(), fields_.end(), [](const FieldDef& f) { return isMemoType(f.type); });
    if (!hasMemoFields)
        return;
    const std::string fpt = dbfpaths::withExtension(path_, "FPT");
    const std::string dbt = dbfpaths::withExtension(path_, "DBT");
    const OpenMode mode = readOnly_ ? OpenMode::ReadOnly : OpenMode::ReadWrite;
    if (version_ == dbf::kVersionDbaseMemo || (!fs_.exists(fpt) && fs_.exists(dbt))) {
        if (!fs_.exists(dbt))
            throw XbaseError("Cannot open " + path_ + ": its memo file " + dbt + " is missing");
        memo_ = MemoFile::open(fs_, dbt, MemoKind::Dbt, mode, exclusive_);
        return;
    }
    if (!fs_.exists(fpt))
        throw XbaseError("Cannot open " + path_ + ": its memo file " + fpt + " is missing");
    memo_ = MemoFile::open(fs_, fpt, MemoKind::Fpt, mode, exclusive_);
}

void DbfTable::resetCursorState()
{
    blank_.assign(recordSize_, ' ');
    for (const auto& field : fields_)
        if (isBinaryStored(field))
            std::fill_n(blank_.begin() + field.offset, field.width, uint8_t{0});
    window_.clear();
    windowFirst_ = windowCount_ = 0;
    peekWindow_.clear();
    peekFirst_ = peekCount_ = 0;
    lastLoaded_ = 0;
    appendBuffer_.clear();
    dirty_ = currentIsNew_ = false;
    scratch_.assign(fields_.size(), std::string());
    plainText_.clear();
    for (size_t i = 0; i < fields_.size(); ++i) {
        const bool plain = fields_[i].type == 'C' && nullBit_[i] < 0;
        plainText_.push_back({fields_[i].offset, plain ? fields_[i].width : uint16_t{0}});
    }
    setEof();
    bof_ = true;
}

void DbfTable::commit()
{
    if (!file_ || readOnly_)
        return;
    commitRecord();
    flushAppends();
    writeHeaderCount();
    if (unsynced_) { // a commit with nothing written syncs nothing
        if (memo_)
            memo_->flush();
        file_->flush();
        unsynced_ = false;
    }
    if (!batchOpen_)
        return;
    batchOpen_ = false;
    for (auto* listener : listeners_)
        listener->tableCommitted();
}

void DbfTable::close()
{
    if (!file_)
        return;
    commit();
    memo_.reset();
    file_.reset();
}

// ---------------------------------------------------------------- structure

int DbfTable::fieldIndex(std::string_view name) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fieldcodec::equalsIgnoreCase(fields_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

const FieldDef& DbfTable::field(int index) const
{
    checkIndex(index);
    return fields_[static_cast<size_t>(index)];
}

void DbfTable::checkIndex(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= fields_.size())
        throwNoSuchField(index);
}

void DbfTable::throwNoSuchField(int index) const
{
    throw XbaseError("Table " + path_ + " has no field number " + std::to_string(index + 1));
}

DbfDialect DbfTable::dialect() const
{
    if (version_ == dbf::kVersionPlain || version_ == dbf::kVersionDbaseMemo)
        return DbfDialect::DBase3;
    if (version_ == dbf::kVersionFoxMemo)
        return DbfDialect::FoxPro2;
    if (dbf::isVisualVersion(version_))
        return DbfDialect::VisualFoxPro;
    return DbfDialect::Other;
}

bool DbfTable::hasStructuralIndex() const
{
    return (header_[dbf::kTableFlagsOffset] & dbf::kFlagStructuralIndex) != 0;
}

void DbfTable::setStructuralIndex(bool present)
{
    requireWritable();
    uint8_t& flags = header_[dbf::kTableFlagsOffset];
    flags = present ? (flags | dbf::kFlagStructuralIndex) : (flags & ~dbf::kFlagStructuralIndex);
    headerDirty_ = true;
}

// ---------------------------------------------------------------- cursor

void DbfTable::setEof()
{
    recno_ = recordCount_ + 1;
    current_ = blank_.data();
    eof_ = true;
}

void DbfTable::fillWindow(uint32_t firstRecno)
{
    const uint32_t perWindow = std::max<uint32_t>(1, static_cast<uint32_t>(kReadAheadBytes / recordSize_));
    windowCount_ = std::min(perWindow, storedCount_ - firstRecno + 1);
    windowFirst_ = firstRecno;
    window_.resize(static_cast<size_t>(windowCount_) * recordSize_);
    const size_t got = file_->readAt(recordOffset(firstRecno), window_.data(), window_.size());
    if (got != window_.size())
        throw CorruptFileError("Table " + path_ + " is damaged: it ends inside record " +
                               std::to_string(firstRecno + got / recordSize_));
}

const uint8_t* DbfTable::storedRecord(uint32_t recno)
{
    if (recno > storedCount_)
        return appendBuffer_.data() + static_cast<size_t>(recno - storedCount_ - 1) * recordSize_;
    if (windowCount_ == 0 || recno < windowFirst_ || recno >= windowFirst_ + windowCount_) {
        // Read ahead in the direction of travel; a jump reads the single record.
        const uint32_t perWindow = std::max<uint32_t>(1, static_cast<uint32_t>(kReadAheadBytes / recordSize_));
        if (recno == lastLoaded_ + 1)
            fillWindow(recno);
        else if (lastLoaded_ != 0 && recno + 1 == lastLoaded_)
            fillWindow(recno >= perWindow ? recno - perWindow + 1 : 1);
        else {
            windowFirst_ = recno;
            windowCount_ = 1;
            window_.resize(recordSize_);
            if (file_->readAt(recordOffset(recno), window_.data(), recordSize_) != recordSize_)
                throw CorruptFileError("Table " + path_ + " is damaged: record " + std::to_string(recno) +
                                       " is cut short");
        }
    }
    return window_.data() + static_cast<size_t>(recno - windowFirst_) * recordSize_;
}

void DbfTable::load(uint32_t recno)
{
    current_ = storedRecord(recno);
    recno_ = recno;
    lastLoaded_ = recno;
    eof_ = false;
}

bool DbfTable::filterMayAccept(uint32_t recno) { return filter_ == nullptr || filter_->mayAccept(recno); }

bool DbfTable::visible()
{
    if (flaggedHidden_ && current_[0] == dbf::kDeletedFlag)
        return false;
    return filter_ == nullptr || filter_->accepts(*this);
}

uint32_t DbfTable::firstCandidate()
{
    const uint32_t recno = order_ ? order_->first() : (recordCount_ > 0 ? 1 : 0);
    return recno <= recordCount_ ? recno : 0;
}

uint32_t DbfTable::lastCandidate()
{
    const uint32_t recno = order_ ? order_->last() : recordCount_;
    return recno <= recordCount_ ? recno : 0;
}

void DbfTable::countOrderStep()
{
    // A damaged index could lead the cursor round in a circle; no walk needs more steps than records.
    if (++orderSteps_ > uint64_t{recordCount_} + 1)
        throw CorruptFileError("The current order of " + path_ + " visits records in a loop: rebuild the index");
}

uint32_t DbfTable::nextCandidate(uint32_t recno)
{
    if (order_)
        countOrderStep();
    const uint32_t next = order_ ? order_->next(recno, *this) : (recno < recordCount_ ? recno + 1 : 0);
    return next <= recordCount_ ? next : 0;
}

uint32_t DbfTable::previousCandidate(uint32_t recno)
{
    if (order_)
        countOrderStep();
    const uint32_t previous = order_ ? order_->previous(recno, *this) : recno - 1;
    return previous <= recordCount_ ? previous : 0;
}

bool DbfTable::stopAtVisible(uint32_t recno, uint32_t (DbfTable::*step)(uint32_t))
{
    for (; recno != 0; recno = (this->*step)(recno)) {
        if (!filterMayAccept(recno))
            continue; // surely outside the filter: not even read
        load(recno);
        if (visible())
            return true;
    }
    return false;
}

void DbfTable::goTop()
{
    commitRecord();
    eof_ = bof_ = false;
    orderSteps_ = 0;
    if (!stopAtVisible(firstCandidate(), &DbfTable::nextCandidate)) {
        setEof();
        bof_ = true;
    }
}

void DbfTable::goBottom()
{
    commitRecord();
    eof_ = bof_ = false;
    orderSteps_ = 0;
    if (!stopAtVisible(lastCandidate(), &DbfTable::previousCandidate)) {
        setEof();
        bof_ = true;
    }
}

void DbfTable::go(uint32_t recno)
{
    commitRecord();
    eof_ = bof_ = false;
    if (recno < 1 || recno > recordCount_)
        setEof();
    else
        load(recno);
}

void DbfTable::skip(long long count)
{
    commitRecord();
    if (count == 0) {
        if (!eof_)
            load(recno_);
        return;
    }
    if (count > 0) {
        bof_ = false;
        for (; count > 0 && !eof_; --count) {
            orderSteps_ = 0;
            if (!stopAtVisible(nextCandidate(recno_), &DbfTable::nextCandidate))
                setEof();
        }
        return;
    }
    if (eof_) {
        goBottom();
        ++count;
        if (eof_)
            return;
    }
    for (; count < 0; ++count) {
        const uint32_t from = recno_;
        orderSteps_ = 0;
        if (!stopAtVisible(previousCandidate(recno_), &DbfTable::previousCandidate)) {
            // Walking off the top leaves the cursor on the first visible record.
            load(from);
            bof_ = true;
            return;
        }
    }
}

// ---------------------------------------------------------------- reading values

std::string_view DbfTable::fieldBytes(int index) const
{
    const FieldDef& f = field(index);
    return {reinterpret_cast<const char*>(current_) + f.offset, f.width};
}

bool DbfTable::nullBitSet(int bit) const
{
    const uint8_t* flags = current_ + fields_[static_cast<size_t>(nullFlagsField_)].offset;
    return (flags[bit >> 3] >> (bit & 7)) & 1;
}

bool DbfTable::isNull(int index) const
{
    checkIndex(index);
    const int bit = nullBit_[static_cast<size_t>(index)];
    return bit >= 0 && nullBitSet(bit);
}

std::string_view DbfTable::decodedText(int index) const
{
    checkIndex(index);
    const FieldDef& f = fields_[static_cast<size_t>(index)];
    const std::string_view bytes(reinterpret_cast<const char*>(current_) + f.offset, f.width);
    if (isNull(index))
        return {};
    switch (f.type) {
    case 'N':
    case 'F':
        return trimLeft(trimRight(bytes));
    case 'L': {
        const char c = bytes[0];
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y')
            return "T";
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n')
            return "F";
        return {};
    }
    case 'V':
    case 'Q': {
        const int bit = lengthBit_[static_cast<size_t>(index)];
        if (bit >= 0 && nullBitSet(bit))
            return bytes.substr(0, std::min<size_t>(static_cast<uint8_t>(bytes.back()), bytes.size() - 1));
        return trimRight(bytes);
    }
    case '0':
        return {};
    default:
        if (isMemoType(f.type)) {
            scratch_[static_cast<size_t>(index)] = memoText(index);
            return scratch_[static_cast<size_t>(index)];
        }
        if (isBinaryStored(f))
            return binaryText(index, f);
        return trimRight(bytes);
    }
}

std::string_view DbfTable::binaryText(int index, const FieldDef& f) const
{
    const uint8_t* p = current_ + f.offset;
    std::string& out = scratch_[static_cast<size_t>(index)];
    char text[64];
    text[0] = 0;
    switch (f.type) {
    case 'I':
        if (f.width >= 4)
            std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(readLe32(p)));
        break;
    case 'B':
    case 'Y':
        if (f.width >= 8)
            std::snprintf(text, sizeof text, "%.*f", f.type == 'Y' ? 4 : std::min<int>(f.decimals, 18), number(index));
        break;
    case 'T':
        if (f.width >= 8) {
            const uint32_t day = readLe32(p);
            const uint32_t ms = readLe32(p + 4);
            if (day != 0 || ms != 0) {
                const uint32_t seconds = ms / 1000;
                std::snprintf(text, sizeof text, "%s%02u%02u%02u", fieldcodec::julianDayText(day).c_str(), seconds / 3600 % 100,
                              seconds / 60 % 60, seconds % 60);
            }
        }
        break;
    default:
        break;
    }
    out = text;
    return out;
}

double DbfTable::number(int index) const
{
    const std::string_view bytes = fieldBytes(index);
    const FieldDef& f = fields_[static_cast<size_t>(index)];
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    double value = 0;
    switch (f.type) {
    case 'I':
        return f.width >= 4 ? static_cast<int32_t>(readLe32(p)) : 0;
    case 'B':
        if (f.width >= 8) {
            const uint64_t bits = readLe64(p);
            std::memcpy(&value, &bits, sizeof value);
        }
        return value;
    case 'Y':
        return f.width >= 8 ? static_cast<double>(static_cast<int64_t>(readLe64(p))) / 10000.0 : 0;
    default:
        return fieldcodec::parseNumber(textView(index), value) ? value : 0;
    }
}

bool DbfTable::logical(int index) const
{
    return field(index).type == 'L' && textView(index) == "T";
}

std::string DbfTable::dateText(int index) const
{
    const FieldDef& f = field(index);
    if (f.type == 'T')
        return std::string(textView(index).substr(0, 8));
    if (f.type == 'D')
        return std::string(trimRight(fieldBytes(index)));
    return {};
}

bool DbfTable::isEmpty(int index) const
{
    const FieldDef& f = field(index);
    const std::string_view bytes = fieldBytes(index);
    if (isMemoType(f.type))
        return memoBlock(f, current_) == 0;
    if (isBinaryStored(f))
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == 0; });
    if (f.type == 'L')
        return bytes[0] == ' ' || bytes[0] == '?';
    return trimRight(bytes).empty();
}

uint32_t DbfTable::memoBlock(const FieldDef& f, const uint8_t* bytes) const
{
    const uint8_t* p = bytes + f.offset;
    if (f.width == dbf::kMemoPointerBinaryWidth)
        return readLe32(p);
    // Only the digits count; some writers leave blanks or NULs around them.
    uint64_t block = 0;
    for (uint16_t i = 0; i < f.width; ++i)
        if (p[i] >= '0' && p[i] <= '9')
            block = std::min<uint64_t>(block * 10 + (p[i] - '0'), uint64_t{1} << 40);
    if (block > std::numeric_limits<uint32_t>::max())
        throw CorruptFileError("Table " + path_ + " is damaged: field " + f.name + " of record " +
                               std::to_string(recno_) + " points to memo block " + std::to_string(block));
    return static_cast<uint32_t>(block);
}

std::string DbfTable::memoText(int index) const
{
    const FieldDef& f = field(index);
    if (!isMemoType(f.type) || !memo_ || isNull(index))
        return {};
    return memo_->read(memoBlock(f, current_));
}

const uint8_t* DbfTable::peek(uint32_t recno)
{
    if (recno < 1 || recno > recordCount_)
        throw XbaseError("Table " + path_ + " has no record " + std::to_string(recno));
    if (recno > storedCount_)
        return appendBuffer_.data() + static_cast<size_t>(recno - storedCount_ - 1) * recordSize_;
    if (peekCount_ == 0 || recno < peekFirst_ || recno >= peekFirst_ + peekCount_) {
        const uint32_t perWindow = std::max<uint32_t>(1, static_cast<uint32_t>(kReadAheadBytes / recordSize_));
        peekFirst_ = recno;
        peekCount_ = std::min(perWindow, storedCount_ - recno + 1);
        peekWindow_.resize(static_cast<size_t>(peekCount_) * recordSize_);
        const size_t got = file_->readAt(recordOffset(recno), peekWindow_.data(), peekWindow_.size());
        if (got != peekWindow_.size()) {
            peekCount_ = 0;
            throw CorruptFileError("Table " + path_ + " is damaged: it ends inside record " +
                                   std::to_string(recno + got / recordSize_));
        }
    }
    return peekWindow_.data() + static_cast<size_t>(recno - peekFirst_) * recordSize_;
}

std::string DbfTable::memoTextOf(const uint8_t* recordBytes, int index) const
{
    const FieldDef& f = field(index);
    if (!isMemoType(f.type) || !memo_)
        return {};
    return memo_->read(memoBlock(f, recordBytes));
}

// ---------------------------------------------------------------- editing

void DbfTable::requireWritable() const
{
    if (!file_)
        throw XbaseError("Table " + path_ + " is closed");
    if (readOnly_)
        throw XbaseError("Cannot change " + path_ + ": it is open read-only");
}

uint8_t* DbfTable::editable()
{
    requireWritable();
    if (eof_)
        throw XbaseError("Cannot change " + path_ + ": there is no current record");
    if (!dirty_) {
        before_.assign(current_, current_ + recordSize_);
        edit_ = before_;
        current_ = edit_.data();
        dirty_ = true;
    }
    return edit_.data();
}

void DbfTable::writeFieldText(const FieldDef& f, std::string_view text)
{
    uint8_t* p = editable() + f.offset;
    const size_t n = std::min<size_t>(text.size(), f.width);
    if (n != 0)
        std::memcpy(p, text.data(), n);
    std::memset(p + n, ' ', f.width - n);
}

void DbfTable::writeNumber(const FieldDef& f, double value)
{
    fieldcodec::formatNumber(value, f.width, f.decimals, editable() + f.offset);
}

void DbfTable::setText(int index, std::string_view text)
{
    const FieldDef& f = field(index);
    const auto fail = [&](const char* why) {
        throw XbaseError("Cannot write \"" + std::string(text) + "\" to field " + f.name + " of " + path_ + ": " + why);
    };
    double value = 0;
    switch (f.type) {
    case 'C':
        writeFieldText(f, text);
        return;
    case 'N':
    case 'F':
    case 'I':
    case 'B':
    case 'Y':
        if (trimRight(text).empty() && (f.type == 'N' || f.type == 'F'))
            writeFieldText(f, {});
        else if (fieldcodec::parseNumber(text, value))
            setNumber(index, value);
        else
            fail("not a number");
        return;
    case 'L': {
        std::string_view t = trimLeft(trimRight(text));
        if (!t.empty() && t.front() == '.')
            t.remove_prefix(1);
        if (t.empty())
            writeFieldText(f, " ");
        else if (std::strchr("TtYy", t.front()))
            setLogical(index, true);
        else if (std::strchr("FfNn", t.front()))
            setLogical(index, false);
        else
            fail("not a logical value");
        return;
    }
    case 'D': {
        const std::string_view t = trimRight(text);
        if (!t.empty() && !fieldcodec::isCalendarDate(t))
            fail("a date is written as YYYYMMDD");
        writeFieldText(f, t);
        return;
    }
    default:
        if (isMemoType(f.type)) {
            setMemo(index, text);
            return;
        }
        fail("this field type cannot be written as text");
    }
}

void DbfTable::setNumber(int index, double value)
{
    const FieldDef& f = field(index);
    uint8_t* p = nullptr;
    // A damaged header can declare a binary field narrower than its value; never write past it.
    const uint16_t binaryWidth = f.type == 'I' ? 4 : (f.type == 'B' || f.type == 'Y') ? 8 : 0;
    if (f.width < binaryWidth)
        throw CorruptFileError("Table " + path_ + " is damaged: field " + f.name + " is too narrow for its type");
    switch (f.type) {
    case 'N':
    case 'F':
        writeNumber(f, value);
        return;
    case 'I':
        if (!(value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()))
            throw XbaseError("Cannot write " + std::to_string(value) + " to integer field " + f.name + " of " + path_);
        p = editable() + f.offset;
        writeLe32(p, static_cast<uint32_t>(static_cast<int32_t>(std::llround(value))));
        return;
    case 'B': {
        uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        writeLe64(editable() + f.offset, bits);
        return;
    }
    case 'Y':
        if (!(std::fabs(value) < 9.2e14))
            throw XbaseError("Cannot write " + std::to_string(value) + " to currency field " + f.name + " of " + path_);
        writeLe64(editable() + f.offset, static_cast<uint64_t>(std::llround(value * 10000.0)));
        return;
    default:
        throw XbaseError("Cannot write a number to field " + f.name + " of " + path_ + " (type " + f.type + ")");
    }
}

void DbfTable::setLogical(int index, bool value)
{
    const FieldDef& f = field(index);
    if (f.type != 'L')
        throw XbaseError("Cannot write a logical value to field " + f.name + " of " + path_);
    editable()[f.offset] = value ? 'T' : 'F';
}

void DbfTable::putMemoPointer(uint8_t* record, const FieldDef& f, uint32_t block) const
{
    uint8_t* p = record + f.offset;
    if (f.width == dbf::kMemoPointerBinaryWidth) {
        writeLe32(p, block);
        return;
    }
    const std::string digits = block ? std::to_string(block) : std::string();
    if (digits.size() > f.width)
        throw XbaseError("Cannot write to " + path_ + ": memo block " + digits + " does not fit field " + f.name);
    std::memset(p, ' ', f.width);
    std::memcpy(p + f.width - digits.size(), digits.data(), digits.size());
}

void DbfTable::setMemo(int index, std::string_view data)
{
    const FieldDef& f = field(index);
    if (!isMemoType(f.type))
        throw XbaseError("Field " + f.name + " of " + path_ + " is not a memo field");
    uint8_t* record = editable();
    if (!memo_)
        throw XbaseError("Cannot write to field " + f.name + " of " + path_ + ": the table has no memo file");
    uint32_t oldBlock = 0;
    try {
        oldBlock = memoBlock(f, record);
    } catch (const CorruptFileError&) {
        oldBlock = 0; // a damaged pointer is simply replaced
    }
    putMemoPointer(record, f, memo_->write(data, oldBlock));
    unsynced_ = true;
}

void DbfTable::putRecord(const uint8_t* bytes)
{
    std::memcpy(editable(), bytes, recordSize_);
}

void DbfTable::setDeleted(bool flagged)
{
    editable()[0] = flagged ? dbf::kDeletedFlag : dbf::kLiveFlag;
}

void DbfTable::appendBlank()
{
    requireWritable();
    commitRecord();
    if (recordCount_ == std::numeric_limits<uint32_t>::max())
        throw XbaseError("Cannot append to " + path_ + ": the table is full");
    ++recordCount_;
    recno_ = recordCount_;
    eof_ = bof_ = false;
    edit_ = blank_;
    current_ = edit_.data();
    dirty_ = true;
    currentIsNew_ = true;
}

void DbfTable::cancelAppend()
{
    if (!currentIsNew_)
        return;
    currentIsNew_ = false;
    dirty_ = false;
    --recordCount_;
    setEof();
}

void DbfTable::abandonUnstoredAppends()
{
    cancelAppend();
    if (recordCount_ == storedCount_ && appendBuffer_.empty())
        return;
    appendBuffer_.clear();
    dirty_ = false;
    recordCount_ = storedCount_;
    headerDirty_ = true;
    setEof();
    for (auto* listener : listeners_)
        listener->tableRewritten();
}

void DbfTable::commitRecord()
{
    if (!dirty_)
        return;
    dirty_ = false;
    if (currentIsNew_ || edit_ != before_)
        startBatch();
    headerDirty_ = true;
    if (currentIsNew_) {
        currentIsNew_ = false;
        appendBuffer_.insert(appendBuffer_.end(), edit_.begin(), edit_.end());
        for (auto* listener : listeners_)
            listener->recordWritten(recno_, nullptr, edit_.data());
        if (appendBuffer_.size() >= kAppendBatchBytes)
            flushAppends();
        return;
    }
    if (edit_ == before_)
        return;
    if (recno_ > storedCount_) {
        std::copy(edit_.begin(), edit_.end(),
                  appendBuffer_.begin() + static_cast<std::ptrdiff_t>(recno_ - storedCount_ - 1) * recordSize_);
    } else {
        file_->writeAt(recordOffset(recno_), edit_.data(), recordSize_);
        unsynced_ = true;
        if (windowCount_ != 0 && recno_ >= windowFirst_ && recno_ < windowFirst_ + windowCount_)
            std::copy(edit_.begin(), edit_.end(), window_.begin() + static_cast<std::ptrdiff_t>(recno_ - windowFirst_) * recordSize_);
        if (peekCount_ != 0 && recno_ >= peekFirst_ && recno_ < peekFirst_ + peekCount_)
            std::copy(edit_.begin(), edit_.end(), peekWindow_.begin() + static_cast<std::ptrdiff_t>(recno_ - peekFirst_) * recordSize_);
    }
    for (auto* listener : listeners_)
        listener->recordWritten(recno_, before_.data(), edit_.data());
}

void DbfTable::flushAppends()
{
    if (appendBuffer_.empty())
        return;
    const bool cursorInBuffer = current_ >= appendBuffer_.data() && current_ < appendBuffer_.data() + appendBuffer_.size();
    file_->writeAt(recordOffset(storedCount_ + 1), appendBuffer_.data(), appendBuffer_.size());
    unsynced_ = true;
    storedCount_ += static_cast<uint32_t>(appendBuffer_.size() / recordSize_);
    appendBuffer_.clear();
    headerDirty_ = true;
    if (cursorInBuffer)
        current_ = storedRecord(recno_);
}

void DbfTable::writeHeaderCount()
{
    if (!headerDirty_)
        return;
    const uint8_t endMark = dbf::kEndOfFile;
    file_->writeAt(recordOffset(storedCount_ + 1), &endMark, 1);
    writeLe32(&header_[dbf::kRecordCountOffset], storedCount_);
    dbf::stampHeaderDate(header_.data());
    file_->writeAt(0, header_.data(), dbf::kHeaderSize);
    headerDirty_ = false;
    unsynced_ = true;
}

void DbfTable::startBatch()
{
    if (batchOpen_)
        return;
    batchOpen_ = true; // first, so a listener that commits from inside does not start it twice
    for (auto* listener : listeners_)
        listener->batchStarting();
}

void DbfTable::addListener(TableListener* listener)
{
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void DbfTable::removeListener(TableListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// ---------------------------------------------------------------- pack and zap

void DbfTable::pack(const std::function<void(int)>& progress)
{
    requireWritable();
    commit();
    const std::string temporary = dbfpaths::packTemporary(path_);
    const std::string memoTemporary = memo_ ? dbfpaths::packTemporary(memo_->path()) : std::string();
    try {
        packInto(progress);
    } catch (...) {
        fs_.remove(temporary);
        if (memo_)
            fs_.remove(memoTemporary);
        throw;
    }
    replaceFilesAfterPack();
    for (auto* listener : listeners_)
        listener->tableRewritten();
    if (progress)
        progress(100);
    goTop();
}

void DbfTable::packInto(const std::function<void(int)>& progress)
{
    std::unique_ptr<MemoFile> newMemo;
    if (memo_)
        newMemo = MemoFile::create(fs_, dbfpaths::packTemporary(memo_->path()), memo_->kind(), memo_->blockSize(), true);
    auto newFile = fs_.create(dbfpaths::packTemporary(path_), true);

    std::vector<uint8_t> out;
    uint64_t writePos = headerLength_;
    uint32_t kept = 0;
    int reported = -1;
    lastLoaded_ = 0; // a forward walk from record 1 reads ahead
    for (uint32_t r = 1; r <= storedCount_; ++r) {
        const uint8_t* record = storedRecord(r);
        lastLoaded_ = r;
        if (record[0] == dbf::kDeletedFlag)
            continue;
        const size_t at = out.size();
        out.insert(out.end(), record, record + recordSize_);
        for (const auto& f : fields_) {
            if (!isMemoType(f.type) || !memo_)
                continue;
            const uint32_t block = memoBlock(f, record);
            if (block == 0)
                continue;
            const MemoFile::Entry entry = memo_->readEntry(block);
            putMemoPointer(out.data() + at, f, newMemo->write(entry.data, 0, entry.type));
        }
        ++kept;
        if (out.size() >= kAppendBatchBytes) {
            newFile->writeAt(writePos, out.data(), out.size());
            writePos += out.size();
            out.clear();
        }
        const int percent = static_cast<int>(uint64_t{r} * 99 / storedCount_);
        if (progress && percent != reported)
            progress(reported = percent);
    }
    out.push_back(dbf::kEndOfFile);
    newFile->writeAt(writePos, out.data(), out.size());
    std::vector<uint8_t> header = header_;
    writeLe32(&header[dbf::kRecordCountOffset], kept);
    dbf::stampHeaderDate(header.data());
    newFile->writeAt(0, header.data(), header.size());
    newFile->flush();
    if (newMemo)
        newMemo->flush();
}

void DbfTable::replaceFilesAfterPack()
{
    // Once the marker exists the new files are complete; an open after a crash finishes the swap.
    fs_.create(dbfpaths::packCommitMarker(path_), false)->flush();
    memo_.reset();
    file_.reset();
    recoverInterruptedPack(fs_, path_);
    openFiles();
}

void DbfTable::zap()
{
    requireWritable();
    commitRecord();
    appendBuffer_.clear();
    file_->truncate(headerLength_);
    recordCount_ = storedCount_ = 0;
    headerDirty_ = true;
    writeHeaderCount();
    if (memo_)
        memo_->clear();
    file_->flush();
    resetCursorState();
    for (auto* listener : listeners_)
        listener->tableRewritten();
    batchOpen_ = false; // the rebuilt indexes start clean
}

} // namespace xbase
