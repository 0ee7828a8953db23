// A delimited text file as an import source: its records in file order (the line of names
// skipped), each column written into the address field its match names.
#pragma once

#include "TDelimitedTextFormat.h"
#include "TDelimitedTextReader.h"
#include "TImportMatch.h"
#include "TImportSource.h"

#include <QFile>

#include <memory>

class TTextImportSource final : public TImportSource {
public:
    // Throws TImportReadError when the file cannot be opened.
    TTextImportSource(const QString& path, const TDelimitedTextFormat& format, const TImportMatch& match);

    TImportKind Kind() const override { return TImportKind::ikText; }
    uint64_t CountRecords() override;
    void Prepare(TImportWriter& writer) override;
    bool NextRecord() override;
    void Transfer(TImportWriter& writer) override;
    QString Notice() const override { return Reader->Notice(); }

private:
    QString Path;
    TDelimitedTextFormat Format;
    TImportMatch Match;
    QFile File;
    std::unique_ptr<TDelimitedTextReader> Reader;
    bool Started = false;
    QStringList Values;
    std::vector<std::pair<int, int>> Columns; // (column, engine field) of every assigned column
};
