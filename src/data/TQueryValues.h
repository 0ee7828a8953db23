// The filter as the user fills it in: eighteen texts, one per filter entry, and the flags Tagged
// and Reverse. The entries' order is fixed: filter files keep it and the filter text joins the
// conditions in it. Captions and field expressions of the entries live here too, so the dialog,
// the command line and the filter builder agree on them.
#pragma once

#include <QString>

#include <array>

class TQueryValues {
public:
    static constexpr int EntryCount = 18;

    struct TEntry {
        const char* Caption;    // as the filter dialog shows it
        const char* Expression; // the field expression the entry tests
    };
    static const std::array<TEntry, EntryCount>& Entries();
    // Entry number by caption, case-insensitive; -1 when no entry has it.
    static int EntryIndex(const QString& caption);

    std::array<QString, EntryCount> Values;
    bool Tagged = false;
    bool Reverse = false;

    void Clear() { *this = TQueryValues(); }
    // True when the values describe a filter: some entry holds more than blanks, or Tagged is on.
    bool AsksForFilter() const;
    bool operator==(const TQueryValues&) const = default;
};
