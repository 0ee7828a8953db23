// The saved envelope setups of ENVELOPE.DBF: each row a description, a size code and the name
// of its layout file in the sysdata folder ("BIN" + five digits + ".E"). A custom size (code 0)
// keeps its length and width in the columns LENGTH and WIDTH (N 6.3), which an older table
// gains on the first custom save: the table is rewritten beside itself with every row (deleted
// ones too, so record numbers stay), then renamed into place and its index made again.
//
// Saving, cloning and deleting keep row and file together: a layout file is written (temporary
// file + rename) before the row that names it is posted.
//
// Entry points: Open(), Setups(), Find(), Save(), Clone(), Delete(), FirstFreeLayoutName().
#pragma once

#include "TEnvelopeSizes.h"

#include "data/TSetupStore.h"

#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>


struct TEnvelopeSetup {
    uint32_t RecordNumber = 0; // 0: not saved yet
    QString Description;
    int Code = TEnvelopeSizes::DefaultCode;
    double Length = 0.0; // custom sizes only
    double Width = 0.0;
    QString LayoutFile;  // BINARY: the bare file name in the sysdata folder

    // The row's size; an unknown one (not Known()) for a custom size outside the limits.
    TEnvelopeSize Size() const;
    // Why a custom size read from the table is refused (the limits of TEnvelopeSizes::Custom,
    // as for a size typed in); empty when it is sound or not custom.
    QString SizeProblem() const;
    void SetSize(const TEnvelopeSize& size);
};

class TEnvelopeSetups : public TSetupStore {
public:
    static constexpr QChar LayoutExtension = u'E';
    static constexpr int DescriptionWidth = 60;
    static constexpr int SavedDescriptionWidth = 50;

    // nullptr after "Unable to Open or Create ENVELOPE.DBF" (through the prompt service).
    static std::unique_ptr<TEnvelopeSetups> Open();
    explicit TEnvelopeSetups(std::unique_ptr<xbase::WorkArea> area);
    ~TEnvelopeSetups();

    // The rows not deleted, in DESCRIPT order.
    std::vector<TEnvelopeSetup> Setups();
    std::optional<TEnvelopeSetup> Find(uint32_t recordNumber);
    // The first setup whose description is `description` (any case).
    std::optional<TEnvelopeSetup> FindByDescription(const QString& description);
    bool HasCustomColumns() const;

    // Writes the layout through `writeLayout` (given the full path of the setup's file, a new
    // name when it has none), then appends (RecordNumber 0) or rewrites the row and posts it.
    // A custom size upgrades an older table first. A writer that throws leaves no row changed.
    using TLayoutWriter = std::function<void(const QString& path)>;
    TEnvelopeSetup Save(TEnvelopeSetup setup, const TLayoutWriter& writeLayout);
    // "Clone of " + the description (cut to the column), the layout copied byte for byte to a
    // new file (no file when the original has none).
    TEnvelopeSetup Clone(uint32_t recordNumber);
    // The row is deleted and its layout file removed (only a BINnnnnn.E of the sysdata folder).
    void Delete(uint32_t recordNumber) { DeleteRow(recordNumber); }
    // The setup's layout file in the sysdata folder; std::runtime_error for a BINARY text that
    // is no layout name.
    static QString LayoutPath(const TEnvelopeSetup& setup) { return TSetupStore::LayoutPath(setup.LayoutFile, LayoutExtension); }

    static QString CloneDescription(const QString& description);
    // The first free "BINnnnnn.E" of the sysdata folder that no row names.
    QString FirstFreeLayoutName();

private:
    TEnvelopeSetup Current() const;
    void AddCustomColumns();
};
