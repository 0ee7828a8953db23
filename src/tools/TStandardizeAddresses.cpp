#include "TStandardizeAddresses.h"

#include "TFieldRewrite.h"
#include "TStandardizeRule.h"
#include "TUndoFile.h"
#include "TUndoLast.h"

#include "data/TAddressStandardizer.h"
#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The first rows go to the grid as soon as they are found; later ones in larger batches.
constexpr size_t kFirstBatch = 1000;
constexpr size_t kLaterBatch = 20000;

} // namespace

TStandardizeAddresses::TStandardizeAddresses(TAddressTable& table, bool filterSet, QWidget* parent)
    : QDialog(parent), Pump(nullptr, nullptr, {}), Table(table)
{
    setWindowTitle(QStringLiteral("Standardize Addresses"));
    auto* records = new QGroupBox(QStringLiteral("Records"));
    CurrentRadio = new QRadioButton(QStringLiteral("Current Record Only"));
    AllRadio = new QRadioButton(QStringLiteral("All Records"));
    FilterRadio = new QRadioButton(QStringLiteral("All Records Matching Filter"));
    AllRadio->setChecked(true);
    FilterRadio->setEnabled(filterSet);
    auto* recordsLayout = new QVBoxLayout(records);
    for (QRadioButton* r : {CurrentRadio, AllRadio, FilterRadio})
        recordsLayout->addWidget(r);

    auto* fields = new QGroupBox(QStringLiteral("Which fields should be standardized ?"));
    auto* fieldsLayout = new QVBoxLayout(fields);
    const QStringList defaults = TStandardizeRule::DefaultFields();
    for (const QString& field : TStandardizeRule::OfferedFields()) {
        auto* check = new QCheckBox(TStandardizeRule::CaptionOf(field));
        check->setChecked(defaults.contains(field));
        FieldChecks.push_back(check);
        fieldsLayout->addWidget(check);
    }
    UpperCheck = new QCheckBox(QStringLiteral("Postal style: upper case"));
    fieldsLayout->addWidget(UpperCheck);

    auto* undoRow = new QHBoxLayout;
    UndoPathEdit = new QLineEdit(TUndoFile::DefaultPath(TUndoFile::StandardizeFileName));
    BrowseButton = new QPushButton(QStringLiteral("Browse..."));
    undoRow->addWidget(new QLabel(QStringLiteral("Undo file:")));
    undoRow->addWidget(UndoPathEdit, 1);
    undoRow->addWidget(BrowseButton);

    Options = new QWidget;
    auto* optionsLayout = new QGridLayout(Options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(records, 0, 0);
    optionsLayout->addWidget(fields, 0, 1);
    optionsLayout->addLayout(undoRow, 1, 0, 1, 2);

    CountLabel = new QLabel(QStringLiteral("Press Preview to see every change before anything is written."));
    Grid = new QTableView;
    Grid->setModel(&Model);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setMinimumHeight(220);

    Gauge = new QProgressBar;
    Gauge->setRange(0, 100);
    Gauge->hide();
    PreviewButton = new QPushButton(QStringLiteral("Preview"));
    StandardizeButton = new QPushButton(QStringLiteral("Standardize"));
    StandardizeButton->setEnabled(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Gauge, 1);
    buttons->addStretch();
    buttons->addWidget(PreviewButton);
    buttons->addWidget(StandardizeButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Options);
    layout->addWidget(CountLabel);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    Pump = TProgressPump(Gauge, nullptr, {});
    connect(PreviewButton, &QPushButton::clicked, this, &TStandardizeAddresses::PreviewClick);
    connect(StandardizeButton, &QPushButton::clicked, this, &TStandardizeAddresses::StandardizeClick);
    connect(CancelButton, &QPushButton::clicked, this, &TStandardizeAddresses::CancelClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TStandardizeAddresses::BrowseClick);
    // A changed option makes the preview stale: it must be made again before writing.
    const auto stale = [this] { StandardizeButton->setEnabled(false); };
    for (QRadioButton* r : {CurrentRadio, AllRadio, FilterRadio})
        connect(r, &QRadioButton::toggled, this, stale);
    for (QCheckBox* check : FieldChecks)
        connect(check, &QCheckBox::toggled, this, stale);
    connect(UpperCheck, &QCheckBox::toggled, this, stale);
}

QStringList TStandardizeAddresses::ChosenFields() const
{
    QStringList fields;
    const QStringList offered = TStandardizeRule::OfferedFields();
    for (size_t i = 0; i < FieldChecks.size(); ++i)
        if (FieldChecks[i]->isChecked())
            fields << offered[static_cast<qsizetype>(i)];
    return fields;
}

void TStandardizeAddresses::SetRunning(bool running)
{
    IsRunning = running;
    Options->setEnabled(!running);
    PreviewButton->setEnabled(!running);
    if (running)
        StandardizeButton->setEnabled(false);
    Gauge->setVisible(running);
}

void TStandardizeAddresses::PreviewClick()
{
    if (IsRunning)
        return;
    const QStringList fields = ChosenFields();
    if (fields.isEmpty()) {
        TUserPrompts::Current().Information(QStringLiteral("No fields checked for standardization"));
        return;
    }
    QString error;
    auto tables = TAddressStandardizer::LoadProgramTables(&error);
    if (!tables) {
        TUserPrompts::Current().Information(error);
        return;
    }
    const TCaseRecords records = CurrentRadio->isChecked() ? TCaseRecords::crCurrent
                                 : FilterRadio->isChecked() ? TCaseRecords::crMatchingFilter
                                                            : TCaseRecords::crAll;
    PreviewFields = fields;
    Model.Reset(fields, &TStandardizeRule::CaptionOf);
    SetRunning(true);
    std::vector<TValueChange> batch;
    QElapsedTimer sinceShown;
    sinceShown.start();
    const auto showFound = [&] {
        Model.Append(std::move(batch));
        batch.clear();
        sinceShown.restart();
    };
    const TToolProgress pump = Pump.Callback();
    TRewriteCounts counts;
    try {
        counts = TFieldRewrite::Find(
            Table, records, fields, TStandardizeRule::Rule(tables, fields, UpperCheck->isChecked()),
            [&](TValueChange&& change) {
                batch.push_back(std::move(change));
                if (batch.size() >= (Model.rowCount() == 0 ? kFirstBatch : kLaterBatch))
                    showFound();
                return true;
            },
            [&](const TToolStep& step) {
                if (!batch.empty() && sinceShown.elapsed() >= 250)
                    showFound();
                return pump(step);
            });
    } catch (const xbase::XbaseError& failure) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(failure.what()));
    }
    showFound();
    SetRunning(false);
    PreviewRecords = counts.Records;
    Grid->resizeColumnsToContents();
    CountLabel->setText(counts.Values == 0
                            ? QStringLiteral("No value needs a change (%1 records looked at).").arg(counts.Visited)
                            : QStringLiteral("%1 values in %2 records will change (%3 records looked at).")
                                  .arg(counts.Values)
                                  .arg(counts.Records)
                                  .arg(counts.Visited));
    StandardizeButton->setEnabled(Model.rowCount() > 0);
}

void TStandardizeAddresses::StandardizeClick()
{
    if (IsRunning || Model.rowCount() == 0)
        return;
    const uint32_t chosen = Model.IncludedCount();
    if (chosen == 0) {
        TUserPrompts::Current().Information(QStringLiteral("No change is chosen."));
        return;
    }
    const QString undoPath = UndoPathEdit->text().trimmed();
    if (undoPath.isEmpty()) {
        TUserPrompts::Current().Information(QStringLiteral("Give the undo file a name."));
        return;
    }
    if (!TUserPrompts::Current().Question(QStringLiteral("Standardize"),
                                          QStringLiteral("Standardize %1 values now? The undo file %2 keeps what they were.")
                                              .arg(chosen)
                                              .arg(QDir::toNativeSeparators(undoPath)),
                                          TQuestionDefault::qdNo))
        return;
    SetRunning(true);
    TUndoFile undo(QStringLiteral("standardize"), QFileInfo(Table.Path()).fileName());
    QString message;
    try {
        WrittenCount = TFieldRewrite::Write(Table, PreviewFields, Model.Changes(), &Model.Included(), &undo, Pump.Callback());
    } catch (const xbase::XbaseError& failure) {
        message = QString::fromLocal8Bit(failure.what()) + u'\n';
    }
    QString error;
    if (!undo.Save(undoPath, &error))
        message += error;
    SetRunning(false);
    TUserPrompts::Current().Information(message + QStringLiteral("Standardized %1 values.").arg(undo.Values().size()));
    accept();
}

void TStandardizeAddresses::BrowseClick()
{
    const QString chosen = TUserPrompts::Current().SaveFileName(QStringLiteral("Undo file"), QFileInfo(UndoPathEdit->text()).path(),
                                                                QStringLiteral("Undo files (*.UND)"));
    if (!chosen.isEmpty())
        UndoPathEdit->setText(chosen);
}

void TStandardizeAddresses::CancelClick()
{
    if (!IsRunning)
        QDialog::reject();
    else if (TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel standardization?")))
        Pump.Stop();
}

void TStandardizeAddresses::reject() { CancelClick(); }

void TStandardizeAddresses::Execute(QWidget* parent, TAddressTable& table, bool filterSet)
{
    TStandardizeAddresses form(table, filterSet, parent);
    form.resize(760, 560);
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}

bool TStandardizeAddresses::UndoLast(TAddressTable& table)
{
    return TUndoLast::Run(table, TUndoFile::DefaultPath(TUndoFile::StandardizeFileName), QStringLiteral("Undo Last Standardization"),
                          QStringLiteral("standardization"));
}
