#include "TZipTally.h"

#include "data/TAddressTable.h"

#include <algorithm>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Puts the table's order and record back however the reading ends.
class TPositionGuard {
public:
    explicit TPositionGuard(TAddressTable& table)
        : Table(table), Order(table.Area().order()), Record(table.Table().eof() ? 0 : table.Table().recordNumber())
    {
    }
    ~TPositionGuard()
    {
        try {
            Table.Area().setOrder(Order);
            if (Record > 0)
                Table.Table().go(Record);
        } catch (...) {
            // The reading's own error is the one the caller hears of.
        }
    }
    TPositionGuard(const TPositionGuard&) = delete;
    TPositionGuard& operator=(const TPositionGuard&) = delete;

private:
    TAddressTable& Table;
    size_t Order;
    uint32_t Record;
};

} // namespace

bool TZipTally::PresortAccepts(std::string_view zip)
{
    return !zip.empty() && IsDigit(zip.front()) && zip >= std::string_view("00000") && zip <= std::string_view("99999-999");
}

bool TZipTally::CountAccepts(std::string_view zip) { return zip.size() == ZipLength && PresortAccepts(zip); }

void TZipTally::Add(std::string_view zipField)
{
    ++Records;
    const std::string_view zip = zipField.substr(0, ZipLength);
    const bool accepted = Rule == TRule::zrPresort ? PresortAccepts(zip) : CountAccepts(zip);
    if (!accepted) {
        ++Refused;
        if (Rule == TRule::zrCount) {
            if (zip.empty())
                ++Blank;
            else
                ++OtherZips[std::string(zip)];
        }
        return;
    }
    if (zip.size() == ZipLength && std::all_of(zip.begin(), zip.end(), IsDigit)) {
        int value = 0;
        for (char c : zip)
            value = value * 10 + (c - '0');
        ++FiveDigits[size_t(value)];
    } else {
        ++OddZips[std::string(zip)];
    }
}

bool TZipTally::Read(TAddressTable& table, const THooks& hooks)
{
    auto status = [&hooks](const QString& text) {
        if (hooks.Status)
            hooks.Status(text);
    };
    TPositionGuard guard(table);
    xbase::DbfTable& records = table.Table();
    const int zipField = records.fieldIndex("ZIP");
    // Record order lets the engine read ahead in large blocks.
    table.Area().setOrder(0);
    records.goTop();
    status(QStringLiteral("Reading database records..."));
    bool stopped = false;
    while (!records.eof()) {
        Add(records.textView(zipField));
        records.skip();
        if (!records.eof() && records.recordNumber() % 100 == 0)
            status(QStringLiteral("Reading record ") + QString::number(records.recordNumber()));
        if (hooks.AfterRecord && !hooks.AfterRecord()) {
            stopped = true;
            break;
        }
    }
    if (stopped)
        return false;
    status(QStringLiteral("Sorting Zip Codes..."));
    Sort();
    return true;
}

void TZipTally::Sort()
{
    for (auto& list : Lists)
        list.clear();
    for (int value = 0; value < int(FiveDigits.size()); ++value) {
        if (FiveDigits[size_t(value)] == 0)
            continue;
        std::string zip(ZipLength, '0');
        for (int at = ZipLength - 1, rest = value; at >= 0; --at, rest /= 10)
            zip[size_t(at)] = char('0' + rest % 10);
        Lists[size_t(value / 10000)].push_back({std::move(zip), FiveDigits[size_t(value)]});
    }
    for (const auto& [zip, count] : OddZips)
        Lists[size_t(zip.front() - '0')].push_back({zip, count});
    // std::string compares as unsigned bytes, the engine's order.
    for (auto& list : Lists)
        if (!OddZips.empty())
            std::sort(list.begin(), list.end(), [](const TEntry& a, const TEntry& b) { return a.Zip < b.Zip; });
    Others.clear();
    for (const auto& [zip, count] : OtherZips)
        Others.push_back({zip, count});
}
