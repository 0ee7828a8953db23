// The state/ZIP check's engine: every record of the table's record set whose STATE and ZIP do
// not agree with the state/province table (sysdata/CSZ.DBF) is questionable and listed in a
// result index in name order.
//
// A state is found by its whole abbreviation (letter case ignored), never by a row that only
// begins with it, so "N" or an empty state is not judged by the first row starting so. The ZIP
// is questionable below the row's LOW_ZIP or above its HIGH_ZIP, each compared with the ZIP cut
// to that bound's length: 14999-0001 lies inside a range ending at 14999.
//
// Contract: the table's order is put back; the result index is filled, not installed.
#pragma once

#include "TToolProgress.h"

#include <QString>

#include <map>
#include <string>

class TAddressTable;
class TResultIndex;

struct TStateRange {
    std::string Low;
    std::string High;
};

class TStateZipChecker {
public:
    static constexpr const char* ResultFileName = "_chksz.idx";
    static constexpr const char* KeyExpression = "upper(LNAME)+upper(FNAME)";

    // The result index beside the table.
    static QString ResultPath(const TAddressTable& table);

    // Reads the state/province table through the system table opener; false (with its
    // message shown) when it cannot be opened.
    bool LoadStates();
    // For tests and other countries' tables: a row as CSZ.DBF would hold it.
    void AddState(const std::string& abbreviation, const std::string& low, const std::string& high);

    // Whether the pair is questionable (STATE and ZIP as stored, trailing blanks removed).
    bool Questionable(std::string_view state, std::string_view zip) const;

    // Checks the record set; returns the number of questionable records added to `result`.
    uint32_t Run(TAddressTable& table, TResultIndex& result, bool includeBlanks, const TToolProgress& progress = {});

private:
    std::map<std::string, TStateRange> States; // by upper-cased abbreviation
};
