// Search and replace's engine: finds the records in which one field is empty, begins with or
// contains a text, and replaces the whole field or each occurrence of the text in it.
//
// The search condition is an engine condition built from the typed text; the text is written
// as a literal with a delimiter it does not contain (TXbaseLiteral), so a double quote in it can
// neither break the condition nor change its meaning. Replacing scans left to right and never
// searches replaced text again (a -> aa doubles each a once); at most 50 occurrences per value.
//
// Contract: records carrying the delete flag are passed over; the table's condition, order and
// record are put back afterwards; records already replaced stay replaced on a stop or an error.
#pragma once

#include "TToolProgress.h"

#include <QString>

#include <array>
#include <optional>

class TAddressTable;

struct TReplaceField {
    const char* Caption;
    const char* Name;
};

struct TReplaceOptions {
    QString Field = QStringLiteral("LNAME");
    QString Search;
    QString Replacement;
    bool Contains = false;      // else "is exactly equal to" (begins with)
    bool CaseSensitive = true;
    bool MatchingTextOnly = false; // else the whole field
    QString RecordCondition;    // the filter text for "Records matching current Filter", else empty
};

class TFieldReplacer {
public:
    static constexpr int MaxOccurrences = 50;

    // The eighteen fields offered, in list order.
    static const std::array<TReplaceField, 18>& Fields();
    // The field name for a caption or a name (any case); empty when neither.
    static QString FieldNamed(const QString& captionOrName);
    static QString CaptionOf(const QString& field);

    // The engine condition for the search; nothing when the text cannot be written as a literal.
    static std::optional<QString> SearchCondition(const TReplaceOptions& options);
    // The text of the "Replace" question.
    static QString ConfirmationText(const TReplaceOptions& options);
    // One value with each occurrence of `search` replaced.
    static QString ReplaceText(const QString& value, const QString& search, const QString& replacement, bool caseSensitive);

    // Runs the replacement; returns the number of records that matched. Throws
    // std::invalid_argument (with the message to show) when the search text cannot be quoted,
    // and whatever the engine throws on a failed write; `changed` (when given) holds the
    // records written so far in either case.
    static uint32_t Run(TAddressTable& table, const TReplaceOptions& options, const TToolProgress& progress = {},
                        uint32_t* changed = nullptr);
    // The error and how many records were replaced before it, as the user reads them.
    static QString FailureMessage(const QString& error, uint32_t changed);
};
