#include "CdxIndex.h"

#include "BufferRecordView.h"
#include "CdxChecker.h"
#include "CdxFormat.h"
#include "CdxPageStore.h"
#include "CdxTagBuilder.h"
#include "CdxTree.h"
#include "FileIO.h"
#include "IndexRecordSource.h"
#include "InvalidIndexError.h"
#include "RecordView.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace xbase {

using namespace cdx;

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string directoryKey(const std::string& name)
{
    std::string key = name;
    key.resize(kTagNameLength, ' ');
    return key;
}

std::string trimName(const uint8_t* key)
{
    size_t n = kTagNameLength;
    while (n > 0 && (key[n - 1] == ' ' || key[n - 1] == 0))
        --n;
    return std::string(reinterpret_cast<const char*>(key), n);
}

void checkTagName(const std::string& name)
{
    const bool valid = !name.empty() && name.size() <= kTagNameLength
                       && (std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')
                       && std::all_of(name.begin(), name.end(), [](char c) {
                              return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
                          });
    if (!valid)
        throw XbaseError("invalid tag name \"" + name + "\"");
}

} // namespace

CdxIndex::CdxIndex(FileSystem& fs, std::string path, const ExpressionCompiler& compiler, IndexRecordSource& source)
    : fs_(fs), path_(std::move(path)), compiler_(compiler), source_(source)
{
}

CdxIndex::~CdxIndex()
{
    try {
        if (store_)
            store_->commit();
    } catch (...) {
        // A destructor cannot report; the mark stays and the next open offers the rebuild.
    }
}

std::unique_ptr<CdxIndex> CdxIndex::open(FileSystem& fs, const std::string& path, const ExpressionCompiler& compiler,
                                         IndexRecordSource& source)
{
    if (!fs.exists(path))
        throw InvalidIndexError(path + ": index file not found");
    std::unique_ptr<CdxIndex> index(new CdxIndex(fs, path, compiler, source));
    index->load();
    return index;
}

std::unique_ptr<CdxIndex> CdxIndex::create(FileSystem& fs, const std::string& path, const ExpressionCompiler& compiler,
                                           IndexRecordSource& source)
{
    {
        CdxPageStore store(fs.create(path, true), true);
        uint8_t bytes[kHeaderSize + kPageSize];
        CdxTagHeader header;
        header.root = kHeaderSize;
        header.keyLength = kTagNameLength;
        header.options = kOptionCompact | kOptionCompound | kOptionDirectory;
        header.serialize(bytes);
        CdxNode directoryRoot;
        directoryRoot.root = true;
        directoryRoot.keyLength = kTagNameLength;
        CdxNodeCodec(kTagNameLength, ' ').encode(directoryRoot, bytes + kHeaderSize);
        store.write(0, bytes, sizeof bytes);
    }
    return open(fs, path, compiler, source);
}

std::string CdxIndex::pathForTable(const std::string& tablePath)
{
    const size_t slash = tablePath.find_last_of('/');
    const size_t dot = tablePath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string base = hasExtension ? tablePath.substr(0, dot) : tablePath;
    const bool lowerExtension = hasExtension && dot + 1 < tablePath.size()
                                && std::islower(static_cast<unsigned char>(tablePath[dot + 1]));
    return base + (lowerExtension ? ".cdx" : ".CDX");
}

void CdxIndex::remove(FileSystem& fs, const std::string& path)
{
    if (fs.exists(path))
        fs.remove(path);
}

void CdxIndex::load()
{
    store_ = std::make_unique<CdxPageStore>(fs_.open(path_, OpenMode::ReadWrite, true), false,
                                            CdxPageStore::Marking::On);
    if (store_->markedAtOpen()) {
        store_.reset();
        throw InvalidIndexError(path_ + ": the index was being written when the program stopped and may be out of "
                                        "step with the table");
    }
    store_->setDeferred(true);
    uint8_t bytes[kHeaderSize];
    store_->readHeader(0, bytes);
    const CdxTagHeader header = CdxTagHeader::parse(bytes, path_);
    if (header.keyLength != kTagNameLength)
        throw InvalidIndexError(path_ + ": not a compound index (no tag directory)");
    directory_ = std::make_unique<CdxTree>(*store_, 0, kTagNameLength, ' ');

    std::vector<std::pair<uint32_t, std::string>> entries;
    for (auto p = directory_->first(); p.valid(); p = directory_->next(p)) {
        const uint32_t offset = p.recno();
        if (offset < kHeaderSize || offset % kPageSize != 0 || uint64_t(offset) + kHeaderSize > store_->size())
            throw InvalidIndexError(path_ + ": tag directory points outside the file");
        entries.emplace_back(offset, trimName(p.key()));
    }
    std::sort(entries.begin(), entries.end()); // header order is creation order
    for (size_t i = 1; i < entries.size(); ++i)
        if (entries[i].first == entries[i - 1].first)
            throw InvalidIndexError(path_ + ": two tags share one header");
    tags_.clear();
    for (auto& [offset, name] : entries)
        tags_.push_back(std::make_unique<CdxTag>(*store_, offset, name, compiler_, source_.layout()));
    order_ = 0;
}

void CdxIndex::unload()
{
    tags_.clear();
    directory_.reset();
    store_.reset();
    order_ = 0;
}

CdxTag& CdxIndex::tag(size_t number)
{
    if (number == 0 || number > tags_.size())
        throw XbaseError(path_ + ": no tag number " + std::to_string(number));
    return *tags_[number - 1];
}

size_t CdxIndex::tagNumber(std::string_view name) const
{
    const std::string wanted = upper(name);
    for (size_t i = 0; i < tags_.size(); ++i)
        if (upper(tags_[i]->name()) == wanted)
            return i + 1;
    return 0;
}

void CdxIndex::createTag(const TagSpec& spec, const Progress& progress) { createTags({spec}, progress); }

void CdxIndex::createTags(const std::vector<TagSpec>& specs, const Progress& progress)
{
    struct Prepared {
        std::string name;
        std::unique_ptr<KeyExpression> key;
        std::unique_ptr<KeyCondition> condition;
        CdxTagHeader header;
        uint32_t offset = 0;
    };
    std::vector<Prepared> prepared;
    for (const TagSpec& spec : specs) {
        Prepared p;
        p.name = upper(spec.name);
        checkTagName(p.name);
        for (const Prepared& other : prepared)
            if (other.name == p.name)
                throw XbaseError("tag " + p.name + " given twice");
        p.key = compiler_.compileKey(spec.keyExpression, source_.layout());
        if (p.key->keyLength() == 0 || p.key->keyLength() > kMaxKeyLength)
            throw XbaseError("key of tag " + p.name + " is " + std::to_string(p.key->keyLength())
                             + " bytes wide; at most 240 fit an index");
        if (spec.keyExpression.size() + spec.forExpression.size() + 2 > kPoolSize)
            throw XbaseError("expressions of tag " + p.name + " are too long");
        if (!spec.forExpression.empty())
            p.condition = compiler_.compileCondition(spec.forExpression, source_.layout());
        p.header.keyLength = p.key->keyLength();
        p.header.options = uint8_t(kOptionCompact | kOptionCompound | (spec.unique ? kOptionUnique : 0)
                                   | (p.condition ? kOptionFor : 0));
        p.header.descending = spec.descending;
        p.header.keyExpression = spec.keyExpression;
        p.header.forExpression = spec.forExpression;
        prepared.push_back(std::move(p));
    }
    for (const Prepared& p : prepared)
        if (tagNumber(p.name) != 0)
            deleteTag(p.name);

    std::vector<CdxBuildTarget> targets;
    for (Prepared& p : prepared) {
        p.offset = store_->appendPages(2);
        uint8_t bytes[kHeaderSize];
        p.header.serialize(bytes);
        store_->write(p.offset, bytes, kHeaderSize);
        targets.push_back({p.key.get(), p.condition.get(), p.header.keyLength, CdxTag::fillerFor(p.key->keyType()),
                           p.header.unique(), p.offset});
    }
    CdxTagBuilder(*store_, source_).build(targets, progress);
    for (const Prepared& p : prepared) {
        const std::string key = directoryKey(p.name);
        directory_->insert(reinterpret_cast<const uint8_t*>(key.data()), p.offset);
        tags_.push_back(std::make_unique<CdxTag>(*store_, p.offset, p.name, compiler_, source_.layout()));
    }
    store_->touch();
    store_->commit();
    order_ = tags_.size();
}

void CdxIndex::deleteTag(std::string_view name)
{
    const size_t number = tagNumber(name);
    if (number == 0)
        throw XbaseError(path_ + ": no tag " + std::string(name));
    CdxTag& victim = *tags_[number - 1];
    const uint32_t offset = victim.tree().headerOffset();
    victim.tree().freeAllPages();
    const std::string key = directoryKey(upper(victim.name()));
    directory_->remove(reinterpret_cast<const uint8_t*>(key.data()), offset);
    store_->freePage(offset);
    store_->freePage(offset + kPageSize);
    tags_.erase(tags_.begin() + ptrdiff_t(number - 1));
    if (order_ == number)
        order_ = 0;
    else if (order_ > number)
        --order_;
    store_->touch();
    store_->commit();
}

void CdxIndex::reindex(const Progress& progress)
{
    std::vector<TagSpec> specs;
    for (const auto& tag : tags_) {
        const TagDescription d = tag->description();
        specs.push_back({d.name, d.keyExpression, d.forExpression, d.descending, d.unique});
    }
    const size_t order = order_;
    const std::string fresh = path_ + ".new";
    try {
        create(fs_, fresh, compiler_, source_)->createTags(specs, progress);
    } catch (...) {
        remove(fs_, fresh); // the old index stays as it was
        throw;
    }
    unload();
    fs_.rename(fresh, path_);
    load();
    order_ = order <= tags_.size() ? order : 0;
}

RecordOrder* CdxIndex::setOrder(size_t number)
{
    if (number > tags_.size())
        throw XbaseError(path_ + ": no tag number " + std::to_string(number));
    order_ = number;
    return currentTag();
}

SeekResult CdxIndex::seek(std::string_view key)
{
    CdxTag* tag = currentTag();
    const SeekResult result = tag ? tag->seek(key, exact_, soft_) : SeekResult{};
    found_ = result.found;
    return result;
}

void CdxIndex::setScope(const KeyBound& top, const KeyBound& bottom)
{
    if (CdxTag* tag = currentTag())
        tag->setScope(top, bottom);
}

uint32_t CdxIndex::keyCount()
{
    CdxTag* tag = currentTag();
    return tag ? tag->keyCount() : source_.recordCount();
}

std::vector<std::string> CdxIndex::check(size_t maxFaults)
{
    CdxChecker checker(source_, maxFaults);
    checker.checkTree(*directory_, "tag directory", nullptr);
    for (const auto& tag : tags_)
        checker.checkTag(*tag);
    return checker.faults();
}

void CdxIndex::recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord)
{
    BufferRecordView before(source_.layout());
    BufferRecordView after(source_.layout());
    if (oldRecord)
        before.point(oldRecord, recno);
    after.point(newRecord, recno);
    std::string vacated;
    for (const auto& tag : tags_)
        if (tag->recordChanged(recno, oldRecord ? &before : nullptr, &after, vacated))
            findNextHolder(*tag, vacated);
    if (!touched_) {
        store_->touch(); // once per session: other engines only need to see that the file moved on
        touched_ = true;
    }
}

void CdxIndex::findNextHolder(CdxTag& tag, const std::string& key)
{
    // A unique tag holds the first record of each key; when that record lets go, the next one
    // with the key must step in, or a seek would miss records that are there.
    uint32_t holder = 0;
    std::string candidate;
    source_.forEachRecord([&](const RecordView& record) {
        if (holder != 0 || !tag.includes(record))
            return;
        tag.computeKey(record, candidate);
        if (candidate == key)
            holder = record.recordNumber();
    });
    if (holder != 0)
        tag.takeOver(key, holder);
}

void CdxIndex::tableRewritten() { reindex(); }

void CdxIndex::batchStarting() { store_->markWriting(); }

void CdxIndex::commit() { store_->commit(); }

void CdxIndex::setHeldPageLimit(size_t pages) { store_->setHeldLimit(pages); }

uint64_t CdxIndex::pagesWritten() const { return store_->pagesWritten(); }

std::vector<TagDescription> CdxIndex::tagDescriptions() const
{
    std::vector<TagDescription> result;
    for (const auto& tag : tags_)
        result.push_back(tag->description());
    return result;
}

void CdxIndex::visitRange(size_t tagIndex, const KeyBound& low, const KeyBound& high,
                          const std::function<void(uint32_t recno)>& visit)
{
    if (tagIndex >= tags_.size())
        throw XbaseError(path_ + ": no tag at position " + std::to_string(tagIndex));
    tags_[tagIndex]->visitRange(low, high, visit);
}

} // namespace xbase
