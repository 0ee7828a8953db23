// The Qt application, screen metrics and throw-away program folder the window tests need.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_help", .ScreenAt96 = true, .ProgramFolder = true});

} // namespace
