// "Label Design Screen": edits the layout of one label setup on a surface the size of one label
// of its stock, with the designer component (tools, grid, field names, zoom 40-160 %, record
// buttons), the art of the sheet in silver behind the design, the Intelligent Mail barcode tool
// beside the POSTNET one, "Settings" with "Default Font" and "Layout", the description, and
// "Save" (shown once something changed) / "Cancel".
//
// Entry points for the setup list: Modify() for a saved setup and New() for a new one; both show
// the screen modally and on Save store the layout file first, then the row, answering the stored
// setup (nothing when the user cancelled, and then row and file are untouched).
#pragma once

#include "TChooseLabelLayout.h"
#include "TLabelDesignPanel.h"
#include "TLabelSetups.h"

#include "layout/TLStandardObjectEditing.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QPushButton;
class TAddressTable;
class TLDataSource;
class TLayoutDesigner;

class TLabelDesignScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* NewDescription = "<New Label>";

    // `setup` holds the stock, the description and the layout file name (empty or missing: the
    // design starts empty). A new setup starts with the new-label address object. Without an
    // address table the data objects show empty values.
    TLabelDesignScreen(const TLabelSetup& setup, bool isNew, TAddressTable* table, QWidget* parent = nullptr);
    ~TLabelDesignScreen() override;

    // The setup of `recordNumber` re-read from the table and designed; on Save its layout file is
    // rewritten (temporary file + rename; a new name when the file was missing) and the row
    // updated after it.
    static std::optional<TLabelSetup> Modify(TLabelSetups& setups, uint32_t recordNumber, TAddressTable* table,
                                             QWidget* parent);
    // A new setup of the new-stock values; on Save its layout goes to the first free name and
    // the row is appended after it.
    static std::optional<TLabelSetup> New(TLabelSetups& setups, TAddressTable* table, QWidget* parent);

    // ---- state
    const TLabelStock& Stock() const { return CurrentStock; }
    bool IsNew() const { return NewSetup; }
    // The description as it will be kept (at most 50 characters).
    QString Description() const;
    TLabelDesignPanel& Panel() { return Surface; }
    TLayoutDesigner& Designer() const { return *DesignerWidget; }
    bool SaveVisible() const;

    QLineEdit* DescriptionEdit = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* QuickTipsButton = nullptr;
    QAction* ShowArtAction = nullptr;
    QAction* IMbAction = nullptr;
    QAction* DefaultFontAction = nullptr;
    QAction* LayoutAction = nullptr;

    // ---- handlers
    // The opening steps, once, on the first showing.
    void Activate();
    void LayoutClick();
    void DefaultFontClick();
    void ShowArtClick(bool on);
    void IMbToolClick();
    // Drops what lies outside, keeps the description's first 50 characters, stores through
    // `OnSave` and closes with Ok; a store that fails is told and the screen stays open.
    void SaveButtonClick();

    // Stores the design (set by Modify/New); throws to keep the screen open.
    std::function<void(TLabelDesignScreen&)> OnSave;
    // The stock dialogs of the Layout command (tests script them).
    std::function<TLabelLayoutChoice(QWidget*)> ChooseLayout;
    std::function<bool(TLabelStock&, QWidget*)> SelectTemplate;
    std::function<bool(TLabelStock&, QWidget*)> EditLayout;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;
    // Cancel, Escape and the close box: "Save changes?" first when the design is unsaved.
    void reject() override;

private:
    void BuildWindow();
    void BuildCommands();
    void SizeSurface();
    void DrawArt();
    void ToolChanged(int index);
    void ShowSave();
    void AddNewLabelObject();
    bool MoveRecord(int step);

    TLabelStock CurrentStock;
    bool NewSetup;
    QString LayoutFile;
    TAddressTable* Table;
    std::unique_ptr<TLDataSource> DataSource;
    TLabelDesignPanel Surface;
    TLStandardObjectEditing ObjectEditing;
    TLayoutDesigner* DesignerWidget = nullptr;
    bool Activated = false;
};
