// The tools tests need one QApplication (the windows, the report's fonts, the delivered data
// found beside the executable) on the offscreen platform.
#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TToolsTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { TestApplication(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TToolsTestEnvironment);

} // namespace
