#include "TTextImportSource.h"

#include "TImportWriter.h"

TTextImportSource::TTextImportSource(const QString& path, const TDelimitedTextFormat& format, const TImportMatch& match)
    : Path(path), Format(format), Match(match), File(path)
{
    if (!File.open(QIODevice::ReadOnly))
        throw TImportReadError(("cannot open " + path + ": " + File.errorString()).toStdString());
    Reader = std::make_unique<TDelimitedTextReader>(File, Format.Encoding, Format.Delimiter);
}

uint64_t TTextImportSource::CountRecords()
{
    QFile counted(Path);
    if (!counted.open(QIODevice::ReadOnly))
        throw TImportReadError(("cannot open " + Path + ": " + counted.errorString()).toStdString());
    TDelimitedTextReader reader(counted, Format.Encoding, Format.Delimiter);
    uint64_t records = 0;
    try {
        while (reader.SkipRecord())
            ++records;
    } catch (const std::runtime_error& error) {
        throw TImportReadError((Path + ": " + QString::fromLocal8Bit(error.what())).toStdString());
    }
    return Format.HeaderLine && records > 0 ? records - 1 : records;
}

void TTextImportSource::Prepare(TImportWriter& writer)
{
    Columns.clear();
    for (size_t row = 0; row < Match.Targets().size(); ++row)
        if (const int column = Match.SourceOfRow(static_cast<int>(row)); column >= 0)
            Columns.emplace_back(column, writer.FieldIndex(Match.Targets()[row].Field));
}

bool TTextImportSource::NextRecord()
{
    try {
        if (!Started && Format.HeaderLine)
            Reader->SkipRecord();
        Started = true;
        return Reader->ReadRecord(Values);
    } catch (const std::runtime_error& error) {
        throw TImportReadError((Path + ": " + QString::fromLocal8Bit(error.what())).toStdString());
    }
}

void TTextImportSource::Transfer(TImportWriter& writer)
{
    // Columns a short line lacks stay empty; values past the first line's count have no column.
    for (const auto& [column, field] : Columns)
        if (column < Values.size())
            writer.WriteText(field, Values[column]);
}
