#include "TConsolePrompts.h"

#include <QTextStream>

TConsolePrompts::TConsolePrompts(QTextStream& err) : Err(err) { Install(this); }
TConsolePrompts::~TConsolePrompts() { Install(nullptr); }

void TConsolePrompts::Information(const QString& text)
{
    Err << "quorvane: " << QString(text).replace(u'\r', QString()) << "\n";
    Err.flush();
}

bool TConsolePrompts::Question(const QString& caption, const QString& text, TQuestionDefault)
{
    Err << "quorvane: " << caption << ": " << QString(text).replace(u'\r', QString()) << " -> No\n";
    Err.flush();
    return false;
}
