#include "WorkArea.h"

#include "InvalidIndexError.h"
#include "XbaseError.h"

#include <exception>

namespace xbase {

// A record read with DbfTable::peek, seen through the table's layout; memo text comes from the
// table's memo file.
class WorkArea::PeekView final : public RecordView {
public:
    explicit PeekView(DbfTable& table) : table_(table) {}
    const RecordView& at(uint32_t recno)
    {
        bytes_ = table_.peek(recno);
        recno_ = recno;
        return *this;
    }
    const std::vector<FieldDef>& fields() const override { return table_.fields(); }
    int fieldIndex(std::string_view name) const override { return table_.fieldIndex(name); }
    const uint8_t* record() const override { return bytes_; }
    uint32_t recordSize() const override { return table_.recordSize(); }
    uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int index) const override { return table_.memoTextOf(bytes_, index); }

private:
    DbfTable& table_;
    const uint8_t* bytes_ = nullptr;
    uint32_t recno_ = 0;
};

std::unique_ptr<WorkArea> WorkArea::open(FileSystem& fs, const std::string& path, WorkAreaOptions options)
{
    DbfOpenOptions tableOptions;
    tableOptions.readOnly = options.readOnly;
    tableOptions.exclusive = options.exclusive;
    std::unique_ptr<WorkArea> area(new WorkArea(fs, DbfTable::open(fs, path, tableOptions)));
    area->table_->setFlaggedHidden(options.hideFlagged);
    if (options.openIndex) {
        const std::string indexPath = CdxIndex::pathForTable(path);
        if (area->table_->hasStructuralIndex() || fs.exists(indexPath)) {
            try {
                area->attachIndex(CdxIndex::open(fs, indexPath, area->compiler_, *area));
            } catch (const XbaseError& error) {
                area->indexProblem_ = error.what();
            }
        }
    }
    area->table_->goTop();
    return area;
}

WorkArea::WorkArea(FileSystem& fs, std::unique_ptr<DbfTable> table)
    : fs_(fs), table_(std::move(table)), peekView_(std::make_unique<PeekView>(*table_))
{
    query_ = std::make_unique<Query>(static_cast<RecordScanner&>(*this));
    table_->addListener(query_.get());
}

WorkArea::~WorkArea()
{
    try {
        close();
    } catch (...) {
        // A destructor cannot report; callers who care call close() themselves.
    }
}

void WorkArea::close()
{
    if (!table_)
        return;
    // The last edit is written while the index and the query still hear of it. Whatever it
    // throws, the index and the query are detached first, so the table never calls them dead.
    std::exception_ptr failure;
    try {
        table_->commit();
    } catch (...) {
        failure = std::current_exception();
    }
    table_->setFilter(nullptr);
    table_->setOrder(nullptr);
    externalOrder_ = nullptr;
    if (index_) {
        table_->removeListener(index_.get());
        index_.reset();
    }
    table_->removeListener(query_.get());
    query_.reset();
    auto table = std::move(table_);
    try {
        table->close();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void WorkArea::attachIndex(std::unique_ptr<CdxIndex> index)
{
    detachIndex();
    index_ = std::move(index);
    // The index hears of changes before the query, so a rebuilt bitmap sees rebuilt tags.
    table_->removeListener(query_.get());
    table_->addListener(index_.get());
    table_->addListener(query_.get());
    index_->setExact(exact_);
    indexProblem_.clear();
    installOrderAndFilter();
}

void WorkArea::detachIndex()
{
    if (!index_)
        return;
    table_->setOrder(nullptr);
    table_->removeListener(index_.get());
    index_.reset();
    installOrderAndFilter();
}

void WorkArea::installOrderAndFilter()
{
    CdxTag* tag = index_ && !externalOrder_ ? index_->currentTag() : nullptr;
    RecordOrder* tagOrder = externalOrder_ ? externalOrder_ : tag;
    if (tag) {
        // A condition that pins the order's own key to a range lets the cursor start and stop
        // there instead of walking the whole tag past records outside the set.
        tag->clearScope();
        if (query_ && query_->hasCondition())
            for (const auto& range : query_->enclosingRanges())
                if (range.tagIndex + 1 == index_->orderNumber())
                    tag->setScope(range.low, range.high);
    }
    if (query_ && query_->hasCondition()) {
        table_->setFilter(&query_->filter());
        // In record order the set's bitmap leads the cursor from member to member.
        table_->setOrder(tagOrder ? tagOrder : &query_->recordOrder());
    } else {
        table_->setFilter(nullptr);
        table_->setOrder(tagOrder);
    }
}

// ---------------------------------------------------------------- index

CdxIndex& WorkArea::createIndex()
{
    const std::string path = CdxIndex::pathForTable(table_->path());
    detachIndex();
    attachIndex(CdxIndex::create(fs_, path, compiler_, *this));
    table_->setStructuralIndex(true);
    table_->commit();
    return *index_;
}

void WorkArea::deleteIndex()
{
    const std::string path = index_ ? index_->path() : CdxIndex::pathForTable(table_->path());
    detachIndex();
    CdxIndex::remove(fs_, path);
    indexProblem_.clear();
    if (!table_->isReadOnly() && table_->hasStructuralIndex()) {
        table_->setStructuralIndex(false);
        table_->commit();
    }
}

void WorkArea::createTags(const std::vector<TagSpec>& specs, const Progress& progress)
{
    if (!index_)
        createIndex();
    table_->commit(); // what is counted or indexed includes the edit in progress
    index_->createTags(specs, progress);
    installOrderAndFilter();
}

size_t WorkArea::tagNumber(std::string_view name) const { return index_ ? index_->tagNumber(name) : 0; }

std::string WorkArea::tagName(size_t number) const
{
    if (!index_ || number == 0 || number > index_->tagCount())
        return std::string();
    return index_->tag(number).name();
}

void WorkArea::setExternalOrder(RecordOrder* order)
{
    table_->commit();
    externalOrder_ = order;
    installOrderAndFilter();
}

void WorkArea::setOrder(size_t number)
{
    externalOrder_ = nullptr;
    if (number == 0 && !index_) {
        installOrderAndFilter();
        return;
    }
    if (!index_)
        throw XbaseError("Table " + table_->path() + " has no index to take order " + std::to_string(number) + " from");
    index_->setOrder(number);
    installOrderAndFilter();
}

void WorkArea::setExact(bool exact)
{
    exact_ = exact;
    compiler_.setExact(exact);
    query_->setExact(exact);
    if (index_)
        index_->setExact(exact);
}

bool WorkArea::seek(std::string_view key)
{
    if (!index_ || !index_->currentTag()) {
        table_->go(0);
        return false;
    }
    table_->commit();
    index_->setSoftSeek(soft_);
    const SeekResult result = index_->seek(key);
    table_->go(result.recno);
    return index_->found();
}

// ---------------------------------------------------------------- record set

void WorkArea::setCondition(std::string_view condition)
{
    table_->commit(); // what is counted or indexed includes the edit in progress
    query_->setCondition(condition);
    installOrderAndFilter();
}

uint32_t WorkArea::count()
{
    table_->commit(); // what is counted or indexed includes the edit in progress
    return query_->count();
}

bool WorkArea::test(std::string_view condition) { return query_->test(condition, *table_); }

std::string WorkArea::evaluateText(std::string_view expression) { return query_->evaluateText(expression, *table_); }

// ---------------------------------------------------------------- upkeep

void WorkArea::pack(const Progress& progress)
{
    rewrite([&] { table_->pack(progress); });
}

void WorkArea::zap()
{
    rewrite([&] { table_->zap(); });
}

void WorkArea::rewrite(const std::function<void()>& work)
{
    // Rewriting the table makes the index rebuild its tags as new objects: the cursor must not
    // hold the old order (or a filter built on it) while that happens.
    table_->setOrder(nullptr);
    table_->setFilter(nullptr);
    try {
        work();
    } catch (...) {
        installOrderAndFilter();
        throw;
    }
    if (query_->hasCondition())
        query_->count(); // the set is built again before the cursor relies on it
    installOrderAndFilter();
    table_->goTop();
}

std::vector<std::string> WorkArea::checkIndex(size_t maxFaults)
{
    if (!indexProblem_.empty())
        return {indexProblem_};
    if (!index_)
        return {"Table " + table_->path() + " has no index"};
    table_->commit(); // what is counted or indexed includes the edit in progress
    return index_->check(maxFaults);
}

// ---------------------------------------------------------------- record sources

void WorkArea::forEachRecord(const std::function<void(const RecordView&)>& visit)
{
    table_->commit(); // a pending edit is part of what the index must hold
    const uint32_t count = table_->recordCount();
    for (uint32_t recno = 1; recno <= count; ++recno)
        visit(peekView_->at(recno));
}

const RecordView& WorkArea::readRecord(uint32_t recno) { return peekView_->at(recno); }

} // namespace xbase
