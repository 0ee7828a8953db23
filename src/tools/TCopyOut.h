// "Copy Records Out": the kind of target (a DBF like the address table, or comma-delimited
// text, optionally UTF-8 with a header line), "Save As" with its checks on the chosen name, and
// the copy with its gauge and a confirmed "Cancel". The window closes when the copy ends.
//
// Contract: the table outlives the window; the record set and order are the main window's.
#pragma once

#include "TCopyOutWriter.h"
#include "TProgressPump.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAddressTable;

class TCopyOut : public QDialog {
    Q_OBJECT
public:
    explicit TCopyOut(TAddressTable& table, QWidget* parent = nullptr);
    // With an empty record set: "No active records for current filter. Nothing to copy".
    static void Execute(QWidget* parent, TAddressTable& table);

    TProgressPump Pump;
    uint32_t Copied() const { return Count; }

    QRadioButton* DbfRadio = nullptr;
    QRadioButton* TextRadio = nullptr;
    QCheckBox* Utf8Check = nullptr;
    QLabel* FileNameLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* SaveAsButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void SaveAsClick();
    void CancelClick();
    void reject() override;

private:
    TCopyKind Kind() const;
    void Copy(const QString& target);

    TAddressTable& Table;
    QWidget* Options = nullptr;
    QProgressBar* Gauge = nullptr;
    QString LastFolder;
    uint32_t Count = 0;
    bool IsRunning = false;
};
