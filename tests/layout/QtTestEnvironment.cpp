// Layout tests measure and draw text, so they need a QApplication on the offscreen platform,
// with layout pixels at their fixed 96 per inch.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_layout", .LayoutAt96 = true});

} // namespace
