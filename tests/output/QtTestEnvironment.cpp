// Every output test needs a QApplication (fonts, widgets) on the offscreen platform, screen
// metrics fixed at 96 pixels per inch, and a throw-away program folder for window placement.
#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TQtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        static int argc = 1;
        static char name[] = "test_output";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
        TScreenMetrics::SetPixelsPerInch(96);
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
    QTemporaryDir Home;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TQtTestEnvironment);

} // namespace
