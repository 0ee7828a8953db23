#include "TTestApplication.h"

#include "layout/TLayoutUnits.h"
#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

class TTestApplication : public ::testing::Environment {
public:
    explicit TTestApplication(TTestApplicationOptions options) : Options(options) {}

    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt keeps argc and argv for the life of the application.
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(Options.Name), nullptr};
        if (Options.Widgets)
            App = std::make_unique<QApplication>(argc, argv);
        else
            App = std::make_unique<QGuiApplication>(argc, argv);
        if (Options.ScreenAt96)
            TScreenMetrics::SetPixelsPerInch(96);
        if (Options.LayoutAt96)
            TLayoutUnits::SetPixelsPerInch(96);
        if (Options.ProgramFolder) {
            Home = std::make_unique<QTemporaryDir>();
            TProgramFolder::SetPath(Home->path() + QLatin1Char('/'));
        }
    }
    void TearDown() override
    {
        App.reset();
        Home.reset();
    }

private:
    TTestApplicationOptions Options;
    std::unique_ptr<QGuiApplication> App;
    std::unique_ptr<QTemporaryDir> Home;
};

} // namespace

::testing::Environment* AddTestApplication(TTestApplicationOptions options)
{
    return ::testing::AddGlobalTestEnvironment(new TTestApplication(options));
}
