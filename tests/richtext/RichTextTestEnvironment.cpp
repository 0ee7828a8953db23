// The rich-text tests need fonts, hence a QGuiApplication on the offscreen platform.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_richtext", .Widgets = false});

} // namespace
