// What the import loop asks of the thing it imports from: how many records there are, the
// next record, and the transfer of the current record into a new address record.
//
// Contract: NextRecord throws TImportReadError when the source cannot be read on; Transfer
// throws whatever the engine throws on a write (the loop tells the two apart).
#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

class TImportWriter;

class TImportReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TImportKind { ikText, ikDbf, ikRelease1, ikRelease2 };

class TImportSource {
public:
    virtual ~TImportSource() = default;
    virtual TImportKind Kind() const = 0;
    // The records to come, for the bar (a text file counts its lines first).
    virtual uint64_t CountRecords() = 0;
    // Resolves the address fields it writes, once, before the first record.
    virtual void Prepare(TImportWriter& writer) = 0;
    virtual bool NextRecord() = 0;
    virtual void Transfer(TImportWriter& writer) = 0;
    // What the end message adds about how the source was read (an unclosed quote), or empty.
    virtual QString Notice() const { return {}; }
};
