// The one Qt application of a test run, shared by every test executable that measures text,
// draws, or shows windows: created before the first test on the offscreen platform (unless the
// caller's environment names another platform) and destroyed after the last one.
//
// A test module registers it once, at namespace scope of one of its files:
//     const auto* const kApplication = AddTestApplication({.Name = "test_labels"});
#pragma once

#include <gtest/gtest.h>

struct TTestApplicationOptions {
    const char* Name = "test";  // the program name the application is given
    bool Widgets = true;        // a QApplication; false: a QGuiApplication (fonts, no widgets)
    bool ScreenAt96 = false;    // screen metrics fixed at 96 pixels per inch
    bool LayoutAt96 = false;    // layout pixels fixed at 96 per inch
    bool ProgramFolder = false; // a throw-away program folder for the whole run
};

// Registers the application with GoogleTest, which owns the environment.
::testing::Environment* AddTestApplication(TTestApplicationOptions options);
