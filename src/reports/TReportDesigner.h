// The design screen of a user-defined report, "Report Designer": the description, the designer
// component with the ruler, and for each band its caption bar (check box), the band panel and
// the sizer bar below it; the memo strip with its "Properties" menu; the menu "Settings" with
// "Default Font" and "Layout" (the page and band dialog) and the paper caption; "Save",
// "Cancel" and "Quick Tips". The page is laid out again after every change.
#pragma once

#include "TReportDesignLayout.h"

#include "layout/TLStandardObjectEditing.h"
#include "layout/TReportPanel.h"
#include "layout/TLReportSettings.h"

#include <QDialog>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class TAddressTable;
class TLAddressDataSource;
class TLayoutDesigner;
class THRuler;
class TReportCaptionBar;
class TReportMemoStrip;
class TReportSizerBar;

class TReportDesigner : public QDialog {
    Q_OBJECT
public:
    // `table` may be null (no record to show); it must outlive the window.
    explicit TReportDesigner(TAddressTable* table, QWidget* parent = nullptr);
    ~TReportDesigner() override;

    // A new report: "<new report>", Letter portrait, header and detail of 33 pixels, fresh frames.
    void NewReport();
    // A stored report; a missing file starts afresh with the description kept.
    void LoadReport(const QString& description, const QString& layoutFile);
    // Writes the three bands and the settings block (temporary file + rename).
    void WriteReport(const QString& layoutFile) const;

    QString Description() const;
    QString LayoutText() const;
    // True when the report differs from what it was when the window was first shown.
    bool Unsaved() const;
    TLReportSettings& Settings() { return ReportSettings; }
    TReportPanel& Band(TReportBand band);
    TLayoutDesigner& Designer() const { return *DesignerComponent; }
    TReportDesignLayout& Layout() { return PageLayout; }

    // ---- handlers
    void SaveButtonClick();
    void CancelButtonClick() { reject(); }
    void QuickTipsButtonClick();
    void DefaultFontClick();
    void LayoutClick();
    void BandCheckClick(TReportBand band, bool on);
    void MemoFontClick();
    void MemoAlignmentClick(int alignment);
    // Lays the page out from the settings (widths, heights, ruler, captions, sizers).
    void Relayout();

    QLineEdit* DescriptionEdit = nullptr;
    THRuler* Ruler = nullptr;
    std::array<TReportCaptionBar*, 4> Captions{};
    std::array<TReportSizerBar*, 4> Sizers{};
    TReportMemoStrip* MemoStrip = nullptr;
    QAction* DefaultFontAction = nullptr;
    QAction* LayoutAction = nullptr;
    QMenu* LayoutCaptionMenu = nullptr;
    std::array<QAction*, 3> MemoAlignmentActions{};

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    // Cancel, Escape and the close box: "Save changes?" first when the report is unsaved.
    void reject() override;

private:
    QByteArray Snapshot() const;
    void BuildMenus(QMenuBar* bar);
    void WireSizer(TReportBand band);
    void RefreshRecord();
    void ShowSettings();
    void ApplyDefaultFont();

    TAddressTable* Table;
    std::unique_ptr<TLAddressDataSource> Data;
    TLOwner Owner;
    TReportPanel Header{&Owner}, Detail{&Owner}, Footer{&Owner};
    TLReportSettings ReportSettings;
    TReportDesignLayout PageLayout{ReportSettings, Header, Detail, Footer};
    TLStandardObjectEditing ObjectEditing;
    TLayoutDesigner* DesignerComponent = nullptr;
    int DragStartHeight = 0;
    bool PlacementLoaded = false;
    QByteArray OpenedAs; // Snapshot() when first shown
};
