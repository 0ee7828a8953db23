// One QApplication for the whole envelopes test run, on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TEnvelopesApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        static int argc = 1;
        static char name[] = "test_envelopes";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TEnvelopesApplication);

} // namespace
