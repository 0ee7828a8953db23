// The bulk-mail presort: groups the tallied ZIP codes of the chosen records in the order bulk
// mail is prepared (5-digit groups of 10 or more pieces, 3-digit groups of consecutive ZIPs
// totalling 10 or more, area distribution centres, the unknown rest) and writes the presort
// list PRESORT.PSL that label printing follows. Separator lines hold "**"; every other line is
// a ZIP string.
//
// Used by the "Bulk Mail Presorting" window and the `presort` command alike.
#pragma once

#include "TAdcTable.h"
#include "TZipTally.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TPresortLevel {
    uint64_t Groups = 0;
    uint64_t Pieces = 0;
    bool operator==(const TPresortLevel&) const = default;
};

// What a run grouped, for the caller to show.
struct TPresortSummary {
    TPresortLevel FiveDigit;
    TPresortLevel ThreeDigit;
    TPresortLevel Adc;
    uint64_t UnknownPieces = 0;
    uint64_t NotPresortable = 0; // records whose ZIP the presort does not take
};

struct TPresortResult {
    std::vector<std::string> Lines; // Windows-1252 bytes, no line ends
    TPresortSummary Summary;
};

class TBulkMailPresort {
public:
    static constexpr const char* ListFileName = "PRESORT.PSL";
    static constexpr int GroupMinimum = 10;

    // PRESORT.PSL in the program folder.
    static QString ListPath();
    // The groups of a sorted presort tally.
    static TPresortResult Group(const TZipTally& tally, const TAdcTable& adc);
    // Writes the list whole: to a temporary file renamed into place, each line ending CR LF.
    // Throws std::runtime_error when the file cannot be written; an old list then stays as it was.
    static void Save(const std::vector<std::string>& lines, const QString& path);
    // Reads the table's record set, groups it and saves the list. Nothing is written when the
    // hooks stop the reading (nullopt).
    static std::optional<TPresortSummary> Run(TAddressTable& table, const TAdcTable& adc, const QString& path,
                                              const TZipTally::THooks& hooks = {});
    // The summary as the command line prints it, one line per level.
    static QStringList SummaryLines(const TPresortSummary& summary);
};
