// What the three import dialogs share: the chosen file's name ("(none)" until one is chosen),
// the buttons, a status text and a bar, and the running import. While records are imported
// "Cancel" stops after the current record; while the tags are built it does nothing; otherwise
// it closes the dialog. The buttons hide while the import runs.
#pragma once

#include "TAddressImporter.h"

#include <QDialog>

#include <functional>
#include <memory>

class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class TAddressTable;

class TImportForm : public QDialog {
    Q_OBJECT
public:
    // `matchButton`: whether the dialog has "Match Fields".
    TImportForm(QWidget* parent, TAddressTable& table, const QString& title, const QString& fileCaption,
                const QString& selectCaption, bool matchButton);

    void reject() override;
    bool Running() const { return State != TRunState::rsIdle; }

    QLabel* FileNameLabel = nullptr;
    QPushButton* SelectButton = nullptr;
    QPushButton* MatchButton = nullptr; // nullptr without matching
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QLabel* StatusLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;

    // The outcome of the last import (tests).
    const TImportResult& Result() const { return LastResult; }
    // Shows a match window; true after "Ok". Tests answer it instead.
    std::function<bool(QDialog&)> ShowMatchWindow = [](QDialog& window) { return window.exec() == QDialog::Accepted; };

    // The frame of the text and DBF imports: the current database opened for exclusive use in
    // the dialog's own table (the main window has closed its own), or nullptr after "Unknown
    // error. Unable to do ASCII import at this time".
    static std::unique_ptr<TAddressTable> OpenFrameTable(const QString& databasePath);

protected:
    void ShowFileName(const QString& path); // empty: "(none)"
    // The file dialog of "Select ... File", starting in the table's folder; the working folder
    // is the same afterwards. Empty when the user cancelled.
    QString ChooseFile(const QString& caption, const QString& filter);
    // Extra controls of a dialog go here, between the file name and the buttons.
    QBoxLayout* Body() { return BodyLayout; }
    // Runs the import on the dialog's table, then closes the dialog.
    void RunImport(TImportSource& source);
    // Restores the working folder when it goes out of scope (the file dialogs may move it).
    struct TKeepWorkingFolder {
        TKeepWorkingFolder();
        ~TKeepWorkingFolder();
        QString Folder;
    };

    TAddressTable& Table;

private:
    enum class TRunState { rsIdle, rsImporting, rsRebuilding };
    void ShowRunning(bool running);

    QBoxLayout* BodyLayout = nullptr;
    TRunState State = TRunState::rsIdle;
    bool StopAsked = false;
    TImportResult LastResult;
};
