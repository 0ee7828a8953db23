#include "TNewDatabaseForm.h"

#include "TFieldLengthsForm.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TSettingsSave.h"
#include "settings/TWindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

TNewDatabaseForm::TNewDatabaseForm(QWidget* parent, const QString& proposedName)
    : QDialog(parent), Widths(TFieldLengths::Read(TIniFile(TProgramFolder::SettingsFile())))
{
    setWindowTitle(QStringLiteral("Create new database"));

    auto* prompt = new QLabel(QStringLiteral("Enter the database name (no extension)"));
    NameEdit = new QLineEdit;
    NameEdit->setMaxLength(MaxNameLength);
    NameEdit->setFixedWidth(NameEdit->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWW")) + 12);
    prompt->setBuddy(NameEdit);
    InvalidNameLabel = new QLabel(QLatin1String(InvalidNameText));
    InvalidNameLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    // The text keeps its room while hidden, so the dialog does not jump as the user types.
    QSizePolicy keepRoom = InvalidNameLabel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    InvalidNameLabel->setSizePolicy(keepRoom);

    OkButton = new QPushButton(QStringLiteral("Ok [PgDn]"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    FieldLengthsButton = new QPushButton(QStringLiteral("Specify Field Lengths"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(FieldLengthsButton, &QPushButton::clicked, this, &TNewDatabaseForm::SpecifyFieldLengths);
    auto* pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageDown, &QShortcut::activated, OkButton, &QPushButton::animateClick);
    connect(NameEdit, &QLineEdit::textChanged, this, &TNewDatabaseForm::NameChanged);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(prompt);
    nameRow->addWidget(NameEdit);
    nameRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FieldLengthsButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(InvalidNameLabel);
    layout->addLayout(buttons);

    NameEdit->setText(proposedName.left(MaxNameLength));
    NameChanged();
}

bool TNewDatabaseForm::IsValidName(const QString& name)
{
    static const QRegularExpression rule(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.size() <= MaxNameLength && rule.match(name).hasMatch();
}

void TNewDatabaseForm::NameChanged()
{
    const bool valid = IsValidName(NameEdit->text());
    OkButton->setEnabled(valid);
    InvalidNameLabel->setVisible(!valid);
}

void TNewDatabaseForm::SpecifyFieldLengths()
{
    bool saveForAll = false;
    if (!TFieldLengthsForm::Edit(this, Widths, saveForAll) || !saveForAll)
        return;
    TIniFile settings(TProgramFolder::SettingsFile());
    TSettingsSave::Guarded(settings, [&] { Widths.Write(settings); }); // the widths still apply this run
}

TNewDatabaseChoice TNewDatabaseForm::Choice() const
{
    return {NameEdit->text(), Widths};
}

std::optional<TNewDatabaseChoice> TNewDatabaseForm::Execute(QWidget* parent, const QString& proposedName)
{
    TNewDatabaseForm form(parent, proposedName);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() != QDialog::Accepted || !IsValidName(form.NameEdit->text()))
        return std::nullopt;
    return form.Choice();
}
