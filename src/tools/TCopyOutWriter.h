// Copy out's engine: writes the records of the table's record set, in its current order, to a
// new xBase table with the address table's structure (memos included, with the padding rule)
// or to comma-delimited text (twenty quoted values a line, CR LF, quotes inside a value doubled
// so that every reader gets the value back). Text is Windows-1252 as the table holds it; the
// UTF-8 form adds a header line of field names for spreadsheets.
//
// Contract: the copy is built under another name beside the target and takes its place only
// when it is whole (a stop counts as whole: the records copied before it stay). After an error
// an existing target is left byte for byte and nothing half-made stays beside it. A table copy
// gets the 26 tags; the target's old index and memo files go whatever their letter case. The
// copy is committed to disk once a second and its record count checked after every record.
#pragma once

#include "TToolProgress.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

class TAddressTable;

enum class TCopyKind { ckDbf, ckText };

// The copy fell behind or the file could not be written; what() is the message for the user.
class EErrorCopying : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCopyOutWriter {
public:
    static constexpr int FlushIntervalMs = 1000;

    // The twenty fields of a text line, in order.
    static const QStringList& TextFields();
    // The fields copied into a table (all stored fields but ISDEL and MEMO).
    static const QStringList& TableFields();

    // The checks on a chosen name, with their messages and the overwrite question (asked only
    // when `overwriteConfirmed` is false): true when the copy may go ahead. The open table is
    // recognised through links and other spellings of its path too.
    static bool IsOpenTable(const QString& target, const QString& tablePath);
    static bool AcceptTarget(TCopyKind kind, const QString& target, const QString& tablePath, bool overwriteConfirmed = false);

    // Both return the number of records copied. Errors: EErrorCopying with the message to show
    // ("There was an error copying..." or "Error copying - possibly Disk Full").
    static uint32_t CopyToDbf(TAddressTable& table, const QString& target, const TToolProgress& progress = {});
    static uint32_t CopyToText(TAddressTable& table, const QString& target, bool utf8WithHeader = false,
                               const TToolProgress& progress = {});
};
