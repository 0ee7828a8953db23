// Shared pieces of the window tests: one QApplication for the executable (offscreen), a
// temporary program folder, and screenshots for a person to look at when
// QUORVANE_SCREENSHOT_DIR is set.
#pragma once

#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* app = new QApplication(argc, argv);
        TScreenMetrics::SetPixelsPerInch(96);
        return app;
    }();
    return *application;
}

// A fresh program folder for one test.
struct TTestProgramFolder {
    QTemporaryDir Folder;
    TTestProgramFolder()
    {
        TestApplication();
        TProgramFolder::SetPath(Folder.path());
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }
};

inline void SaveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    widget->show();
    QApplication::processEvents();
    widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}
