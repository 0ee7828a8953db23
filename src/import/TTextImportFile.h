// A delimited text file chosen for import: its head read once, the format detected from it
// (and changed by the user), and what the dialog and the match window show of it: the column
// names ("Field 1", ... or the names on its first line), the sample rows and their widths.
#pragma once

#include "TDelimitedTextFormat.h"
#include "TImportMatch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class TTextImportFile {
public:
    static constexpr int SampleLines = 10;

    // Reads the head of the file and detects its format; false when it cannot be read, with
    // ErrorText() saying why.
    bool Load(const QString& path);
    const QString& ErrorText() const { return Error; }
    const QString& Path() const { return FilePath; }
    const TDelimitedTextFormat& Format() const { return TextFormat; }
    void SetFormat(const TDelimitedTextFormat& format);
    // What the detection proposed for the header option.
    bool HeaderDetected() const { return DetectedHeader; }

    // At least one record to import (an empty file has none).
    bool Accepted() const { return !DataRows().empty(); }
    // The first record's values, at most 255: one column each.
    const QStringList& Columns() const { return ColumnNames; }
    // Up to ten records after the line of names, if any.
    std::vector<QStringList> DataRows() const;
    // Per column, the longest of its name and its sample values, in characters.
    std::vector<int> SampleWidths() const;

    // The match of these columns to the text targets; with names on the first line they are
    // matched automatically.
    TImportMatch NewMatch() const;

private:
    void Split();

    QString FilePath;
    QString Error;
    QByteArray Head;
    TDelimitedTextFormat TextFormat;
    bool DetectedHeader = false;
    std::vector<QStringList> Records; // the head's first records, the line of names included
    QStringList ColumnNames;
};
