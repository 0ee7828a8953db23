// The barcode tests that draw or show a window need a QApplication on the offscreen platform.
// Only one may exist in a process, so one is made here only when no test environment of the
// folder has made it already; it lives until the process ends.
#pragma once

#include <QApplication>

inline void EnsureQtApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_layout";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);   // deliberately never freed: tests run until the process ends
}
