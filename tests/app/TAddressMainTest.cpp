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

TEST(TAddressMain, PrintCommandsAndToolsAreOnWithARecord)
{
    TTestProgramFolder home;
    TAddressMain window;
    window.SetButtons({true, false, true, false});
    for (const char* caption : {"Print &Labels", "Print Le&tters", "Print &Envelopes", "Print &Reports"})
        EXPECT_TRUE(window.Action(caption)->isEnabled()) << caption;
    for (QPushButton* button : {window.LabelsButton, window.LettersButton, window.EnvelopesButton, window.ReportsButton})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    EXPECT_EQ(window.Action("Print &Labels")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(window.Action("Print Le&tters")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    for (const char* tool : {"&Export ", "Check && Repair &State and Zip Codes", "Check && Repair &Duplicates", "Con&vert Case",
                             "&Search && Replace Field Values"})
        EXPECT_TRUE(window.Action(tool)->isEnabled()) << tool;
}
