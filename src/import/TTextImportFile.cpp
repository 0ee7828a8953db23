#include "TTextImportFile.h"

#include "TDelimitedTextReader.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

bool TTextImportFile::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Error = QStringLiteral("Unable to open the file %1: %2").arg(path, file.errorString());
        return false;
    }
    Head = file.read(TDelimitedTextReader::HeadBytes);
    FilePath = path;
    // The encoding is decided from every byte: accents far down a sorted list count too.
    file.seek(0);
    TTextEncoding encoding = TTextEncoding::teUtf8;
    try {
        encoding = TDelimitedTextReader::DetectEncoding(file);
    } catch (const std::runtime_error& error) {
        Error = QStringLiteral("Unable to read the file %1: %2").arg(path, QString::fromLocal8Bit(error.what()));
        return false;
    }
    TextFormat = TDelimitedTextReader::DetectFormat(Head, TImportMatch::TargetNames(TImportMatch::TextTargets()), encoding);
    DetectedHeader = TextFormat.HeaderLine;
    Split();
    return true;
}

void TTextImportFile::SetFormat(const TDelimitedTextFormat& format)
{
    TextFormat = format;
    Split();
}

void TTextImportFile::Split()
{
    const QString text = TDelimitedTextReader::DecodeHead(Head, TextFormat.Encoding);
    Records = TDelimitedTextReader::SplitText(text, TextFormat.Delimiter, SampleLines + 1);
    ColumnNames.clear();
    if (Records.empty())
        return;
    const QStringList& first = Records.front();
    for (qsizetype i = 0; i < first.size(); ++i) {
        const QString name = first[i].trimmed();
        const QString numbered = QStringLiteral("Field %1").arg(i + 1);
        ColumnNames << (TextFormat.HeaderLine && !name.isEmpty() && !ColumnNames.contains(name, Qt::CaseInsensitive)
                            ? name
                            : numbered);
    }
}

std::vector<QStringList> TTextImportFile::DataRows() const
{
    const size_t skip = TextFormat.HeaderLine ? 1 : 0;
    if (Records.size() <= skip)
        return {};
    const size_t end = std::min(Records.size(), skip + SampleLines);
    return {Records.begin() + static_cast<std::ptrdiff_t>(skip), Records.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<int> TTextImportFile::SampleWidths() const
{
    std::vector<int> widths;
    for (const QString& name : ColumnNames)
        widths.push_back(static_cast<int>(name.size()));
    for (const QStringList& row : DataRows())
        for (qsizetype i = 0; i < row.size() && i < ColumnNames.size(); ++i)
            widths[static_cast<size_t>(i)] = std::max(widths[static_cast<size_t>(i)], static_cast<int>(row[i].size()));
    return widths;
}

TImportMatch TTextImportFile::NewMatch() const
{
    std::vector<TImportSourceColumn> sources;
    for (const QString& name : ColumnNames)
        sources.push_back({name, 'C'});
    TImportMatch match(TImportMatch::TextTargets(), std::move(sources));
    if (TextFormat.HeaderLine)
        match.AutoMatch();
    return match;
}
