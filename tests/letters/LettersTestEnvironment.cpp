// The letter tests need fonts and the print devices (a QApplication on the offscreen platform).
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_letters"});

} // namespace
