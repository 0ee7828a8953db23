#include "prompts/TConsolePrompts.h"

#include <QTextStream>

TConsolePrompts::TConsolePrompts(QTextStream& err, bool install) : Err(err), Installed(install)
{
    if (Installed) {
        Previous = InstalledService();
        Install(this);
    }
}

TConsolePrompts::~TConsolePrompts()
{
    if (Installed)
        Install(Previous);
}

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
