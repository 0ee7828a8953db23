#include "IdxIndex.h"

#include "BufferRecordView.h"
#include "CdxFormat.h"
#include "CdxNodeCodec.h"
#include "CdxPageStore.h"
#include "CdxTagBuilder.h"
#include "IndexRecordSource.h"
#include "FileIO.h"
#include "InvalidIndexError.h"

namespace xbase {

using namespace cdx;

namespace {

std::string baseName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.resize(dot);
    for (char& c : name)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

} // namespace

IdxIndex::IdxIndex(std::string path, const RecordView& layout) : path_(std::move(path)), layout_(layout) {}

IdxIndex::~IdxIndex() = default;

std::unique_ptr<IdxIndex> IdxIndex::create(FileSystem& fs, const std::string& path, const std::string& keyExpression,
                                           const ExpressionCompiler& compiler, const RecordView& layout)
{
    const auto key = compiler.compileKey(keyExpression, layout);
    if (key->keyLength() == 0 || key->keyLength() > kMaxKeyLength)
        throw XbaseError(path + ": key is " + std::to_string(key->keyLength()) + " bytes wide; at most 240 fit an index");
    if (keyExpression.size() + 2 > kPoolSize)
        throw XbaseError(path + ": key expression too long");
    {
        CdxPageStore store(fs.create(path, true), true);
        uint8_t bytes[kHeaderSize + kPageSize];
        CdxTagHeader header;
        header.root = kHeaderSize;
        header.keyLength = key->keyLength();
        header.options = kOptionCompact;
        header.keyExpression = keyExpression;
        header.serialize(bytes);
        CdxNode root;
        root.root = true;
        root.keyLength = header.keyLength;
        CdxNodeCodec(header.keyLength, CdxTag::fillerFor(key->keyType())).encode(root, bytes + kHeaderSize);
        store.write(0, bytes, sizeof bytes);
    }
    return open(fs, path, compiler, layout);
}

std::unique_ptr<IdxIndex> IdxIndex::build(FileSystem& fs, const std::string& path, const std::string& keyExpression,
                                          const ExpressionCompiler& compiler, IndexRecordSource& source)
{
    create(fs, path, keyExpression, compiler, source.layout()).reset();
    const auto key = compiler.compileKey(keyExpression, source.layout());
    {
        CdxPageStore store(fs.open(path, OpenMode::ReadWrite, true), false);
        CdxBuildTarget target;
        target.key = key.get();
        target.keyLength = key->keyLength();
        target.filler = CdxTag::fillerFor(key->keyType());
        target.headerOffset = 0;
        // The tree is written after the empty root that create() left; that page stays unused.
        CdxTagBuilder(store, source).build({target}, {});
    }
    return open(fs, path, compiler, source.layout());
}

std::unique_ptr<IdxIndex> IdxIndex::open(FileSystem& fs, const std::string& path, const ExpressionCompiler& compiler,
                                         const RecordView& layout)
{
    if (!fs.exists(path))
        throw InvalidIndexError(path + ": index file not found");
    std::unique_ptr<IdxIndex> index(new IdxIndex(path, layout));
    index->store_ = std::make_unique<CdxPageStore>(fs.open(path, OpenMode::ReadWrite, true), false);
    index->tag_ = std::make_unique<CdxTag>(*index->store_, 0, baseName(path), compiler, layout);
    return index;
}

void IdxIndex::remove(FileSystem& fs, const std::string& path)
{
    if (fs.exists(path))
        fs.remove(path);
}

bool IdxIndex::addKey(const RecordView& record) { return tag_->addKey(record); }

void IdxIndex::recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord)
{
    if (!oldRecord)
        return; // appended records join only by explicit adding
    BufferRecordView before(layout_);
    BufferRecordView after(layout_);
    before.point(oldRecord, recno);
    after.point(newRecord, recno);
    tag_->replaceKeyIfPresent(recno, before, after);
}

void IdxIndex::tableRewritten()
{
    // Record numbers changed wholesale: the explicitly added set no longer means anything.
    tag_->tree().clear();
}

} // namespace xbase
