// The "Count Zip Codes" window of the main window's "Count &Zip Codes": on opening it counts
// the records of the table's current record set by ZIP code (TZipTally) with a status line and
// "Cancel" ("Cancel Count?"; Yes closes the window), then beeps, says "Finished counting. Press
// Print or Preview for the report" and offers "Print", "Preview", "Printer Setup", "Ok" and
// "Help". The report is TZipReport, printed or previewed ("Preview Zipcode Count", 100 %) in a
// status window titled "Print Status Screen".
//
// Contract: the table outlives the window; its order and record are as they were afterwards.
#pragma once

#include "output/TPreviewForm.h"
#include "output/TPrintStatusWindow.h"
#include "output/TReportPrinter.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;
class TAddressTable;

class TCountZipCodes : public QDialog {
    Q_OBJECT
public:
    TCountZipCodes(TAddressTable& table, QWidget* parent = nullptr);

    static TStatusTexts StatusTexts();
    // Opens the window modally; it counts as soon as it shows.
    static void Execute(QWidget* parent, TAddressTable& table);

    // Counts the record set; false when cancelled or failed (the window is then closed).
    bool CountZipCodes();
    bool Finished() const { return CountFinished; }
    bool Counting() const { return IsCounting; }
    const QStringList& ReportLines() const { return Lines; }
    TReportPrinter& PrinterJob() { return Job; }

    void CancelButtonClick();
    void PrintButtonClick();
    void PreviewButtonClick();
    void PrinterSetupButtonClick();

    // Runs a status window modally; tests replace it to drive the job without an event loop.
    std::function<void(TPrintStatusWindow&)> RunStatusWindow = [](TPrintStatusWindow& window) { window.exec(); };
    std::function<void(TPreviewForm&)> RunPreview = [](TPreviewForm& preview) { preview.exec(); };

    QLabel* HeadingLabel = nullptr;
    QLabel* StatusCaption = nullptr;
    // Called after each record read (tests press Cancel from here).
    std::function<void()> AfterRecord;

    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    QWidget* CommandPanel = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* PrinterSetupButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* HelpButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // Esc and the close box: Cancel while counting, Ok afterwards

private:
    void ShowCounting(bool counting);
    TPrintOutcome RunReport(TBaseReport& job, bool previewing);

    TAddressTable& Table;
    TReportPrinter Job;
    QStringList Lines;
    bool CountFinished = false;
    bool IsCounting = false;
    bool CancelRequested = false;
    bool Activated = false;
};
