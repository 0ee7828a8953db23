// The case conversion's engine: rewrites chosen text fields of address records in upper case,
// lower case or with the first letter of each word capitalised. Only a-z and A-Z change
// (accented letters stay as they are) and only the blank separates words, so o'BRIEN becomes
// O'brien and jean-paul Jean-paul. The names conversion capitalises as people write names
// (O'Brien, McDonald, MacDonald, Worthington-Smythe, van der Berg) and keeps a word that is
// already written in mixed case as it stands.
//
// Contract: the table's condition and current record are put back afterwards; records already
// converted stay converted when the run is stopped or an engine error ends it.
#pragma once

#include "TToolProgress.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string>
#include <string_view>

class TAddressTable;

enum class TCaseConversion { ccUpper, ccCapitalized, ccLower, ccNames };
enum class TCaseRecords { crCurrent, crAll, crMatchingFilter };

struct TCaseField {
    const char* Caption;
    const char* Name;
};

class TCaseConverter {
public:
    // The fifteen fields in the order in which a record's fields are converted.
    static const std::array<TCaseField, 15>& Fields();
    static QString Convert(const QString& text, TCaseConversion conversion);
    // The conversion as a rule on Windows-1252 bytes, for TFieldRewrite.
    static std::string ConvertBytes(std::string_view bytes, TCaseConversion conversion);

    struct TResult {
        uint32_t Visited = 0;
        uint32_t Changed = 0;
    };
    // `fields` are field names from Fields(). "All records" sets the record set to every record
    // not marked deleted for the run; the filter choice keeps the table's record set.
    static TResult Run(TAddressTable& table, TCaseRecords records, TCaseConversion conversion, const QStringList& fields,
                       const TToolProgress& progress = {});
};
