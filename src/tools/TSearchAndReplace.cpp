#include "TSearchAndReplace.h"

#include "data/TAddressTable.h"
#include "data/TXbaseLiteral.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {
QGroupBox* Group(const QString& title, std::initializer_list<QWidget*> widgets)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return box;
}
} // namespace

TSearchAndReplace::TSearchAndReplace(TAddressTable& table, const QString& filterText, QWidget* parent)
    : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table), FilterText(filterText)
{
    setWindowTitle(QStringLiteral("Search and Replace"));
    FieldCombo = new QComboBox;
    for (const auto& field : TFieldReplacer::Fields())
        FieldCombo->addItem(QLatin1String(field.Caption), QLatin1String(field.Name));
    ExactRadio = new QRadioButton(QStringLiteral("Is exactly equal to  (leave empty for blank)"));
    ContainsRadio = new QRadioButton(QStringLiteral("Contains"));
    ExactRadio->setChecked(true);
    SearchEdit = new QLineEdit;
    CaseSensitiveCheck = new QCheckBox(QStringLiteral("Case sensitive"));
    CaseSensitiveCheck->setChecked(true);
    WholeFieldRadio = new QRadioButton(QStringLiteral("Replace the whole field with"));
    MatchingTextRadio = new QRadioButton(QStringLiteral("Replace only the matching text with"));
    WholeFieldRadio->setChecked(true);
    ReplaceEdit = new QLineEdit;
    AllRecordsRadio = new QRadioButton(QStringLiteral("All Records"));
    FilterRecordsRadio = new QRadioButton(QStringLiteral("Records matching current Filter"));
    AllRecordsRadio->setChecked(true);
    FilterRecordsRadio->setEnabled(!filterText.isEmpty());

    auto* searchValue = new QWidget;
    auto* searchForm = new QFormLayout(searchValue);
    searchForm->setContentsMargins(0, 0, 0, 0);
    searchForm->addRow(QStringLiteral("Value:"), SearchEdit);
    auto* replaceValue = new QWidget;
    auto* replaceForm = new QFormLayout(replaceValue);
    replaceForm->setContentsMargins(0, 0, 0, 0);
    replaceForm->addRow(QStringLiteral("Value:"), ReplaceEdit);
    auto* fieldRow = new QWidget;
    auto* fieldForm = new QFormLayout(fieldRow);
    fieldForm->setContentsMargins(0, 0, 0, 0);
    fieldForm->addRow(QStringLiteral("Search for field:"), FieldCombo);

    OptionsPanel = new QWidget;
    auto* options = new QVBoxLayout(OptionsPanel);
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(fieldRow);
    options->addWidget(Group(QStringLiteral("Where the field value:"), {ExactRadio, ContainsRadio, searchValue, CaseSensitiveCheck}));
    options->addWidget(Group(QStringLiteral("And do this action:"), {WholeFieldRadio, MatchingTextRadio, replaceValue}));
    options->addWidget(Group(QStringLiteral("Using:"), {AllRecordsRadio, FilterRecordsRadio}));

    StatusLabel = new QLabel;
    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    ReplaceButton = new QPushButton(QStringLiteral("Replace "));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ReplaceButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OptionsPanel);
    layout->addWidget(StatusLabel);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);

    Pump = TProgressPump(Gauge, nullptr, {});
    connect(FieldCombo, &QComboBox::currentIndexChanged, this, &TSearchAndReplace::FieldComboChange);
    connect(ReplaceButton, &QPushButton::clicked, this, &TSearchAndReplace::ReplaceClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    FieldComboChange();
}

void TSearchAndReplace::FieldComboChange()
{
    // Both texts hold at most as many characters as the chosen field.
    const int width = qMax(1, Table.FieldWidth(FieldCombo->currentData().toString()));
    for (QLineEdit* edit : {SearchEdit, ReplaceEdit}) {
        edit->setMaxLength(width);
        edit->setText(edit->text().left(width));
    }
}

TReplaceOptions TSearchAndReplace::Options() const
{
    TReplaceOptions o;
    o.Field = FieldCombo->currentData().toString();
    o.Search = SearchEdit->text();
    o.Replacement = ReplaceEdit->text();
    o.Contains = ContainsRadio->isChecked();
    o.CaseSensitive = CaseSensitiveCheck->isChecked();
    o.MatchingTextOnly = MatchingTextRadio->isChecked();
    if (FilterRecordsRadio->isChecked())
        o.RecordCondition = FilterText;
    return o;
}

void TSearchAndReplace::ReplaceClick()
{
    if (IsRunning)
        return;
    const TReplaceOptions options = Options();
    if (!TFieldReplacer::SearchCondition(options)) {
        TUserPrompts::Current().Information(TXbaseLiteral::RefusedMessage(options.Search));
        return;
    }
    if (!TUserPrompts::Current().Question(QStringLiteral("Replace"), TFieldReplacer::ConfirmationText(options)))
        return;
    IsRunning = true;
    OptionsPanel->hide();
    ReplaceButton->hide();
    CancelButton->hide();
    StatusLabel->setText(QStringLiteral("Replacing Records "));
    Gauge->show();
    uint32_t changed = 0;
    bool finished = true;
    try {
        TFieldReplacer::Run(Table, options, Pump.Callback(), &changed);
    } catch (const std::exception& error) {
        finished = false;
        TUserPrompts::Current().Information(TFieldReplacer::FailureMessage(QString::fromLocal8Bit(error.what()), changed));
    }
    Count = changed;
    IsRunning = false;
    Gauge->hide();
    StatusLabel->setText(QStringLiteral("Replaced ") + TCountText::Records(Count));
    if (finished) // only a run that went to its end is done
        TUserPrompts::Current().Information(QStringLiteral("Replacement done"));
    accept();
}

void TSearchAndReplace::Execute(QWidget* parent, TAddressTable& table, const QString& filterText)
{
    TSearchAndReplace form(table, filterText, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
