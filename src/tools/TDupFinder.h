// The duplicate check's engine: compares each record of the table's record set with its
// neighbour in name or street order and lists the suspects in a result index.
//
// Kinds: last + first name (key LNAME followed directly by FNAME), last name + first initial,
// the first n characters of the street, and similar names and addresses (folded keys, names a
// small edit distance apart on the same ZIP and street). Keys match regardless of letter case.
// A record is compared with the one just before it in the sort order; its key becomes the
// "previous" key also when it does not take part (no last name, no street). The count is the
// number of matches, so a run of three equal records counts 2.
//
// The keys are read in one pass in record order and sorted in memory exactly as the NAME or
// STREET tag orders them (blank-padded key, then record number); walking the tag itself would
// read the table in random order.
//
// Contract: the table's record set (condition) is what is checked; its order is put back.
#pragma once

#include "TToolProgress.h"

#include <QString>

class TAddressTable;
class TResultIndex;
class TSimilarKey;

enum class TDupKind { dkLastFirst, dkLastInitial, dkStreet, dkSimilar };

struct TDupOptions {
    TDupKind Kind = TDupKind::dkLastFirst;
    int StreetChars = 30; // 1..30, street check only
};

class TDupFinder {
public:
    static constexpr const char* ResultFileName = "_chkdup.idx";
    static constexpr int MaxStreetChars = 30;

    // "upper(LNAME-FNAME)" for the name checks, "upper(STREET)" for the street check.
    static QString KeyExpression(TDupKind kind);
    // The result index file in the program folder.
    static QString ResultPath();

    // Runs the check and adds the suspects to `result`; returns the count of matches.
    // `words` unifies street words for the similar check (may be null: none unified).
    static uint32_t Run(TAddressTable& table, TResultIndex& result, const TDupOptions& options,
                        const TToolProgress& progress = {}, const TSimilarKey* words = nullptr);
};
