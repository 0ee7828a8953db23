// The report window "Print Report": the page "Built In Reports" (the four list reports, title,
// memo and codes) and the page "Report Designer" (the user-defined reports of REPORT.DBF with
// "Modify", "New", "Delete", "Clone", and "One Record Per Page"), the record choice, and
// "Print", "Preview", "Printer Setup", "Ok". Printing runs in a status window; a preview opens
// the preview window afterwards.
#pragma once

#include "TReportRun.h"
#include "TReportSetups.h"

#include "output/TReportPrinter.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TAddressTable;

class TReportSetup : public QDialog {
    Q_OBJECT
public:
    // `filterSet`: the main window has a filter in force. `reports` may be null (REPORT.DBF
    // could not be opened): the designer page then stays empty.
    TReportSetup(TAddressTable& table, bool filterSet, std::unique_ptr<TReportSetups> reports, QWidget* parent = nullptr);
    ~TReportSetup() override;

    // ---- handlers
    void ReportListClick();
    void PageChange();
    void PrintButtonClick();
    void PreviewButtonClick();
    void PrinterSetupButtonClick();
    void ModifyButtonClick();
    void NewButtonClick();
    void DeleteButtonClick();
    void CloneButtonClick();

    // What the controls ask for (the run's request).
    TReportRequest Request() const;
    bool BuiltInPage() const;
    std::optional<TReportEntry> SelectedReport() const;
    void FillUserReports(uint32_t select = 0);
    // Runs the report into the given job inside a status window; the outcome.
    TPrintOutcome RunInStatusWindow(TBaseReport& job, bool previewing);
    TReportPrinter& PrintJob() { return Job; }

    QTabWidget* Pages = nullptr;
    QListWidget* ReportList = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QCheckBox* PrintMemoCheck = nullptr;
    QCheckBox* PrintCodesCheck = nullptr;
    QListWidget* UserReportList = nullptr;
    QPushButton* ModifyButton = nullptr;
    QPushButton* NewButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CloneButton = nullptr;
    QCheckBox* OneRecordPerPageCheck = nullptr;
    QGroupBox* WhatToPrint = nullptr;
    QRadioButton* AllRecordsButton = nullptr;
    QRadioButton* MatchingFilterButton = nullptr;
    QRadioButton* OnlyCurrentButton = nullptr;
    QCheckBox* StartFromCurrentCheck = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* PrinterSetupButton = nullptr;
    QPushButton* OkButton = nullptr;

private:
    QWidget* BuiltInPageWidget();
    QWidget* DesignerPageWidget();
    void UpdateEnabling();
    void Design(const std::optional<TReportEntry>& report);

    TAddressTable& Table;
    std::unique_ptr<TReportSetups> Reports;
    std::vector<TReportEntry> UserReports;
    TReportPrinter Job;
};
