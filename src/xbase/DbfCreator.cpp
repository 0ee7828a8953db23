#include "DbfCreator.h"

#include "DbfFormat.h"
#include "DbfPaths.h"
#include "DbfTable.h"
#include "MemoFile.h"
#include "XbaseError.h"

#include <algorithm>
#include <cctype>

namespace xbase {
namespace {

std::string upperName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

void checkName(const std::string& name)
{
    const bool sizeOk = !name.empty() && name.size() <= dbf::kMaxFieldNameLength;
    const bool charsOk = std::all_of(name.begin(), name.end(), [](char c) {
        return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_';
    });
    if (!sizeOk || !charsOk || !std::isupper(static_cast<unsigned char>(name.front())))
        throw XbaseError("Invalid field name \"" + name + "\": use 1 to 10 letters, digits or _, starting with a letter");
}

void checkSize(const FieldDef& field)
{
    const auto fail = [&](const std::string& why) {
        throw XbaseError("Invalid field " + field.name + ": " + why);
    };
    switch (field.type) {
    case 'C':
        if (field.width < 1)
            fail("a character field needs a width of at least 1");
        break;
    case 'N':
    case 'F':
        if (field.width < 1 || field.width > dbf::kMaxNumericWidth)
            fail("a numeric field is 1 to 20 wide");
        if (field.decimals > 0 && field.decimals + 2 > field.width)
            fail("the decimals leave no room for the point and a digit");
        break;
    case 'L':
    case 'D':
    case 'M':
        break;
    default:
        fail(std::string("type ") + field.type + " cannot be created (use C, N, F, L, D or M)");
    }
}

} // namespace

DbfCreator& DbfCreator::addField(std::string_view name, char type, uint16_t width, uint8_t decimals)
{
    FieldDef field;
    field.name = upperName(name);
    field.type = static_cast<char>(std::toupper(static_cast<unsigned char>(type)));
    checkName(field.name);
    for (const auto& existing : fields_)
        if (existing.name == field.name)
            throw XbaseError("Field " + field.name + " is declared twice");
    switch (field.type) {
    case 'L': width = 1; decimals = 0; break;
    case 'D': width = 8; decimals = 0; break;
    case 'M': width = dbf::kMemoPointerTextWidth; decimals = 0; break;
    case 'C': decimals = 0; break;
    default: break;
    }
    field.width = width;
    field.decimals = decimals;
    checkSize(field);
    if (recordSize_ + width > 0xFFFF)
        throw XbaseError("Field " + field.name + " makes the record longer than 65535 bytes");
    field.offset = recordSize_;
    recordSize_ += width;
    fields_.push_back(field);
    return *this;
}

DbfCreator DbfCreator::copyStructureOf(const DbfTable& table)
{
    DbfCreator creator;
    for (const auto& field : table.fields()) {
        if (field.flags & dbf::kFieldSystem)
            continue; // the wider dialect's hidden null-flag column is not a field of the copy
        const char type = field.type == 'G' || field.type == 'P' ? 'M' : field.type;
        creator.addField(field.name, type, field.width, field.decimals);
    }
    if (table.memoBlockSize() != 0)
        creator.setMemoBlockSize(table.memoBlockSize());
    creator.setCodePage(table.codePage());
    return creator;
}

DbfCreator& DbfCreator::setMemoBlockSize(uint32_t bytes)
{
    if (bytes == 0 || bytes > 0xFFFF)
        throw XbaseError("Invalid memo block size " + std::to_string(bytes) + ": use 1 to 65535 bytes");
    memoBlockSize_ = bytes;
    return *this;
}

DbfCreator& DbfCreator::setCodePage(uint8_t codePage)
{
    codePage_ = codePage;
    return *this;
}

bool DbfCreator::hasMemo() const
{
    return std::any_of(fields_.begin(), fields_.end(), [](const FieldDef& f) { return f.type == 'M'; });
}

std::vector<uint8_t> DbfCreator::headerBytes() const
{
    const size_t headerLength = dbf::kHeaderSize + fields_.size() * dbf::kDescriptorSize + 1;
    std::vector<uint8_t> header(headerLength + 1, 0);
    header[dbf::kVersionOffset] = hasMemo() ? dbf::kVersionFoxMemo : dbf::kVersionPlain;
    dbf::stampHeaderDate(header.data());
    writeLe16(&header[dbf::kHeaderLengthOffset], static_cast<uint16_t>(headerLength));
    writeLe16(&header[dbf::kRecordLengthOffset], static_cast<uint16_t>(recordSize_));
    header[dbf::kCodePageOffset] = codePage_;
    uint8_t* descriptor = &header[dbf::kHeaderSize];
    for (const auto& field : fields_) {
        std::copy(field.name.begin(), field.name.end(), descriptor);
        descriptor[dbf::kDescriptorTypeOffset] = static_cast<uint8_t>(field.type);
        writeLe32(descriptor + dbf::kDescriptorDisplacementOffset, field.offset);
        // Character fields wider than 255 keep the high byte of the width in the decimals byte.
        descriptor[dbf::kDescriptorWidthOffset] = static_cast<uint8_t>(field.width & 0xFF);
        descriptor[dbf::kDescriptorDecimalsOffset] =
            field.type == 'C' ? static_cast<uint8_t>(field.width >> 8) : field.decimals;
        descriptor += dbf::kDescriptorSize;
    }
    header[headerLength - 1] = dbf::kHeaderTerminator;
    header[headerLength] = dbf::kEndOfFile;
    return header;
}

void DbfCreator::create(FileSystem& fs, const std::string& path) const
{
    if (fields_.empty())
        throw XbaseError("Cannot create " + path + ": a table needs at least one field");
    if (hasMemo())
        MemoFile::create(fs, dbfpaths::withExtension(path, "FPT"), MemoKind::Fpt, memoBlockSize_, true)->flush();
    const auto header = headerBytes();
    auto file = fs.create(path, true);
    file->writeAt(0, header.data(), header.size());
    file->flush();
}

} // namespace xbase
