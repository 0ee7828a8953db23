// Writes imported values into the address record just appended: text cut to the field's width
// as every write is, memos with the padding rule. Counts what the user is told at the end: the
// values that were cut and the characters Windows-1252 cannot hold (written as '?').
#pragma once

#include <QString>

class TAddressTable;
namespace xbase {
class DbfTable;
}

class TImportWriter {
public:
    explicit TImportWriter(TAddressTable& table);

    // The engine's number of a stored address field, by name.
    int FieldIndex(const QString& field) const;
    // Nothing happens for an empty value.
    void WriteText(int fieldIndex, const QString& value);
    void WriteMemo(const QString& memo);

    int ValuesCut() const { return Cut; }
    int CharactersReplaced() const { return Replaced; }

private:
    TAddressTable& Address;
    xbase::DbfTable& Table;
    int Memo;
    int Cut = 0;
    int Replaced = 0;
};
