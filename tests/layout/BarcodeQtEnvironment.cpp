// The window and printing tests of this folder need a QApplication on the offscreen platform
// and 96 pixels per inch. Only one application object may exist, so none is made when another
// test environment of the folder has made it already.
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TBarcodeQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_layout";
            static char* argv[] = {name, nullptr};
            App = std::make_unique<QApplication>(argc, argv);
        }
        TScreenMetrics::SetPixelsPerInch(96);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TBarcodeQtEnvironment);

} // namespace
