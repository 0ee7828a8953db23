// The tool windows need a QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class TToolsQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_tools";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TToolsQtEnvironment);

} // namespace
