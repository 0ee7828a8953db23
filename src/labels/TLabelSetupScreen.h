// "Print Labels": the saved label setups of LABEL.DBF with the stock of the current one beside
// the list, the commands that manage them (Modify, New, Clone, Delete), and the printing side:
// which records, "Start from current record", "Presort for Bulk Mail", the printer, "Print",
// "Preview" and "Calibrate...". PRESORT.PSL is deleted when the screen opens, so a presort is
// always of this session's records.
//
// Print and Preview share PrintLabels(): the options dialog (positions, printer, labels per
// record), the layout file check, the record choice (put back on every path), the presort,
// the paper set-up and its question, the status window running TLabelPrinter, and for a
// preview the preview window, from which pages can be printed again.
//
// Contract: the address table outlives the screen; the caller has switched its derived fields
// on and restores its own state afterwards. Messages go through the prompt service.
#pragma once

#include "TLabelPositionMask.h"
#include "TLabelSetups.h"

#include "layout/TLAddressDataSource.h"
#include "layout/TLLabelPanel.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TAddressTable;
class TPageStream;
class TPreviewForm;
class TPrintStatusWindow;
class TRecordChoicePanel;
class TSelectSpecificLabels;

class TLabelSetupScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* MissingLayoutMessage = "Label definition file has been removed from the sysdata directory";

    // `setups` open (LABEL.DBF); `filterSet`: the main window has a filter in force.
    TLabelSetupScreen(TAddressTable& table, std::unique_ptr<TLabelSetups> setups, bool filterSet,
                      QWidget* parent = nullptr);
    ~TLabelSetupScreen() override;

    // ---- state
    const TLabelSetup* CurrentSetup() const;
    int SetupCount() const { return int(Rows.size()); }
    bool Presorted() const { return PresortDone; }
    const TLabelPositionMask& Mask() const { return PositionMask; }
    QString PrinterName() const;
    // The text shown beside the list for a column caption ("Sheet Name", "Label Height", ...).
    QString ColumnText(const QString& caption) const;

    // ---- commands
    void ModifyButtonClick();
    void NewButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    void PrintButtonClick() { PrintLabels(false); }
    void PreviewButtonClick() { PrintLabels(true); }
    void CalibrateButtonClick();
    void PrintLabels(bool preview);

    // ---- how the windows run (tests replace them; each answers whether it ended with Ok)
    std::function<bool(TSelectSpecificLabels&)> RunOptions;
    std::function<void(TPrintStatusWindow&)> RunStatus;
    std::function<void(TPreviewForm&)> RunPreview;
    std::function<bool(TAddressTable&)> RunPresort;
    // The design screen for a saved setup (Modify) and a new one (New); nothing after Cancel.
    std::function<std::optional<TLabelSetup>(TLabelSetups&, uint32_t, TAddressTable*, QWidget*)> RunModify;
    std::function<std::optional<TLabelSetup>(TLabelSetups&, TAddressTable*, QWidget*)> RunNew;
    // The PDF file the "PDF file" printer writes (tests, scripted runs); empty: ask each time.
    QString PdfFileName;

    QListWidget* SetupList = nullptr;
    QPushButton *ModifyButton = nullptr, *NewButton = nullptr, *DeleteButton = nullptr, *CloneButton = nullptr;
    QPushButton *PrintButton = nullptr, *PreviewButton = nullptr, *CalibrateButton = nullptr;
    QPushButton *OkButton = nullptr, *HelpButton = nullptr;
    TRecordChoicePanel* RecordChoice = nullptr;
    QCheckBox* PresortCheck = nullptr;
    QComboBox* PrinterChoice = nullptr;
    QLabel* PrinterLabel = nullptr;

private:
    void Refresh(uint32_t selectRecord = 0);
    void ShowCurrent();
    void SetButtons();
    void RecordChoiceClicked();
    void Design(const std::function<std::optional<TLabelSetup>()>& run);
    bool EnsureMask(const TLabelStock& stock);

    TAddressTable& Table;
    std::unique_ptr<TLabelSetups> Setups;
    std::vector<TLabelSetup> Rows;
    std::vector<std::pair<QString, QLabel*>> Columns;
    TLabelPositionMask PositionMask;
    bool PresortDone = false;
    TLOwner Owner;
    TLLabelPanel Panel{&Owner};
    TLAddressDataSource Data;
};
