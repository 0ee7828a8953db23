#include "TUserPrompts.h"

#include "TConsolePrompts.h"

#include <QTextStream>

#include <cstdio>

namespace {
TUserPrompts* installedPrompts = nullptr;
} // namespace

TUserPrompts& TUserPrompts::Current()
{
    if (installedPrompts)
        return *installedPrompts;
    static QTextStream err(stderr);
    static TConsolePrompts console(err, false);
    return console;
}

void TUserPrompts::Install(TUserPrompts* prompts) { installedPrompts = prompts; }
TUserPrompts* TUserPrompts::InstalledService() { return installedPrompts; }
