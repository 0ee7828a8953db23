// What a print job's status window says when the job ends, and how the job ended: the words
// belong to each product (labels, reports, ...), the window that shows them to the windows.
#pragma once

#include <QString>

// The final texts of one product; "%p" is replaced by the page number.
struct TStatusTexts {
    QString PrintCanceled;
    QString PreviewCanceled;
    QString PreviewStopped;
    QString PrintCompleted;
    QString PreviewReady;
    // A job that failed (an engine error, a failing printer or file): the error follows.
    QString PrintFailed = QStringLiteral("\rPrint Failed!");
    QString PreviewFailed = QStringLiteral("\rPreview Failed!");
    QString CancelQuestion; // empty: Cancel aborts at once, without a question
    QString CancelCaption = QStringLiteral("CANCEL");
};

enum class TPrintOutcome { poNotRun, poCompleted, poCanceled, poStopped, poFailed };
