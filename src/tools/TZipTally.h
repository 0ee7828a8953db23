// How many of the chosen address records carry each ZIP code. Both the bulk-mail presort and
// the ZIP code count read the record set into one of these: each record's ZIP is cut to its
// first 5 characters and either tallied (in one of ten lists, by its first digit), put in the
// list of other strings (the count only) or counted as blank (the count only).
//
// What is tallied: a string whose first character is a digit and that lies between "00000" and
// "99999-999" as text; the count further wants exactly 5 characters. ZIPs are the table's
// Windows-1252 bytes, compared byte by byte.
//
// Contract: Read() leaves the table's order and record as they were, also on an exception
// (engine errors come through as xbase::XbaseError). Sort() must run before the lists are used.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class TAddressTable;

class TZipTally {
public:
    enum class TRule { zrPresort, zrCount };

    struct TEntry {
        std::string Zip;
        uint64_t Count = 0;
        bool operator==(const TEntry&) const = default;
    };

    // What a reading loop tells and asks its window.
    struct THooks {
        std::function<void(const QString& status)> Status;
        // After each record: lets the user interface breathe; false stops the reading there.
        std::function<bool()> AfterRecord;
    };

    static constexpr int ZipLength = 5;

    explicit TZipTally(TRule rule) : Rule(rule), FiveDigits(100000, 0) {}

    static bool PresortAccepts(std::string_view zip);
    static bool CountAccepts(std::string_view zip);

    // One record's ZIP field (trailing blanks removed); only its first 5 characters count.
    void Add(std::string_view zipField);
    // Reads the table's record set in record order; false when AfterRecord stopped it.
    bool Read(TAddressTable& table, const THooks& hooks = {});
    // Sorts every list by its ZIP string.
    void Sort();

    const std::vector<TEntry>& DigitList(int digit) const { return Lists.at(size_t(digit)); }
    const std::vector<TEntry>& OtherList() const { return Others; }
    uint64_t BlankCount() const { return Blank; }
    // Records whose ZIP the rule did not tally (for the presort: the ones it cannot presort).
    uint64_t Untallied() const { return Refused; }
    uint64_t RecordsRead() const { return Records; }

private:
    TRule Rule;
    // All-digit 5-character ZIPs, the bulk of any list, counted by their value; the rest by text.
    std::vector<uint64_t> FiveDigits;
    std::map<std::string, uint64_t> OddZips;
    std::map<std::string, uint64_t> OtherZips;
    std::vector<std::vector<TEntry>> Lists = std::vector<std::vector<TEntry>>(10);
    std::vector<TEntry> Others;
    uint64_t Blank = 0;
    uint64_t Refused = 0;
    uint64_t Records = 0;
};
