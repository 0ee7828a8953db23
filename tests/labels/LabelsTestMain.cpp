// One QApplication for the whole labels test run, on the offscreen platform.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_labels"});

} // namespace
