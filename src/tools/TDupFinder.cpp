#include "TDupFinder.h"

#include "TResultIndex.h"
#include "TSimilarKey.h"

#include "data/TAddressTable.h"
#include "settings/TProgramFolder.h"
#include "xbase/TextCase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct TKeyedRecord {
    std::string Sort;  // the tag's key, upper-cased, without trailing blanks
    std::string Match; // what is compared with the previous record
    uint32_t Recno = 0;
    bool Part = false; // takes part in the comparison
};

std::string Upper(std::string_view text)
{
    std::string out(text);
    xbase::TextCase::toUpper(out.data(), out.size());
    return out;
}

// Orders as the tag does: keys compare as if blank-padded to one width.
bool PaddedLess(const TKeyedRecord& a, const TKeyedRecord& b)
{
    const size_t common = std::min(a.Sort.size(), b.Sort.size());
    if (const int c = std::memcmp(a.Sort.data(), b.Sort.data(), common); c != 0)
        return c < 0;
    const bool aLonger = a.Sort.size() > b.Sort.size();
    const std::string& longer = aLonger ? a.Sort : b.Sort;
    for (size_t i = common; i < longer.size(); ++i) {
        const auto c = static_cast<unsigned char>(longer[i]);
        if (c != ' ')
            return aLonger ? c < ' ' : c > ' ';
    }
    return a.Recno < b.Recno;
}

class TScan {
public:
    TScan(TAddressTable& table, const TToolProgress& progress) : Table(table), Progress(progress) {}

    // Reads every record of the set in record order; false when stopped.
    template <typename TRead> bool ForEach(TRead read)
    {
        xbase::WorkArea& area = Table.Area();
        xbase::DbfTable& records = Table.Table();
        const size_t savedOrder = area.order();
        Total = Table.Count();
        area.setOrder(0);
        bool complete = true;
        try {
            uint32_t done = 0;
            for (records.goTop(); !records.eof(); records.skip()) {
                if (!records.isFlaggedDeleted())
                    read(records);
                ++done;
                if (Progress && !Progress({done, Total * 2, 0})) {
                    complete = false;
                    break;
                }
            }
        } catch (...) {
            area.setOrder(savedOrder);
            throw;
        }
        area.setOrder(savedOrder);
        return complete;
    }

    bool Step(uint32_t i, uint32_t found) { return !Progress || Progress({Total + i, Total * 2, found}); }

private:
    TAddressTable& Table;
    const TToolProgress& Progress;
    uint32_t Total = 0;
};

uint32_t ExactCheck(TAddressTable& table, TResultIndex& result, const TDupOptions& options, const TToolProgress& progress)
{
    xbase::DbfTable& records = table.Table();
    const int lname = records.fieldIndex("LNAME");
    const int fname = records.fieldIndex("FNAME");
    const int street = records.fieldIndex("STREET");
    const size_t streetChars = static_cast<size_t>(std::clamp(options.StreetChars, 1, TDupFinder::MaxStreetChars));
    std::vector<TKeyedRecord> keyed;
    keyed.reserve(table.Count());
    TScan scan(table, progress);
    const bool complete = scan.ForEach([&](const xbase::DbfTable& r) {
        TKeyedRecord k;
        k.Recno = r.recordNumber();
        if (options.Kind == TDupKind::dkStreet) {
            const std::string_view value = r.textView(street);
            k.Sort = Upper(value);
            k.Match = k.Sort.substr(0, std::min(streetChars, k.Sort.size()));
            k.Part = !k.Match.empty();
        } else {
            const std::string_view last = r.textView(lname);
            const std::string_view first = r.textView(fname);
            k.Sort = Upper(last);
            k.Sort += Upper(first);
            k.Match = options.Kind == TDupKind::dkLastFirst ? k.Sort : Upper(last) + Upper(first.substr(0, 1));
            k.Part = !last.empty();
        }
        keyed.push_back(std::move(k));
    });
    if (!complete)
        return 0;
    std::sort(keyed.begin(), keyed.end(), PaddedLess);

    // The previous key starts as "-" for each of its parts.
    std::string previous = options.Kind == TDupKind::dkStreet ? "-" : "--";
    uint32_t previousRecno = 0;
    uint32_t count = 0;
    std::vector<uint32_t> listed;
    for (size_t i = 0; i < keyed.size(); ++i) {
        const TKeyedRecord& k = keyed[i];
        if (k.Part && k.Match == previous) {
            if (previousRecno != 0)
                listed.push_back(previousRecno);
            listed.push_back(k.Recno);
            ++count;
        }
        previous = k.Match;
        previousRecno = k.Recno;
        if (!scan.Step(static_cast<uint32_t>(i + 1), count))
            break;
    }
    result.Add(std::move(listed));
    return count;
}

struct TSimilarRecord {
    std::string Group; // folded ZIP and street
    std::string Name;  // folded last and first name
    uint32_t Recno = 0;
};

uint32_t SimilarCheck(TAddressTable& table, TResultIndex& result, const TToolProgress& progress, const TSimilarKey& keys)
{
    xbase::DbfTable& records = table.Table();
    const int lname = records.fieldIndex("LNAME");
    const int fname = records.fieldIndex("FNAME");
    const int street = records.fieldIndex("STREET");
    const int zip = records.fieldIndex("ZIP");
    std::vector<TSimilarRecord> keyed;
    keyed.reserve(table.Count());
    TScan scan(table, progress);
    const bool complete = scan.ForEach([&](const xbase::DbfTable& r) {
        const std::string_view last = r.textView(lname);
        if (last.empty())
            return; // no last name: no part in a name check
        TSimilarRecord k;
        k.Recno = r.recordNumber();
        k.Group = keys.Zip(r.textView(zip));
        k.Group += '|';
        k.Group += keys.Street(r.textView(street));
        k.Name = keys.Name(last);
        k.Name += keys.Name(r.textView(fname));
        keyed.push_back(std::move(k));
    });
    if (!complete)
        return 0;
    std::sort(keyed.begin(), keyed.end(), [](const TSimilarRecord& a, const TSimilarRecord& b) {
        if (a.Group != b.Group)
            return a.Group < b.Group;
        if (a.Name != b.Name)
            return a.Name < b.Name;
        return a.Recno < b.Recno;
    });

    // Within one ZIP and street every pair is compared while the group is small; a large group
    // (a whole building) is compared with neighbours only, which sorting by name makes close.
    constexpr size_t allPairsUpTo = 64;
    uint32_t count = 0;
    std::vector<uint32_t> listed;
    size_t start = 0;
    while (start < keyed.size()) {
        size_t end = start + 1;
        while (end < keyed.size() && keyed[end].Group == keyed[start].Group)
            ++end;
        const bool allPairs = end - start <= allPairsUpTo;
        for (size_t j = start + 1; j < end; ++j) {
            bool matched = false;
            for (size_t i = allPairs ? start : j - 1; i < j; ++i)
                if (TSimilarKey::NamesClose(keyed[i].Name, keyed[j].Name)) {
                    listed.push_back(keyed[i].Recno);
                    matched = true;
                }
            if (matched) {
                listed.push_back(keyed[j].Recno);
                ++count;
            }
        }
        if (!scan.Step(static_cast<uint32_t>(end), count))
            break;
        start = end;
    }
    result.Add(std::move(listed));
    return count;
}

} // namespace

QString TDupFinder::KeyExpression(TDupKind kind)
{
    return kind == TDupKind::dkStreet ? QStringLiteral("upper(STREET)") : QStringLiteral("upper(LNAME-FNAME)");
}

QString TDupFinder::ResultPath() { return TProgramFolder::Path() + QLatin1String(ResultFileName); }

uint32_t TDupFinder::Run(TAddressTable& table, TResultIndex& result, const TDupOptions& options, const TToolProgress& progress,
                         const TSimilarKey* words)
{
    if (options.Kind == TDupKind::dkSimilar) {
        const TSimilarKey none;
        return SimilarCheck(table, result, progress, words ? *words : none);
    }
    return ExactCheck(table, result, options, progress);
}
