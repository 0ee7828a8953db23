#include "TDeleteRecordsForm.h"

#include "data/TAddressFilter.h"
#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/BatchCommitter.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

TDeleteRecordsForm::TDeleteRecordsForm(TAddressTable& table, TAddressFilter& filter, QWidget* parent)
    : QDialog(parent), Table(table), Filter(filter)
{
    setWindowTitle(QStringLiteral("Delete Records"));
    DeleteAllRadio = new QRadioButton(QStringLiteral("Delete &All Records"));
    DeleteMatchingRadio = new QRadioButton(QStringLiteral("Delete Records matching current &Filter"));
    DeleteAllRadio->setChecked(true);
    DeleteMatchingRadio->setEnabled(filter.IsSet());
    auto* choice = new QGroupBox;
    auto* choiceLayout = new QVBoxLayout(choice);
    choiceLayout->addWidget(DeleteAllRadio);
    choiceLayout->addWidget(DeleteMatchingRadio);

    ProgressLabel = new QLabel(QStringLiteral("Deleting Records "));
    ProgressBar = new QProgressBar;
    ProgressBar->setRange(0, 100);
    for (QWidget* progress : {static_cast<QWidget*>(ProgressLabel), static_cast<QWidget*>(ProgressBar)}) {
        QSizePolicy keepPlace = progress->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        progress->setSizePolicy(keepPlace);
        progress->hide();
    }
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(ProgressLabel);
    progressRow->addWidget(ProgressBar, 1);

    DeleteNowButton = new QPushButton(QStringLiteral("Delete Now"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    CancelButton->setAutoDefault(false);
    connect(DeleteNowButton, &QPushButton::clicked, this, &TDeleteRecordsForm::DeleteNowClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDeleteRecordsForm::CancelClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DeleteNowButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choice);
    layout->addLayout(progressRow);
    layout->addLayout(buttons);
}

void TDeleteRecordsForm::CancelClick()
{
    if (Working)
        StopRequested = true;
    else
        QDialog::reject();
}

void TDeleteRecordsForm::reject() { CancelClick(); }

void TDeleteRecordsForm::SetWorking(bool working)
{
    Working = working;
    DeleteAllRadio->setEnabled(!working);
    DeleteMatchingRadio->setEnabled(!working && Filter.IsSet());
    DeleteNowButton->setEnabled(!working);
    ProgressLabel->setVisible(working);
    ProgressBar->setVisible(working);
}

void TDeleteRecordsForm::ShowProgress(uint32_t done, uint32_t total)
{
    ProgressBar->setValue(total == 0 ? 100 : static_cast<int>(uint64_t{done} * 100 / total));
}

void TDeleteRecordsForm::DeleteNowClick()
{
    if (!TUserPrompts::Current().Question(QStringLiteral("DELETE"), QStringLiteral("Are you sure?")))
        return;
    SetWorking(true);
    StopRequested = false;
    ShowProgress(0, 1);
    QCoreApplication::processEvents();
    Deleted = 0;
    try {
        if (DeleteAllRadio->isChecked())
            DeleteAll();
        else
            DeleteMatching();
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    DeleteRan = true;
    SetWorking(false);
    TUserPrompts::Current().Information(QStringLiteral("Deleted ") + TCountText::Records(Deleted));
    TUserPrompts::Current().Information(QStringLiteral("For optimum space usage, please select\n[Rebuild Indexes] from the File menu"));
    accept();
}

void TDeleteRecordsForm::DeleteAll()
{
    // The report counts the records the user could see, not the ones deleted long ago.
    Table.SetFilterText(QString());
    const uint32_t live = Table.Count();
    Table.Area().zap();
    Deleted = live;
    ShowProgress(live, live);
}

std::vector<uint32_t> TDeleteRecordsForm::RecordSetMembers()
{
    // Listed before the first mark: a marked record leaves the set, and walking the set while it
    // shrinks would skip records. Marked in record-number order, so the writes go forward
    // through the table and its index instead of jumping about in the sort order.
    std::vector<uint32_t> members;
    xbase::DbfTable& records = Table.Table();
    for (records.goTop(); !records.eof(); records.skip())
        members.push_back(records.recordNumber());
    std::sort(members.begin(), members.end());
    return members;
}

void TDeleteRecordsForm::DeleteMatching()
{
    Table.SetFilterText(Filter.FilterText());
    const std::vector<uint32_t> members = RecordSetMembers();
    const auto total = static_cast<uint32_t>(members.size());
    xbase::DbfTable& records = Table.Table();
    SinceEvents.start();
    xbase::BatchCommitter batch(records); // the index writes each changed page once per batch
    for (const uint32_t recno : members) {
        records.go(recno);
        Table.SetDeletedMark(true);
        records.setDeleted(true);
        ++Deleted;
        batch.recordDone();
        if (AfterRecord)
            AfterRecord(Deleted);
        if (SinceEvents.elapsed() >= EventIntervalMs) {
            ShowProgress(Deleted, total);
            QCoreApplication::processEvents();
            SinceEvents.restart();
        }
        if (StopRequested)
            break;
    }
    batch.finish();
    ShowProgress(Deleted, total);
}

bool TDeleteRecordsForm::Execute(QWidget* parent, TAddressTable& table, TAddressFilter& filter)
{
    TDeleteRecordsForm form(table, filter, parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
    if (!form.Ran())
        return false;
    filter.ApplyQuery(table);
    table.Table().goTop();
    return form.DeletedCount() > 0;
}
