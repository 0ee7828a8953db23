// "Rebuild Indexes" for the open address table: "Reindex" packs the table (deleted records go
// for good) and builds the 26 tags again, with one bar over the whole run; "Cancel" before
// starting closes without touching the table. Also offered when an opened table lacks its tags.
//
// Contract: the table stays open for the dialog's life. Afterwards the table is in record
// order; the main window restores its order and re-applies its filter.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TAddressTable;

class TRebuildIndexesForm : public QDialog {
    Q_OBJECT
public:
    TRebuildIndexesForm(QWidget* parent, TAddressTable& table);

    // Shows the dialog over `parent`; true when the table has its 26 tags afterwards.
    static bool Run(QWidget* parent, TAddressTable& table);

    // The "Reindex" button's work; closes the dialog when done.
    void Reindex();
    // Escape, "Cancel" and the window's close button do nothing while the work runs: a pack or
    // an index half done must finish before the dialog may go.
    void reject() override;

    QLabel* ActivityLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* ReindexButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;

private:
    void ShowRunning(bool running);

    TAddressTable& Table;
    bool Running = false;
};
