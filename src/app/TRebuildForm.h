// What the two rebuild dialogs share: a note, the text of the step in work above a bar, and
// "Reindex", "Cancel", "Help". The text and bar show only while the work runs, and Escape,
// "Cancel" and the window's close button do nothing then: a pack or an index half done must
// finish before the dialog may go. A dialog supplies the work itself (Reindex).
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class TRebuildForm : public QDialog {
    Q_OBJECT
public:
    TRebuildForm(QWidget* parent, const QString& title, const QString& note, const QString& firstActivity);

    // The "Reindex" button's work; closes the dialog when done.
    virtual void Reindex() = 0;
    void reject() override;

    QLabel* ActivityLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* ReindexButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;

protected:
    void ShowRunning(bool running);
    void ShowActivity(const QString& text);
    // Repaints only when the bar moves; the engine reports far more often.
    void ShowProgress(int value);
    // Centres the dialog over `parent` and runs it.
    void ExecCentred(QWidget* parent);

private:
    bool Running = false;
};
