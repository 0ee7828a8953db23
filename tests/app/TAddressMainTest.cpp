#include "AppTestSupport.h"

#include "app/TAddressMain.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(TAddressMain, CommandRulesFollowTableEditAndRecordState)
{
    TTestProgramFolder home;
    TAddressMain window;
    window.resize(900, 600);

    window.SetButtons({});
    EXPECT_EQ(window.RecordArea->currentWidget(), window.NoDataPanel);
    EXPECT_FALSE(window.AddButton->isEnabled());
    EXPECT_FALSE(window.Action("&Rebuild Indexes for this file")->isEnabled());

    window.SetButtons({true, false, true, false});
    EXPECT_NE(window.RecordArea->currentWidget(), window.NoDataPanel);
    EXPECT_TRUE(window.AddButton->isEnabled());
    EXPECT_TRUE(window.EditButton->isEnabled());
    EXPECT_TRUE(window.SortMenu->isEnabled());
    EXPECT_FALSE(window.SaveButton->isVisibleTo(&window));
    EXPECT_TRUE(window.NextButton->isVisibleTo(&window));
    EXPECT_FALSE(window.ClearFilterButton->isVisibleTo(&window));
    window.FieldEdits["LNAME"]->setText("Smith");
    window.FieldEdits["FNAME"]->setText("John");
    window.FieldEdits["STREET"]->setText("1 Main St");
    window.FieldEdits["DisplayDate"]->setText("3/15/2024");
    SaveScreenshot(&window, "main-window");

    window.SetButtons({true, true, true, false}); // editing
    EXPECT_TRUE(window.SaveButton->isVisibleTo(&window));
    EXPECT_FALSE(window.AddButton->isVisibleTo(&window));
    EXPECT_FALSE(window.NextButton->isVisibleTo(&window));
    EXPECT_FALSE(window.FileMenu->isEnabled());
    EXPECT_FALSE(window.RecordMenu->isEnabled());

    window.SetButtons({true, false, false, true}); // empty set, filter set
    EXPECT_TRUE(window.AddButton->isEnabled());
    EXPECT_FALSE(window.EditButton->isEnabled());
    EXPECT_TRUE(window.ClearFilterButton->isVisibleTo(&window));
}

TEST(TAddressMain, LaterCommandsArePresentButDisabledWithAReason)
{
    TTestProgramFolder home;
    TAddressMain window;
    window.SetButtons({true, false, true, false});
    for (const char* caption : {"Print &Labels", "Print &Reports"}) {
        QAction* action = window.Action(caption);
        ASSERT_NE(action, nullptr) << caption;
        EXPECT_FALSE(action->isEnabled()) << caption;
        EXPECT_EQ(action->toolTip(), TAddressMain::NotAvailableText());
    }
    EXPECT_EQ(window.Action("Print &Labels")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_TRUE(window.Action("Print Le&tters")->isEnabled());
    EXPECT_EQ(window.Action("Print Le&tters")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    for (const char* tool : {"&Export ", "Check && Repair &State and Zip Codes", "Check && Repair &Duplicates", "Con&vert Case",
                             "&Search && Replace Field Values"})
        EXPECT_TRUE(window.Action(tool)->isEnabled()) << tool;
}
