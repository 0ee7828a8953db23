#include "TUndoLast.h"

#include "TUndoFile.h"

#include "prompts/TUserPrompts.h"
#include "xbase/XbaseError.h"

#include <QFile>
#include <QFileInfo>

bool TUndoLast::Run(TAddressTable& table, const QString& undoPath, const QString& caption, const QString& what)
{
    TUserPrompts& prompts = TUserPrompts::Current();
    if (!QFileInfo::exists(undoPath)) {
        prompts.Information(QStringLiteral("There is no %1 to undo.").arg(what));
        return false;
    }
    TUndoFile undo;
    QString error;
    if (!undo.Load(undoPath, &error)) {
        prompts.Information(error);
        return false;
    }
    if (!prompts.Question(caption, QStringLiteral("Put back the %1 values the last %2 changed?").arg(undo.Values().size()).arg(what),
                          TQuestionDefault::qdNo))
        return false;
    TUndoFile::TRestore restore;
    try {
        restore = undo.Restore(table);
    } catch (const xbase::XbaseError& failure) {
        prompts.Information(QString::fromLocal8Bit(failure.what()));
        return false;
    }
    if (!restore.Done) {
        prompts.Information(restore.Message);
        return false;
    }
    QFile::remove(undoPath);
    prompts.Information(QStringLiteral("Put back %1 values.").arg(restore.Restored));
    return true;
}
