// The saved label setups of LABEL.DBF: each row a stock, a description and the name of its
// layout file in the sysdata folder ("BIN" + five digits + ".L"). Adding, cloning and deleting
// keep row and file together: a layout file is written (temporary file + rename) before the row
// that names it is posted, so a crash never leaves a row pointing at a half-written file.
//
// Entry points: Open(), Setups(), Find(), Add(), Update(), Clone(), Delete(), FirstFreeLayoutName(),
// WriteNewLabelLayout().
#pragma once

#include "TLabelStock.h"

#include "data/TSetupStore.h"

#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TLLabelPanel;

struct TLabelSetup {
    uint32_t RecordNumber = 0;
    QString Description;
    TLabelStock Stock;
    QString LayoutFile; // BINARY: the bare file name in the sysdata folder
};

class TLabelSetups : public TSetupStore {
public:
    static constexpr QChar LayoutExtension = u'L';
    static constexpr int DescriptionWidth = 60;
    static constexpr int CloneDescriptionWidth = 50;
    static constexpr int SavedDescriptionWidth = 50; // as the design screen keeps it

    // nullptr after "Unable to Open LABEL.DBF" (through the prompt service).
    static std::unique_ptr<TLabelSetups> Open();
    explicit TLabelSetups(std::unique_ptr<xbase::WorkArea> area);
    ~TLabelSetups();

    // The rows not deleted, in DESCRIPT order.
    std::vector<TLabelSetup> Setups();

    // Writes the layout to the new file through `writeLayout` (given the full path), then
    // appends and posts the row. A writer that throws leaves no row. Answers the new setup.
    using TLayoutWriter = std::function<void(const QString& path)>;
    TLabelSetup Add(const QString& description, const TLabelStock& stock, const TLayoutWriter& writeLayout);
    // The setup at `recordNumber`, read afresh; nothing for a deleted or missing row.
    std::optional<TLabelSetup> Find(uint32_t recordNumber);
    // A designed setup stored again: the layout written through `writeLayout` to the row's file
    // (temporary file + rename), or to the first free name when the row's file is missing, then
    // the description, every stock column and the file name posted. A writer that throws
    // leaves the row as it was.
    TLabelSetup Update(uint32_t recordNumber, const QString& description, const TLabelStock& stock,
                       const TLayoutWriter& writeLayout);
    // "Clone of :" + the description, cut to 50 characters; the layout copied byte for byte.
    TLabelSetup Clone(uint32_t recordNumber);
    // The row is deleted and its layout file removed (only a BINnnnnn.L of the sysdata folder).
    void Delete(uint32_t recordNumber) { DeleteRow(recordNumber); }
    // The setup's layout file in the sysdata folder; std::runtime_error for a BINARY text that
    // is no layout name.
    static QString LayoutPath(const TLabelSetup& setup) { return TSetupStore::LayoutPath(setup.LayoutFile, LayoutExtension); }

    static QString CloneDescription(const QString& description);
    // The first "BINnnnnn.L" neither present in `folder` nor in `used`; throws
    // std::runtime_error when all 99,999 names are taken (nothing is overwritten).
    static QString FirstFreeLayoutName(const QString& folder, const QSet<QString>& used = {});
    // The layout a new label starts with: one Database Mailing Address object covering the
    // label from 5 pixels inside its top-left corner to 10 pixels inside its bottom-right one.
    static void WriteNewLabelLayout(const TLabelStock& stock, const QString& path);
    // Puts that Database Mailing Address object on a panel already sized to its label.
    static void AddNewLabelObject(TLLabelPanel& panel);

private:
    TLabelSetup Current() const;
};
