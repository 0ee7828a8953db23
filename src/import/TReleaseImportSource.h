// An address table of release 1.x or 2.x as an import source: no matching step, each field
// goes where the transfer table says. 1.x kept its notes in NOTES (they arrive in CODES) and
// its dates in the short date format (they arrive as YYYYMMDD); 2.x brings ISDEL, so a record
// it had deleted arrives hidden.
#pragma once

#include "TDbfRecordSource.h"

#include "data/TTableText.h"
#include "xbase/DbfTable.h"

#include <QStringList>

#include <memory>
#include <vector>

class TReleaseImportSource final : public TDbfRecordSource {
public:
    // The fields a table of that release (1 or 2) must have that this one lacks.
    static QStringList MissingFields(const xbase::DbfTable& table, int release);
    static QString NotReleaseMessage(const QString& path, int release);
    // A 1.x date as text: eight digits forming a valid date stay, a date in the short date
    // format becomes YYYYMMDD, anything else becomes empty.
    static QString ConvertDate1x(const QString& text);

    TReleaseImportSource(std::unique_ptr<xbase::DbfTable> table, int release);

    TImportKind Kind() const override { return Release == 1 ? TImportKind::ikRelease1 : TImportKind::ikRelease2; }
    void Prepare(TImportWriter& writer) override;
    void Transfer(TImportWriter& writer) override;

private:
    int Release;
    std::vector<std::pair<int, int>> Fields; // (source, target) copied as text
    int SourceDate = -1;
    int TargetDate = -1;
    int SourceMemo = -1;
};
