// The letter window ("Print Letters"): the stored letters by description, and the commands on
// them: "Modify" and "New" in the letter designer, "Delete" and "Clone" after their questions,
// "Print" (the system print dialog picks the printer, then the print status window runs the
// loop for the chosen records, "# copies of each letter" each), "Printer Setup" and "Ok".
// "Modify", "Clone", "Print", "Preview", "Delete" and the list are enabled only while there is
// a current letter.
//
// The record choice panel belongs to the main window's side (it is shared by every print
// dialog); the window takes it with the two answers it needs.
#pragma once

#include "data/TRecordChoice.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class TAddressTable;
class TLetterStore;
class TPrinterSelection;
class TRichDocument;

struct TLetterRecordChoice {
    QWidget* Panel = nullptr;
    std::function<TRecordChoice::TRecords()> Records;
    std::function<bool()> StartFromCurrent;
};

class TqVLetters : public QDialog {
    Q_OBJECT
public:
    TqVLetters(TAddressTable& table, TLetterStore& store, TPrinterSelection& printers,
               TLetterRecordChoice choice, QWidget* parent = nullptr);

    // The system print dialog on the current printer; false when cancelled. Tests replace it.
    // A PDF file named in the dialog goes to DialogPdfFile.
    std::function<bool()> ChoosePrinter;
    // The PDF file the print dialog named for the next job (empty: the job asks for one).
    QString DialogPdfFile;
    // Edits a letter in the designer: description and document in, true on OK. Tests replace it.
    std::function<bool(QString& description, TRichDocument& document)> EditLetter;
    // Shows the print status window, which runs the loop (modal). Tests replace it.
    std::function<void(class TLetterPrint& status)> ShowStatus;
    // Shows the letter merged with the current record. Tests replace it.
    std::function<void(const TRichDocument& letter)> PreviewLetter;

    void ModifyClick();
    void NewClick();
    void DeleteClick();
    void CloneClick();
    void PrintClick();
    void PreviewClick();
    void PrinterSetupClick();
    void SetState();
    // The letter selected in the list (0 without one).
    uint32_t CurrentLetter() const;

    QListWidget* LetterList;
    QPushButton* ModifyButton;
    QPushButton* NewButton;
    QPushButton* DeleteButton;
    QPushButton* CloneButton;
    QPushButton* PrintButton;
    QPushButton* PreviewButton;
    QPushButton* PrinterSetupButton;
    QPushButton* OkButton;
    QSpinBox* CopiesEdit;
    QLabel* PrinterLabel;

private:
    void FillList(uint32_t select);
    bool LoadCurrent(TRichDocument& document);
    QString CurrentDescription() const;

    TAddressTable& Table;
    TLetterStore& Store;
    TPrinterSelection& Printers;
    TLetterRecordChoice Choice;
};
