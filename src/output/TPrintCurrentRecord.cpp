#include "TPrintCurrentRecord.h"

#include "TPageStream.h"
#include "TSingleRecordPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TPrintCurrentRecord::TPrintCurrentRecord(TRecordPrintout record, QWidget* parent)
    : QDialog(parent), Record(std::move(record))
{
    setWindowTitle(QStringLiteral("Print Current Record"));
    setModal(true);

    auto* fieldsGroup = new QGroupBox(QStringLiteral("Fields to print"), this);
    auto* grid = new QGridLayout(fieldsGroup);
    constexpr int kRows = 11;
    int index = 0;
    for (const TRecordPrintoutChoice& choice : kRecordPrintoutChoices) {
        auto* box = new QCheckBox(QString::fromLatin1(choice.CheckBox), fieldsGroup);
        box->setChecked(true);
        box->setProperty("label", QString::fromLatin1(choice.Label));
        grid->addWidget(box, index % kRows, index / kRows);
        FieldBoxes.append(box);
        ++index;
    }
    AllBox = new QCheckBox(QStringLiteral("All"), fieldsGroup);
    AllBox->setChecked(true);
    grid->addWidget(AllBox, index % kRows, index / kRows);
    connect(AllBox, &QCheckBox::clicked, this, &TPrintCurrentRecord::AllCheckBoxClick);

    auto* buttons = new QVBoxLayout;
    auto addButton = [this, buttons](const QString& text, void (TPrintCurrentRecord::*handler)()) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("&Print"), &TPrintCurrentRecord::PrintButtonClick)->setDefault(true);
    addButton(QStringLiteral("Pre&view"), &TPrintCurrentRecord::PreviewButtonClick);
    addButton(QStringLiteral("Printer &Setup"), &TPrintCurrentRecord::PrinterSetupButtonClick);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fieldsGroup, 1);
    layout->addLayout(buttons);
}

QCheckBox* TPrintCurrentRecord::CheckBox(const QString& caption) const
{
    for (QCheckBox* box : FieldBoxes)
        if (box->text() == caption)
            return box;
    return caption == AllBox->text() ? AllBox : nullptr;
}

QStringList TPrintCurrentRecord::SelectedLabels() const
{
    QStringList labels;
    for (const QCheckBox* box : FieldBoxes)
        if (box->isChecked())
            labels.append(box->property("label").toString());
    return labels;
}

void TPrintCurrentRecord::AllCheckBoxClick()
{
    for (QCheckBox* box : FieldBoxes)
        box->setChecked(AllBox->isChecked());
}

void TPrintCurrentRecord::PrintButtonClick()
{
    TSingleRecordPrint printout(Record, SelectedLabels());
    printout.Print(Job, this);
}

void TPrintCurrentRecord::PreviewButtonClick()
{
    // The stream outlives the job and the preview window, and goes when both are closed.
    TPageStream stream;
    TSingleRecordPrint printout(Record, SelectedLabels());
    printout.Preview(stream, Job, this);
}

void TPrintCurrentRecord::PrinterSetupButtonClick()
{
    Job.PrinterSetup(this);
}
