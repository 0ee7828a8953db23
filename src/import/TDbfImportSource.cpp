#include "TDbfImportSource.h"

#include "TImportWriter.h"

#include "data/TDisplayDate.h"
#include "data/TPrintableText.h"
#include "xbase/XbaseError.h"

#include <QFileInfo>

std::unique_ptr<xbase::DbfTable> TDbfImportSource::OpenSourceTable(const QString& path, const QString& currentDatabase,
                                                                   QString& message)
{
    const QFileInfo source(path);
    if (!currentDatabase.isEmpty() && source.exists() &&
        source.canonicalFilePath() == QFileInfo(currentDatabase).canonicalFilePath()) {
        message = QStringLiteral("Cannot import a file to itself");
        return nullptr;
    }
    std::unique_ptr<xbase::DbfTable> table;
    try {
        // Exclusive even for reading: a table another window or program is writing is refused.
        table = xbase::DbfTable::open(xbase::FileSystem::native(), path.toStdString(), {.readOnly = true, .exclusive = true});
    } catch (const xbase::XbaseError& error) {
        // Why it would not open (damaged, in use, unreadable) goes on a line of its own.
        message = QStringLiteral("Unable to open the file ") + path + QStringLiteral("\n") + TPrintableText::Escaped(std::string_view(error.what()));
        return nullptr;
    }
    if (table->recordCount() == 0) {
        message = QStringLiteral("There are no records in ") + path;
        return nullptr;
    }
    table->setFlaggedHidden(true); // deleted records of the source are not imported
    return table;
}

QString TDbfImportSource::FieldText(const xbase::DbfTable& table, int field, const TTableText& text)
{
    switch (table.field(field).type) {
    case 'D':
        return TDisplayDate::Format(QString::fromLatin1(table.dateText(field)));
    case 'M':
        return text.Decode(table.memoText(field));
    case 'C':
        return text.Decode(table.textView(field));
    default: // numbers as digits, logicals T or F
        return QString::fromLatin1(table.textView(field));
    }
}

std::vector<TImportSourceColumn> TDbfImportSource::SourceColumns(const xbase::DbfTable& table)
{
    std::vector<TImportSourceColumn> columns;
    for (const xbase::FieldDef& field : table.fields())
        if (QByteArrayView("CLNDMF").contains(field.type))
            columns.push_back({TPrintableText::Escaped(QString::fromLatin1(field.name.c_str())), field.type == 'F' ? 'N' : field.type});
    return columns;
}

TImportMatch TDbfImportSource::NewMatch(const xbase::DbfTable& table)
{
    TImportMatch match(TImportMatch::DbfTargets(), SourceColumns(table));
    match.AutoMatch();
    return match;
}

namespace {
// The source field a column shows (its name as shown, control bytes escaped).
int FieldOfColumn(const xbase::DbfTable& table, const QString& shown)
{
    for (int i = 0; i < table.fieldCount(); ++i)
        if (TPrintableText::Escaped(QString::fromLatin1(table.field(i).name.c_str())) == shown)
            return i;
    return -1;
}
} // namespace

TDbfImportSource::TDbfImportSource(std::unique_ptr<xbase::DbfTable> table, const TImportMatch& match)
    : TDbfRecordSource(std::move(table)), Match(match)
{
}

void TDbfImportSource::Prepare(TImportWriter& writer)
{
    Columns.clear();
    for (size_t row = 0; row < Match.Targets().size(); ++row) {
        const int source = Match.SourceOfRow(static_cast<int>(row));
        if (source < 0)
            continue;
        const QString& target = Match.Targets()[row].Field;
        const int field = FieldOfColumn(*Table, Match.Sources()[static_cast<size_t>(source)].Name);
        if (field >= 0)
            Columns.push_back({field, target == QLatin1String("MEMO") ? -1 : writer.FieldIndex(target)});
    }
}


void TDbfImportSource::Transfer(TImportWriter& writer)
{
    for (const TColumn& column : Columns) {
        QString value;
        try {
            value = FieldText(*Table, column.Source, Text);
        } catch (const xbase::XbaseError& error) {
            throw TImportReadError(error.what());
        }
        if (column.Target < 0)
            writer.WriteMemo(value);
        else
            writer.WriteText(column.Target, value);
    }
}
