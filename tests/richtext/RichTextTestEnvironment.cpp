// The rich-text tests need fonts, hence a QGuiApplication on the offscreen platform.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TRichTextTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_richtext";
        static char* argv[] = {name, nullptr};
        App = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { App.reset(); }

private:
    std::unique_ptr<QGuiApplication> App;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TRichTextTestEnvironment);

} // namespace
