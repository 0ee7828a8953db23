// Every output test needs a QApplication (fonts, widgets) on the offscreen platform, screen
// metrics fixed at 96 pixels per inch, and a throw-away program folder for window placement.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_output", .ScreenAt96 = true, .ProgramFolder = true});

} // namespace
