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
    TRecordWalk walk(table);
    if (records == TCaseRecords::crAll)
        table.SetFilterText(QString()); // every record not marked deleted; the walk puts the filter back
    const std::vector<uint32_t> members = records == TCaseRecords::crCurrent ? walk.CurrentOnly() : walk.Members();
    const std::vector<int> indexes = FieldIndexes(table, fields);
    xbase::DbfTable& rows = table.Table();
    const int widthLimit = 254;
    for (const uint32_t recno : members) {
        rows.go(recno);
        bool changed = false;
        for (size_t f = 0; f < indexes.size(); ++f) {
            if (indexes[f] < 0)
                continue;
            const std::string_view before = Unpadded(rows.fieldBytes(indexes[f]));
            std::string after = rule(f, before);
            const size_t width = std::min<size_t>(rows.field(indexes[f]).width, widthLimit);
            if (after.size() > width)
                after.resize(width); // what the field will hold
            while (!after.empty() && after.back() == ' ')
                after.pop_back();
            if (after == before)
                continue;
            changed = true;
            ++counts.Values;
            if (!sink({recno, static_cast<uint8_t>(f), std::string(before), std::move(after)})) {
                ++counts.Visited;
                ++counts.Records;
                return counts;
            }
        }
        ++counts.Visited;
        counts.Records += changed ? 1 : 0;
        if (progress && !progress({counts.Visited, static_cast<uint32_t>(members.size()), counts.Records}))
            break;
    }
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
