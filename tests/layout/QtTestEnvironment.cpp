// Layout tests measure and draw text, so they need a QApplication on the offscreen platform,
// with layout pixels at their fixed 96 per inch.
#include "layout/TLayoutUnits.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class TQtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        static int argc = 1;
        static char name[] = "test_layout";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
        TLayoutUnits::SetPixelsPerInch(96);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TQtTestEnvironment);

} // namespace
