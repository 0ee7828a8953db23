#include "AppTestSupport.h"

#include "app/TNewRecordForm.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// Enter in a name field only moves on, so the duplicate check always gets both names; the
// dialog closes on "Ok [PgDn]" (Page Down, Alt+O), Enter in the ZIP, or leaving the first name
// when it is the last entry.
TEST(TNewRecordForm, EnterMovesThroughTheNamesAndTheDialogClosesOnlyAsOk)
{
    TestApplication();
    struct TCase {
        bool AskZip;
        int CloseKey;
        Qt::KeyboardModifier Modifier;
    } cases[] = {{true, Qt::Key_Return, Qt::NoModifier},  // Enter in the ZIP
                 {true, Qt::Key_PageDown, Qt::NoModifier},
                 {true, Qt::Key_O, Qt::AltModifier},
                 {false, Qt::Key_Return, Qt::NoModifier}}; // Enter in the first name, the last entry
    for (const TCase& c : cases) {
        TNewRecordForm form({true, c.AskZip, 30, 30, 10});
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.LastNameEdit->setFocus();
        QTest::keyClicks(form.LastNameEdit, QStringLiteral("Smith"));
        QTest::keyClick(form.LastNameEdit, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.FirstNameEdit->hasFocus());
        QTest::keyClicks(form.FirstNameEdit, QStringLiteral("John"));
        QWidget* last = form.FirstNameEdit;
        if (c.AskZip) {
            QTest::keyClick(form.FirstNameEdit, Qt::Key_Return);
            EXPECT_TRUE(form.isVisible());
            EXPECT_TRUE(form.ZipEdit->hasFocus());
            last = form.ZipEdit;
        }
        QTest::keyClick(last, static_cast<Qt::Key>(c.CloseKey), c.Modifier);
        EXPECT_FALSE(form.isVisible()) << c.CloseKey;
        EXPECT_EQ(form.result(), QDialog::Accepted) << c.CloseKey;
        EXPECT_EQ(form.Values().LastName, QStringLiteral("Smith"));
        EXPECT_EQ(form.Values().FirstName, QStringLiteral("John"));
    }
}
