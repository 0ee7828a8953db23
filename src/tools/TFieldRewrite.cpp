#include "TFieldRewrite.h"

#include "TRecordWalk.h"
#include "TUndoFile.h"

#include "data/TAddressTable.h"

namespace {

std::string_view Unpadded(std::string_view raw)
{
    while (!raw.empty() && raw.back() == ' ')
        raw.remove_suffix(1);
    return raw;
}

std::vector<int> FieldIndexes(TAddressTable& table, const QStringList& fields)
{
    std::vector<int> indexes;
    for (const QString& field : fields)
        indexes.push_back(table.Table().fieldIndex(field.toStdString()));
    return indexes;
}

} // namespace

TRewriteCounts TFieldRewrite::Find(TAddressTable& table, TCaseRecords records, const QStringList& fields, const TRule& rule,
                                   const TSink& sink, const TToolProgress& progress)
{
    TRewriteCounts counts;
    TRecordWalk walk(table); // condition, order and record put back
    if (records == TCaseRecords::crAll)
        table.SetFilterText(QString()); // every record not marked deleted
    const std::vector<int> indexes = FieldIndexes(table, fields);
    xbase::DbfTable& rows = table.Table();
    const uint32_t total = rows.recordCount();
    // The current record's changes; false when the sink or the progress stops the pass.
    const auto visit = [&]() {
        bool changed = false;
        for (size_t f = 0; f < indexes.size(); ++f) {
            if (indexes[f] < 0)
                continue;
            const std::string_view before = Unpadded(rows.fieldBytes(indexes[f]));
            std::string after = rule(f, before);
            const size_t width = rows.field(indexes[f]).width;
            if (after.size() > width)
                after.resize(width); // what the field will hold
            while (!after.empty() && after.back() == ' ')
                after.pop_back();
            if (after == before)
                continue;
            changed = true;
            ++counts.Values;
            if (!sink({rows.recordNumber(), static_cast<uint8_t>(f), std::string(before), std::move(after)})) {
                ++counts.Visited;
                ++counts.Records;
                return false;
            }
        }
        ++counts.Visited;
        counts.Records += changed ? 1 : 0;
        // Record order: how far the record number is through the file is how far the pass is.
        return !progress || progress({rows.recordNumber(), total, counts.Records});
    };
    if (records == TCaseRecords::crCurrent) {
        for (const uint32_t recno : walk.CurrentOnly()) {
            rows.go(recno);
            visit();
        }
        return counts;
    }
    // Nothing is written during the pass, so the set can be walked as it stands, in record
    // order: the first changes are found at once, without listing the set first.
    table.Area().setOrder(0);
    for (rows.goTop(); !rows.eof(); rows.skip())
        if (!visit())
            break;
    return counts;
}

uint32_t TFieldRewrite::Write(TAddressTable& table, const QStringList& fields, const std::vector<TValueChange>& changes,
                              const std::vector<bool>* include, TUndoFile* undo, const TToolProgress& progress)
{
    TRecordWalk walk(table);
    const std::vector<int> indexes = FieldIndexes(table, fields);
    xbase::DbfTable& rows = table.Table();
    uint32_t written = 0, records = 0, sinceCommit = 0;
    uint32_t current = 0;
    for (size_t i = 0; i < changes.size(); ++i) {
        const TValueChange& change = changes[i];
        if ((include && !(*include)[i]) || change.Field >= indexes.size() || indexes[change.Field] < 0)
            continue;
        if (change.Recno != current) {
            if (current != 0) {
                ++records;
                if (++sinceCommit == CommitEvery) {
                    rows.commit();
                    sinceCommit = 0;
                }
                if (progress && !progress({records, static_cast<uint32_t>(changes.size()), written}))
                    break;
            }
            current = change.Recno;
            rows.go(change.Recno);
        }
        const int index = indexes[change.Field];
        if (Unpadded(rows.fieldBytes(index)) != change.Before)
            continue; // changed since the pass: not ours to overwrite
        rows.setText(index, change.After);
        ++written;
        if (undo)
            undo->Add({change.Recno, fields[change.Field].toUpper().toStdString(), change.Before,
                       std::string(Unpadded(rows.fieldBytes(index)))});
    }
    rows.commit();
    return written;
}
