#include "TFieldLengthsForm.h"

#include "help/THelp.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const std::array<const char*, TFieldLengthsForm::EntryCount> entryCaptions = {
    "First Name", "Last Name", "Prefix",   "Title",    "Organization", "Address #1",
    "Address #2", "City",      "State",    "Zip/Postal", "Country",    "Phone #1",
    "Phone #2",   "Fax",       "E-Mail",   "Codes",    "Comments #1",  "Comments #2"};
const std::array<const char*, TFieldLengthsForm::EntryCount> entryFields = {
    "FNAME", "LNAME", "PREFIX", "TITLE", "ORG",   "STREET", "STREET2", "CITY",  "STATE",
    "ZIP",   "COUNTRY", "PHONE", "PHONE2", "FAX", "EMAIL",  "CODES",   "USER1", "USER2"};

// The entry's number, or 0 when the text is not a whole number.
int EntryNumber(const QLineEdit* entry)
{
    bool ok = false;
    const int number = entry->text().trimmed().toInt(&ok);
    return ok ? number : 0;
}
} // namespace

const std::array<const char*, TFieldLengthsForm::EntryCount>& TFieldLengthsForm::EntryFields()
{
    return entryFields;
}

TFieldLengthsForm::TFieldLengthsForm(QWidget* parent, const TFieldLengths& widths) : QDialog(parent), Current(widths)
{
    setWindowTitle(QStringLiteral("Specify Field Lengths"));

    auto* grid = new QGridLayout;
    const int rows = EntryCount / 2;
    for (int i = 0; i < EntryCount; ++i) {
        Entries[i] = new QLineEdit;
        Entries[i]->setMaxLength(3);
        Entries[i]->setFixedWidth(Entries[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        connect(Entries[i], &QLineEdit::editingFinished, this, [this, i] { CheckEntry(i); });
        auto* caption = new QLabel(QLatin1String(entryCaptions[i]));
        caption->setBuddy(Entries[i]);
        const int column = (i / rows) * 3;
        grid->addWidget(caption, i % rows, column);
        grid->addWidget(Entries[i], i % rows, column + 1);
    }
    grid->setColumnMinimumWidth(2, 24);

    auto* note = new QLabel(QStringLiteral("NOTE: Minimum size = 10 characters") + QString(18, u' ') +
                            QStringLiteral("Maximum size = 80 characters"));
    SaveForAllCheck = new QCheckBox(QStringLiteral("Use these settings for all new databases"));

    OkButton = new QPushButton(QStringLiteral("Ok"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    DefaultsButton = new QPushButton(QStringLiteral("Defaults"));
    HelpButton = new QPushButton(QStringLiteral("Help"));
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(OkButton, &QPushButton::clicked, this, [this] {
        TakeEntries();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(DefaultsButton, &QPushButton::clicked, this, &TFieldLengthsForm::SetDefaults);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {OkButton, CancelButton, DefaultsButton, HelpButton})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(SaveForAllCheck);
    layout->addLayout(buttons);
    ShowWidths(Current);
}

void TFieldLengthsForm::ShowWidths(const TFieldLengths& widths)
{
    for (int i = 0; i < EntryCount; ++i) {
        RestoreValues[i] = widths.Width(QLatin1String(entryFields[i]));
        Entries[i]->setText(QString::number(RestoreValues[i]));
    }
}

void TFieldLengthsForm::CheckEntry(int index)
{
    const int number = EntryNumber(Entries[index]);
    if (number < MinimumEntry || number > MaximumEntry)
        Entries[index]->setText(QString::number(RestoreValues[index]));
}

void TFieldLengthsForm::SetDefaults()
{
    // The defaults take effect at once and stay for the rest of the dialog's run, "Cancel" or
    // not; the fax number gets the narrower width the dialog has always proposed.
    Current = TFieldLengths();
    Current.SetWidth(QStringLiteral("FAX"), DefaultsFaxWidth);
    ShowWidths(Current);
}

void TFieldLengthsForm::TakeEntries()
{
    for (int i = 0; i < EntryCount; ++i) {
        CheckEntry(i);
        Current.SetWidth(QLatin1String(entryFields[i]), EntryNumber(Entries[i]));
    }
}

bool TFieldLengthsForm::SaveForAll() const
{
    return SaveForAllCheck->isChecked();
}

bool TFieldLengthsForm::Edit(QWidget* parent, TFieldLengths& widths, bool& saveForAll)
{
    TFieldLengthsForm form(parent, widths);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    const bool accepted = form.exec() == QDialog::Accepted;
    widths = form.Widths(); // "Defaults" counts even when the dialog is cancelled afterwards
    if (!accepted)
        return false;
    saveForAll = form.SaveForAll();
    return true;
}
