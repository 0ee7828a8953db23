#include "TRebuildSystemIndexesForm.h"

#include "TRunningProgress.h"
#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "settings/TWindowPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <optional>

TRebuildSystemIndexesForm::TRebuildSystemIndexesForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rebuild System Indexes"));

    auto* note = new QLabel(QStringLiteral("Reindexing rebuilds the indexes of the letter, label, "
                                           "state/province, label setup, envelope and report files."));
    note->setWordWrap(true);
    note->setMinimumWidth(380);
    ActivityLabel = new QLabel(ActivityText(TSystemTable::stCsz));
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
    connect(ReindexButton, &QPushButton::clicked, this, &TRebuildSystemIndexesForm::Reindex);
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

QString TRebuildSystemIndexesForm::ActivityText(TSystemTable table)
{
    switch (table) {
    case TSystemTable::stLetter: return QStringLiteral("Rebuilding Letters File indexes");
    case TSystemTable::stLabel: return QStringLiteral("Rebuilding Label File indexes");
    case TSystemTable::stCsz: return QStringLiteral("Rebuilding State/Province File indexes");
    case TSystemTable::stLblTpl: return QStringLiteral("Rebuilding Label Setup File indexes");
    case TSystemTable::stEnvelope: return QStringLiteral("Rebuilding Envelope File indexes");
    case TSystemTable::stReport: return QStringLiteral("Rebuilding Report File indexes");
    }
    return {};
}

void TRebuildSystemIndexesForm::reject()
{
    if (!Running)
        QDialog::reject();
}

void TRebuildSystemIndexesForm::ShowRunning(bool running)
{
    Running = running;
    ReindexButton->setEnabled(!running);
    CancelButton->setVisible(!running);
    HelpButton->setVisible(!running);
    ActivityLabel->setVisible(running);
    ProgressBar->setVisible(running);
}

void TRebuildSystemIndexesForm::Reindex()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    ShowRunning(true);

    // Each table's pack and tag share the bar, which starts again for the next table.
    std::optional<TRunningProgress> running;
    auto beforeTable = [&](TSystemTable table) {
        running.emplace(2);
        ActivityLabel->setText(ActivityText(table));
        ProgressBar->setValue(0);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    auto show = [&](int percent) {
        const int value = running ? running->Report(percent) : percent;
        if (value == ProgressBar->value())
            return; // repaint only when the bar moves
        ProgressBar->setValue(value);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    TAddressFiles::RebuildSystemTags(beforeTable, show);

    ShowRunning(false);
    accept();
}

void TRebuildSystemIndexesForm::Run(QWidget* parent)
{
    TRebuildSystemIndexesForm form(parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
