// "Rebuild System Indexes": "Reindex" packs the six system tables of the sysdata folder and
// builds each one's tag again, naming the table in work above the bar; a table that cannot be
// rebuilt is passed over. "Cancel" before starting closes without doing anything.
//
// Contract: no system table is open elsewhere while the dialog runs.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
enum class TSystemTable;

class TRebuildSystemIndexesForm : public QDialog {
    Q_OBJECT
public:
    explicit TRebuildSystemIndexesForm(QWidget* parent = nullptr);

    static void Run(QWidget* parent);

    // The "Reindex" button's work; closes the dialog when done.
    void Reindex();
    // Escape, "Cancel" and the window's close button do nothing while the work runs: a pack or
    // an index half done must finish before the dialog may go.
    void reject() override;
    // The text shown while `table` is being rebuilt.
    static QString ActivityText(TSystemTable table);

    QLabel* ActivityLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* ReindexButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;

private:
    void ShowRunning(bool running);

    bool Running = false;
};
