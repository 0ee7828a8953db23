// One QApplication for the window tests, on Qt's offscreen platform given one screen of
// 1366 x 768 (the smallest screen the windows are made for), with the program's own screen
// fitting installed as main() installs it.
#include "settings/TScreenFit.h"
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TWindowsApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString config = QDir::temp().filePath(QStringLiteral("quorvane-windows-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "Screen1366", "x": 0, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96}]})");
        file.close();
        // Looking at the windows (QUORVANE_LOOK) takes the real display and its window manager.
        if (qEnvironmentVariableIsEmpty("QUORVANE_LOOK"))
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        else
            qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "test_windows";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
        QFile::remove(config);
        TScreenMetrics::SetPixelsPerInch(96);
        TScreenFit::Install();
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TWindowsApplication);

} // namespace
