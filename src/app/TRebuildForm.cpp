#include "TRebuildForm.h"

#include "help/THelp.h"
#include "settings/TWindowPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TRebuildForm::TRebuildForm(QWidget* parent, const QString& title, const QString& note, const QString& firstActivity)
    : QDialog(parent)
{
    setWindowTitle(title);

    auto* noteLabel = new QLabel(note);
    noteLabel->setWordWrap(true);
    noteLabel->setMinimumWidth(380);
    ActivityLabel = new QLabel(firstActivity);
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
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(ReindexButton, &QPushButton::clicked, this, [this] { Reindex(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ReindexButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel);
    layout->addWidget(ActivityLabel);
    layout->addWidget(ProgressBar);
    layout->addStretch();
    layout->addLayout(buttons);
    ShowRunning(false);
}

void TRebuildForm::reject()
{
    if (!Running)
        QDialog::reject();
}

void TRebuildForm::ShowRunning(bool running)
{
    Running = running;
    ReindexButton->setEnabled(!running);
    CancelButton->setVisible(!running);
    HelpButton->setVisible(!running);
    ActivityLabel->setVisible(running);
    ProgressBar->setVisible(running);
}

void TRebuildForm::ShowActivity(const QString& text)
{
    ActivityLabel->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TRebuildForm::ShowProgress(int value)
{
    if (value == ProgressBar->value())
        return;
    ProgressBar->setValue(value);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TRebuildForm::ExecCentred(QWidget* parent)
{
    adjustSize();
    TWindowPlacement::Centre(this, parent);
    exec();
}
