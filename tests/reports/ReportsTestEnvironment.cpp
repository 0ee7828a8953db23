// The report tests need fonts and the print devices (a QApplication on the offscreen platform).
#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TReportsTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_reports";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TReportsTestEnvironment);

} // namespace
