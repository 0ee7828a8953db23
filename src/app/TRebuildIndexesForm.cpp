#include "TRebuildIndexesForm.h"

#include "TRunningProgress.h"
#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "settings/TWindowPlacement.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

TRebuildIndexesForm::TRebuildIndexesForm(QWidget* parent, TAddressTable& table) : QDialog(parent), Table(table)
{
    setWindowTitle(QStringLiteral("Rebuild indexes for ") + QFileInfo(table.Path()).fileName());

    auto* note = new QLabel(QStringLiteral("Reindexing removes deleted records for good and builds the "
                                           "indexes of this file again."));
    note->setWordWrap(true);
    note->setMinimumWidth(380);
    ActivityLabel = new QLabel(QStringLiteral("Cleaning out old deleted records"));
    ProgressBar = new QProgressBar;
    ProgressBar->setRange(0, 100);
    // The text and the bar keep their room while hidden, so the dialog does not change size.
    for (QWidget* shownWhileRunning : {static_cast<QWidget*>(ActivityLabel), static_cast<QWidget*>(ProgressBar)}) {
        QSizePolicy policy = shownWhileRunning->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shownWhileRunning->setSizePolicy(policy);
    }

    ReindexButton = new QPushButton(QStringLiteral("Reindex"));
    ReindexButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    HelpButton = new QPushButton(QStringLiteral("Help"));
    HelpButton->setEnabled(false); // no help topics are delivered yet
    connect(ReindexButton, &QPushButton::clicked, this, &TRebuildIndexesForm::Reindex);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ReindexButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(ActivityLabel);
    layout->addWidget(ProgressBar);
    layout->addStretch();
    layout->addLayout(buttons);
    ShowRunning(false);
}

void TRebuildIndexesForm::reject()
{
    if (!Running)
        QDialog::reject();
}

void TRebuildIndexesForm::ShowRunning(bool running)
{
    Running = running;
    ReindexButton->setEnabled(!running);
    CancelButton->setVisible(!running);
    HelpButton->setVisible(!running);
    ActivityLabel->setVisible(running);
    ProgressBar->setVisible(running);
}

void TRebuildIndexesForm::Reindex()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    ShowRunning(true);
    ProgressBar->setValue(0);
    ActivityLabel->setText(QStringLiteral("Cleaning out old deleted records"));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The pack and each tag count as one step of the bar.
    TRunningProgress running(1 + TAddressSchema::TagCount);
    // The window is repainted only when the bar moves; the engine reports far more often.
    auto show = [&](int percent) {
        const int value = running.Report(percent);
        if (value == ProgressBar->value())
            return;
        ProgressBar->setValue(value);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    bool tagsStarted = false;
    auto showTag = [&](int percent) {
        if (!tagsStarted) {
            tagsStarted = true;
            ActivityLabel->setText(QStringLiteral("Rebuilding indexes"));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        show(percent);
    };
    TAddressFiles::RebuildAddressTable(Table.Area(), show, showTag);

    ShowRunning(false);
    accept();
}

bool TRebuildIndexesForm::Run(QWidget* parent, TAddressTable& table)
{
    TRebuildIndexesForm form(parent, table);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
    return table.CheckValidIndex();
}
