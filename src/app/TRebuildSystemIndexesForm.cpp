#include "TRebuildSystemIndexesForm.h"

#include "TRunningProgress.h"
#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"

#include <QApplication>
#include <QProgressBar>
#include <QScopeGuard>

#include <optional>

TRebuildSystemIndexesForm::TRebuildSystemIndexesForm(QWidget* parent)
    : TRebuildForm(parent, QStringLiteral("Rebuild System Indexes"),
                   QStringLiteral("Reindexing rebuilds the indexes of the letter, label, "
                                  "state/province, label setup, envelope and report files."),
                   ActivityText(TSystemTable::stCsz))
{
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

void TRebuildSystemIndexesForm::Reindex()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    ShowRunning(true);

    // Each table's pack and tag share the bar, which starts again for the next table.
    std::optional<TRunningProgress> running;
    auto beforeTable = [&](TSystemTable table) {
        running.emplace(2);
        ProgressBar->setValue(0);
        ShowActivity(ActivityText(table));
    };
    auto show = [&](int percent) { ShowProgress(running ? running->Report(percent) : percent); };
    TAddressFiles::RebuildSystemTags(beforeTable, show);

    ShowRunning(false);
    accept();
}

void TRebuildSystemIndexesForm::Run(QWidget* parent)
{
    TRebuildSystemIndexesForm form(parent);
    form.ExecCentred(parent);
}
