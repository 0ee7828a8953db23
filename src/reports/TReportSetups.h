// The user-defined reports of REPORT.DBF: each row a description, the paper description
// (LAYOUT) and the name of its layout file in the sysdata folder ("BIN" + five digits + ".R").
// A layout file is written (temporary file + rename) before the row that names it is posted,
// so a crash never leaves a row pointing at a half-written file; cloning copies the file byte
// for byte; deleting removes the row's file.
//
// Entry points: Open(), Reports(), Find(), Save(), Clone(), Delete(), LayoutPath().
#pragma once

#include "data/TSetupStore.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>


struct TReportEntry {
    uint32_t RecordNumber = 0; // 0: a report not yet stored
    QString Description;
    QString Layout;     // "Letter Size, Portrait", ...
    QString LayoutFile; // BINARY: the bare file name in the sysdata folder
};

class TReportSetups : public TSetupStore {
public:
    static constexpr QChar LayoutExtension = u'R';
    static constexpr int DescriptionWidth = 60;

    // nullptr after "Unable to Open or Create REPORT.DBF" (through the prompt service).
    static std::unique_ptr<TReportSetups> Open();
    explicit TReportSetups(std::unique_ptr<xbase::WorkArea> area);
    ~TReportSetups();

    // The rows not deleted, in DESCRIPT order.
    std::vector<TReportEntry> Reports();
    // The report whose description is `description` (any case), if any.
    std::optional<TReportEntry> Find(const QString& description);

    using TLayoutWriter = std::function<void(const QString& path)>;
    // Stores a report: a new one (RecordNumber 0) gets the first free file name and a row
    // appended after its file is written; an existing one is rewritten in place. A writer
    // that throws leaves no new row. Answers the report as stored.
    TReportEntry Save(const TReportEntry& report, const TLayoutWriter& writeLayout);
    // "Clone of " + the description, the same LAYOUT, the layout file copied byte for byte.
    TReportEntry Clone(uint32_t recordNumber);
    // The row is deleted and its layout file removed (only a BINnnnnn.R of the sysdata folder).
    void Delete(uint32_t recordNumber) { DeleteRow(recordNumber); }

    // The report's layout file in the sysdata folder; std::runtime_error for a BINARY text that
    // is no layout name.
    static QString LayoutPath(const TReportEntry& report);
    static QString CloneDescription(const QString& description);
    static QString FirstFreeLayoutName(const QString& folder);

private:
    TReportEntry Current() const;
};
