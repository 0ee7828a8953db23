// One QApplication for the whole envelopes test run, on the offscreen platform.
#include "support/TTestApplication.h"

namespace {

const auto* const kApplication = AddTestApplication({.Name = "test_envelopes"});

} // namespace
