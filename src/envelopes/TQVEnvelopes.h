// "Print Envelope": the envelope setup screen. Lists the setups of ENVELOPE.DBF, creates,
// changes (in the design screen), clones and deletes them, shows a 30 % thumbnail of the current
// setup filled from the current address record (with its "First", "Last", "Org" and "City" and
// record buttons), and prints or previews envelopes: printer settings applied, layout loaded,
// the confirmation dialog, the settings written, the record choice ("Only current record"
// preselected), the status window, the preview window, and the table put back on every path.
//
// The main window opens it with the address table (derived fields switched on) and restores
// its printer afterwards.
#pragma once

#include "TEnvelopeSetups.h"

#include "data/TRecordChoice.h"
#include "layout/TEnvelopePanel.h"
#include "output/TPrintStatusWindow.h"
#include "output/TPrinterCalibration.h"
#include "output/TReportPrinter.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class TAddressTable;
class TLAddressDataSource;
class TLPanelWidget;
class TPageStream;
class TEnvelopeForm;

class TQVEnvelopes : public QDialog {
    Q_OBJECT
public:
    // nullptr (after "Unable to Open or Create ENVELOPE.DBF") when the table cannot be opened.
    static std::unique_ptr<TQVEnvelopes> Create(TAddressTable& table, QWidget* parent = nullptr);
    TQVEnvelopes(TAddressTable& table, std::unique_ptr<TEnvelopeSetups> setups, QWidget* parent = nullptr);
    ~TQVEnvelopes() override;

    static TStatusTexts StatusTexts();

    // ---- setup commands
    void NewButtonClick();
    void ModifyButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    // ---- print commands
    void PrinterSetupButtonClick();
    void PreviewButtonClick() { PrintEnvelopes(true); }
    void PrintButtonClick() { PrintEnvelopes(false); }
    // ---- record buttons
    void MoveRecord(int step); // -2 first, -1 previous, 1 next, 2 last

    std::optional<TEnvelopeSetup> CurrentSetup() const;
    TRecordChoice::TRecords Records() const;
    QListWidget* SetupList() const { return List; }
    QPushButton* Button(const QString& text) const;
    QRadioButton* RecordsButton(TRecordChoice::TRecords records) const;
    QCheckBox* StartFromCurrentBox() const { return StartFromCurrent; }
    TEnvelopePanel& Thumbnail() { return ThumbnailPanel; }
    TLPanelWidget* ThumbnailWidget() const { return ThumbnailView; }
    QString RecordField(const QString& caption) const;
    TReportPrinter& PrintJob() { return Job; }

    // Seams for tests: the design screen, the size dialog, the confirmation dialog, the status
    // and preview windows.
    std::function<bool(TEnvelopeSetups&, TEnvelopeSetup&, bool isNew)> DesignSetup;
    std::function<std::optional<TEnvelopeSize>(const TEnvelopeSize&)> ChooseSize;
    std::function<bool(TBaseReport&, TEnvelopeForm&)> ConfirmPrint;
    std::function<void(TPrintStatusWindow&)> RunStatusWindow = [](TPrintStatusWindow& window) { window.exec(); };
    std::function<void(const TPageStream&)> ShowPreview;

private:
    void BuildWindow();
    void FillList(uint32_t select = 0);
    void SetupChanged();
    void RefreshThumbnail();
    void RefreshRecord();
    void UpdateButtons();
    void ApplyPrinterSettings();
    void PrintEnvelopes(bool previewing);
    void OpenPreview(const TPageStream& pages);

    TAddressTable& Table;
    std::unique_ptr<TEnvelopeSetups> Setups;
    std::vector<TEnvelopeSetup> Rows;
    std::unique_ptr<TLAddressDataSource> Data;
    TCalibrated<TReportPrinter> Job;
    TLOwner ThumbnailOwner;
    TEnvelopePanel ThumbnailPanel{&ThumbnailOwner};
    TLOwner PrintOwner;
    TEnvelopePanel PrintPanel{&PrintOwner};

    QListWidget* List = nullptr;
    TLPanelWidget* ThumbnailView = nullptr;
    QLabel* RecordLabels[4] = {};
    QRadioButton *AllRecords = nullptr, *MatchingFilter = nullptr, *OnlyCurrent = nullptr;
    QCheckBox* StartFromCurrent = nullptr;
    std::vector<QPushButton*> Buttons;
};
