#include "TConvertToUpper.h"

#include "TCaseConverter.h"
#include "TFieldRewrite.h"
#include "TUndoFile.h"
#include "TUndoLast.h"

#include "data/TAddressTable.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
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
    NamesRadio = new QRadioButton(QStringLiteral("Names (Mc, Mac, O', hyphens)"));
    UpperRadio->setChecked(true);
    auto* conversionLayout = new QVBoxLayout(conversion);
    for (QRadioButton* r : {UpperRadio, CapitalizedRadio, LowerRadio, NamesRadio})
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

    PreviewLabel = new QLabel;
    PreviewLabel->hide();
    PreviewGrid = new QTableView;
    PreviewGrid->setModel(&Preview);
    PreviewGrid->hideColumn(TChangePreviewModel::pcInclude);
    PreviewGrid->verticalHeader()->hide();
    PreviewGrid->horizontalHeader()->setStretchLastSection(true);
    PreviewGrid->setMinimumHeight(160);
    PreviewGrid->hide();

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
    layout->addWidget(PreviewLabel);
    layout->addWidget(PreviewGrid, 1);
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
    const TCaseRecords records = AllRadio->isChecked()      ? TCaseRecords::crAll
                                 : FilterRadio->isChecked() ? TCaseRecords::crMatchingFilter
                                                            : TCaseRecords::crCurrent;
    const TCaseConversion conversion = CapitalizedRadio->isChecked() ? TCaseConversion::ccCapitalized
                                       : LowerRadio->isChecked()     ? TCaseConversion::ccLower
                                       : NamesRadio->isChecked()     ? TCaseConversion::ccNames
                                                                     : TCaseConversion::ccUpper;
    const auto rule = [conversion](size_t, std::string_view value) { return TCaseConverter::ConvertBytes(value, conversion); };
    const auto caption = [](const QString& name) {
        for (const auto& field : TCaseConverter::Fields())
            if (name == QLatin1String(field.Name))
                return QLatin1String(field.Caption);
        return QLatin1String();
    };

    // First what would change, shown before the question.
    IsRunning = true;
    Gauge->setVisible(records != TCaseRecords::crCurrent);
    Preview.Reset(fields, caption);
    std::vector<TValueChange> found;
    TRewriteCounts counts;
    try {
        counts = TFieldRewrite::Find(Table, records, fields, rule, [&](TValueChange&& change) {
            found.push_back(std::move(change));
            return true;
        }, Pump.Callback());
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    Preview.Append(std::move(found));
    IsRunning = false;
    Gauge->hide();
    PreviewLabel->setText(QStringLiteral("%1 values in %2 of %3 records will change:").arg(counts.Values).arg(counts.Records).arg(counts.Visited));
    PreviewLabel->show();
    PreviewGrid->setVisible(Preview.rowCount() > 0);
    PreviewGrid->resizeColumnsToContents();
    if (Pump.StopRequested())
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("Convert"),
                                          QStringLiteral("Convert now? %1 values in %2 records will change. \"Undo last conversion\" "
                                                         "in the Utilities menu puts them back.")
                                              .arg(counts.Values)
                                              .arg(counts.Records),
                                          TQuestionDefault::qdNo))
        return;
    IsRunning = true;
    Options->hide();
    ConvertButton->hide();
    Gauge->setVisible(records != TCaseRecords::crCurrent);
    TUndoFile undo(QStringLiteral("case"), QFileInfo(Table.Path()).fileName());
    QString message;
    try {
        TFieldRewrite::Write(Table, fields, Preview.Changes(), nullptr, &undo, Pump.Callback());
        Done = counts.Visited;
    } catch (const xbase::XbaseError& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QString error;
    if (!undo.Save(TUndoFile::DefaultPath(TUndoFile::CaseFileName), &error))
        message += (message.isEmpty() ? QString() : QStringLiteral("\n")) + error;
    if (!message.isEmpty())
        TUserPrompts::Current().Information(message);
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

bool TConvertToUpper::UndoLast(TAddressTable& table)
{
    return TUndoLast::Run(table, TUndoFile::DefaultPath(TUndoFile::CaseFileName), QStringLiteral("Undo last conversion"),
                          QStringLiteral("conversion"));
}

void TConvertToUpper::Execute(QWidget* parent, TAddressTable& table, bool filterSet)
{
    TConvertToUpper form(table, filterSet, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
