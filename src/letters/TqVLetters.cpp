#include "TqVLetters.h"

#include "TLetterDesign.h"
#include "TLetterPrint.h"
#include "TLetterPrintJob.h"
#include "TLetterStore.h"
#include "TRTFPreviewForm.h"

#include "output/TPrinterSelection.h"
#include "prompts/TUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TqVLetters::TqVLetters(TAddressTable& table, TLetterStore& store, TPrinterSelection& printers,
                       TLetterRecordChoice choice, QWidget* parent)
    : QDialog(parent), Table(table), Store(store), Printers(printers), Choice(std::move(choice))
{
    setWindowTitle(QStringLiteral("Print Letters"));
    LetterList = new QListWidget;
    LetterList->setMinimumSize(280, 200);
    const auto button = [](const char* caption) {
        auto* made = new QPushButton(QString::fromUtf8(caption));
        made->setAutoDefault(false);
        return made;
    };
    ModifyButton = button("Modify");
    NewButton = button("New");
    DeleteButton = button("Delete");
    CloneButton = button("Clone");
    PrintButton = button("Print");
    PreviewButton = button("Preview");
    PrinterSetupButton = button("Printer Setup");
    OkButton = button("Ok");
    CopiesEdit = new QSpinBox;
    CopiesEdit->setRange(1, TLetterPrintJob::MaximumCopies);
    PrinterLabel = new QLabel;

    auto* listBox = new QGroupBox(QStringLiteral("Letter Description"));
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(LetterList);
    auto* commands = new QVBoxLayout;
    for (QPushButton* command : {ModifyButton, NewButton, DeleteButton, CloneButton})
        commands->addWidget(command);
    commands->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(listBox, 1);
    top->addLayout(commands);

    auto* options = new QGridLayout;
    if (Choice.Panel)
        options->addWidget(Choice.Panel, 0, 0, 2, 1);
    options->addWidget(new QLabel(QStringLiteral("# copies of each letter")), 0, 1);
    options->addWidget(CopiesEdit, 0, 2);
    options->addWidget(PrinterLabel, 1, 1, 1, 2);

    auto* bottom = new QHBoxLayout;
    for (QPushButton* command : {PrintButton, PreviewButton, PrinterSetupButton, OkButton})
        bottom->addWidget(command);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(options);
    layout->addLayout(bottom);

    connect(ModifyButton, &QPushButton::clicked, this, &TqVLetters::ModifyClick);
    connect(LetterList, &QListWidget::itemDoubleClicked, this, &TqVLetters::ModifyClick);
    connect(NewButton, &QPushButton::clicked, this, &TqVLetters::NewClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TqVLetters::DeleteClick);
    connect(CloneButton, &QPushButton::clicked, this, &TqVLetters::CloneClick);
    connect(PrintButton, &QPushButton::clicked, this, &TqVLetters::PrintClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TqVLetters::PreviewClick);
    connect(PrinterSetupButton, &QPushButton::clicked, this, &TqVLetters::PrinterSetupClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(LetterList, &QListWidget::currentRowChanged, this, &TqVLetters::SetState);

    ChoosePrinter = [this] {
        // The dialog works on a QPrinter of its own; the printer chosen there becomes the
        // letters' printer.
        QPrinter printer(QPrinter::HighResolution);
        if (Printers.IsPdfPrinter())
            printer.setOutputFormat(QPrinter::PdfFormat);
        else
            printer.setPrinterName(Printers.PrinterName());
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        DialogPdfFile.clear();
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            Printers.SelectPrinter(TPrinterSelection::PdfPrinterName());
            DialogPdfFile = printer.outputFileName();
        } else {
            Printers.SelectPrinter(printer.printerName());
        }
        return true;
    };
    EditLetter = [this](QString& description, TRichDocument& document) {
        return TLetterDesign::Execute(this, Table, description, document);
    };
    ShowStatus = [](TLetterPrint& status) { status.exec(); };
    PreviewLetter = [this](const TRichDocument& letter) { TRTFPreviewForm::Execute(this, Table, letter); };

    FillList(0);
    PrinterLabel->setText(QStringLiteral("Printer: ") + Printers.PrinterName());
}

void TqVLetters::FillList(uint32_t select)
{
    LetterList->clear();
    int row = 0;
    for (const TLetterEntry& letter : Store.Letters()) {
        auto* item = new QListWidgetItem(letter.Description, LetterList);
        item->setData(Qt::UserRole, letter.RecordNumber);
        if (letter.RecordNumber == select)
            row = LetterList->count() - 1;
    }
    if (LetterList->count() > 0)
        LetterList->setCurrentRow(row);
    SetState();
}

uint32_t TqVLetters::CurrentLetter() const
{
    const QListWidgetItem* item = LetterList->currentItem();
    return item ? item->data(Qt::UserRole).toUInt() : 0;
}

QString TqVLetters::CurrentDescription() const
{
    const QListWidgetItem* item = LetterList->currentItem();
    return item ? item->text() : QString();
}

void TqVLetters::SetState()
{
    const bool current = CurrentLetter() != 0;
    for (QWidget* widget : std::initializer_list<QWidget*>{ModifyButton, CloneButton, PrintButton, PreviewButton,
                                                           DeleteButton, LetterList})
        widget->setEnabled(current);
}

bool TqVLetters::LoadCurrent(TRichDocument& document)
{
    if (!Store.Select(CurrentLetter()))
        return false;
    try {
        Store.LoadRichText(document);
        return true;
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromUtf8(error.what()));
        return false;
    }
}

void TqVLetters::ModifyClick()
{
    TRichDocument document;
    const uint32_t letter = CurrentLetter();
    if (letter == 0 || !LoadCurrent(document))
        return;
    QString description = Store.Description();
    if (EditLetter(description, document)) {
        Store.Select(letter);
        Store.SetDescription(description);
        Store.SaveRichText(document);
        Store.Commit();
    }
    FillList(letter);
}

void TqVLetters::NewClick()
{
    TRichDocument document;
    QString description = QStringLiteral("{untitled}");
    uint32_t added = CurrentLetter();
    if (EditLetter(description, document)) {
        added = Store.Append(description, TRtfWriter::Write(document));
        Store.Commit();
    }
    FillList(added);
}

void TqVLetters::DeleteClick()
{
    const uint32_t letter = CurrentLetter();
    if (letter == 0)
        return;
    if (TUserPrompts::Current().Question(QStringLiteral("DELETE"),
                                         QStringLiteral("Delete \"%1\"?").arg(CurrentDescription()))) {
        Store.Select(letter);
        Store.DeleteCurrent();
        Store.Commit();
    }
    FillList(0);
}

void TqVLetters::CloneClick()
{
    const uint32_t letter = CurrentLetter();
    if (letter == 0)
        return;
    const QString description = CurrentDescription();
    uint32_t added = letter;
    if (TUserPrompts::Current().Question(QStringLiteral("CLONE"), QStringLiteral("Clone \"%1\"?").arg(description))) {
        Store.Select(letter);
        added = Store.Append(QStringLiteral("Clone of ") + description, Store.Rtf());
        Store.Commit();
    }
    FillList(added);
}

void TqVLetters::PrintClick()
{
    TRichDocument letter;
    if (CurrentLetter() == 0 || !ChoosePrinter())
        return;
    if (!LoadCurrent(letter))
        return;
    // The file named in the print dialog is the file written: the job asks no second time.
    const QString fixedPdf = Printers.FixedPdfFileName();
    const auto restorePdf = qScopeGuard([this, fixedPdf] { Printers.SetPdfFileName(fixedPdf); });
    if (fixedPdf.isEmpty() && Printers.IsPdfPrinter() && !DialogPdfFile.isEmpty())
        Printers.SetPdfFileName(DialogPdfFile);
    DialogPdfFile.clear();
    TLetterPrintJob job(Table, letter, Printers);
    job.SetRecords(Choice.Records ? Choice.Records() : TRecordChoice::TRecords::OnlyCurrent,
                   Choice.StartFromCurrent && Choice.StartFromCurrent());
    job.SetCopies(CopiesEdit->value());
    job.SetDocumentName(CurrentDescription());
    TLetterPrint status(job, this);
    ShowStatus(status);
    SetState();
}

void TqVLetters::PreviewClick()
{
    TRichDocument letter;
    if (CurrentLetter() == 0 || !LoadCurrent(letter))
        return;
    PreviewLetter(letter);
    SetState();
}

void TqVLetters::PrinterSetupClick()
{
    QPageLayout layout = Printers.Printer().PageLayout();
    Printers.ExecuteSetupDialog(this, layout);
    PrinterLabel->setText(QStringLiteral("Printer: ") + Printers.PrinterName());
    SetState();
}
