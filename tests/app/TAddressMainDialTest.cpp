#include "AppTestSupport.h"

#include "app/TAddressMain.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(TAddressMain, DialButtonsNeedARecordWithThatNumber)
{
    TTestProgramFolder home;
    TAddressMain window;
    QStringList dialled;
    window.Dialogs.Dial = [&](const QString& number, QWidget*) { dialled << number; };
    window.FieldEdits["PHONE"]->setText("555-1234");
    window.FieldEdits["PHONE2"]->setText("  ");

    window.SetButtons({true, false, true, false});
    EXPECT_TRUE(window.DialPhone1Button->isEnabled());
    EXPECT_FALSE(window.DialPhone2Button->isEnabled());
    window.DialPhone1Button->click();
    EXPECT_EQ(dialled, QStringList{"555-1234"});

    window.SetButtons({true, true, true, false}); // editing: hidden, and not enabled either
    EXPECT_FALSE(window.DialPhone1Button->isEnabled());
    EXPECT_FALSE(window.DialPhone1Button->isVisibleTo(&window));

    for (const char* caption : {"&Contents", "Frequently Asked Questions", "Search for Help On", "How to Use Help",
                                "Technical Support", "&Quick Tips"})
        EXPECT_TRUE(window.Action(caption)->isEnabled()) << caption;
}
