#include "TConvertToUpper.h"

#include "TCaseConverter.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TConvertToUpper::TConvertToUpper(TAddressTable& table, bool filterSet, QWidget* parent)
    : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table)
{
    setWindowTitle(QStringLiteral("Convert Case"));
    auto* records = new QGroupBox(QStringLiteral("Records"));
    CurrentRadio = new QRadioButton(QStringLiteral("Current Record Only"));
    AllRadio = new QRadioButton(QStringLiteral("All Records"));
    FilterRadio = new QRadioButton(QStringLiteral("All Records Matching Filter"));
    CurrentRadio->setChecked(true);
    FilterRadio->setEnabled(filterSet);
    auto* recordsLayout = new QVBoxLayout(records);
    for (QRadioButton* r : {CurrentRadio, AllRadio, FilterRadio})
        recordsLayout->addWidget(r);

    auto* conversion = new QGroupBox(QStringLiteral("Conversion"));
    UpperRadio = new QRadioButton(QStringLiteral("Uppercase"));
    CapitalizedRadio = new QRadioButton(QStringLiteral("First letter capitalized"));
    LowerRadio = new QRadioButton(QStringLiteral("Lowercase"));
    UpperRadio->setChecked(true);
    auto* conversionLayout = new QVBoxLayout(conversion);
    for (QRadioButton* r : {UpperRadio, CapitalizedRadio, LowerRadio})
        conversionLayout->addWidget(r);

    auto* fields = new QGroupBox(QStringLiteral("Which fields should be converted ?"));
    auto* fieldsLayout = new QGridLayout(fields);
    int i = 0;
    for (const auto& field : TCaseConverter::Fields()) {
        auto* check = new QCheckBox(QLatin1String(field.Caption));
        check->setChecked(true);
        FieldChecks.push_back(check);
        fieldsLayout->addWidget(check, i % 8, i / 8);
        ++i;
    }
    AllFieldsCheck = new QCheckBox(QStringLiteral("All"));
    AllFieldsCheck->setChecked(true);
    fieldsLayout->addWidget(AllFieldsCheck, 7, 1);
    connect(AllFieldsCheck, &QCheckBox::toggled, this, [this](bool on) {
        for (QCheckBox* check : FieldChecks)
            check->setChecked(on);
    });

    Options = new QWidget;
    auto* optionsLayout = new QHBoxLayout(Options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    left->addWidget(records);
    left->addWidget(conversion);
    left->addStretch();
    optionsLayout->addLayout(left);
    optionsLayout->addWidget(fields);

    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    ConvertButton = new QPushButton(QStringLiteral("Convert"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ConvertButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Options);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);

    Pump = TProgressPump(Gauge, nullptr, {});
    connect(ConvertButton, &QPushButton::clicked, this, &TConvertToUpper::ConvertClick);
    connect(CancelButton, &QPushButton::clicked, this, &TConvertToUpper::CancelClick);
}

void TConvertToUpper::ConvertClick()
{
    if (IsRunning)
        return;
    QStringList fields;
    for (size_t i = 0; i < FieldChecks.size(); ++i)
        if (FieldChecks[i]->isChecked())
            fields << QLatin1String(TCaseConverter::Fields()[i].Name);
    if (fields.isEmpty()) {
        TUserPrompts::Current().Information(QStringLiteral("No fields checked for conversion"));
        return;
    }
    if (!TUserPrompts::Current().Question(QStringLiteral("Convert"), QStringLiteral("Convert now? This process cannot be undone.."),
                                          TQuestionDefault::qdNo))
        return;
    const TCaseRecords records = AllRadio->isChecked()      ? TCaseRecords::crAll
                                 : FilterRadio->isChecked() ? TCaseRecords::crMatchingFilter
                                                            : TCaseRecords::crCurrent;
    const TCaseConversion conversion = CapitalizedRadio->isChecked() ? TCaseConversion::ccCapitalized
                                       : LowerRadio->isChecked()     ? TCaseConversion::ccLower
                                                                     : TCaseConversion::ccUpper;
    IsRunning = true;
    Options->hide();
    ConvertButton->hide();
    Gauge->setVisible(records != TCaseRecords::crCurrent);
    try {
        Done = TCaseConverter::Run(Table, records, conversion, fields, Pump.Callback()).Visited;
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    IsRunning = false;
    Gauge->hide();
    accept();
}

void TConvertToUpper::CancelClick()
{
    if (!IsRunning)
        QDialog::reject();
    else if (TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel case conversion?")))
        Pump.Stop();
}

void TConvertToUpper::reject() { CancelClick(); }

void TConvertToUpper::Execute(QWidget* parent, TAddressTable& table, bool filterSet)
{
    TConvertToUpper form(table, filterSet, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
