#include "TImportWriter.h"

#include "data/TAddressTable.h"
#include "data/TAddressText.h"
#include "data/TCp1252.h"
#include "xbase/DbfTable.h"

#include <algorithm>

namespace {
// How many characters became '?': those in the bytes beyond the ones the text itself held.
int Replacements(const QString& text, const std::string& bytes)
{
    const auto inBytes = std::count(bytes.begin(), bytes.end(), '?');
    const auto inText = text.count(u'?');
    return static_cast<int>(inBytes - inText);
}
} // namespace

TImportWriter::TImportWriter(TAddressTable& table)
    : Address(table), Table(table.Table()), Memo(FieldIndex(QStringLiteral("MEMO")))
{
}

int TImportWriter::FieldIndex(const QString& field) const { return Table.fieldIndex(field.toStdString()); }

void TImportWriter::WriteText(int fieldIndex, const QString& value)
{
    if (value.isEmpty())
        return;
    bool lossy = false;
    std::string bytes = TCp1252::Encode(value, &lossy);
    if (lossy)
        Replaced += Replacements(value, bytes);
    size_t used = bytes.size();
    while (used > 0 && bytes[used - 1] == ' ')
        --used; // trailing blanks are never stored, so losing them cuts nothing
    if (used > Table.field(fieldIndex).width)
        ++Cut;
    Table.setText(fieldIndex, bytes);
}

void TImportWriter::WriteMemo(const QString& memo)
{
    if (memo.isEmpty())
        return;
    bool lossy = false;
    const QString padded = TAddressText::PadMemo(memo);
    const std::string bytes = TCp1252::Encode(padded, &lossy);
    if (lossy)
        Replaced += Replacements(padded, bytes);
    Table.setMemo(Memo, bytes);
}
