// Typing that cannot fit says so: at a field's width a key or a paste that would not fit whole
// brings the notice (a beep and a tooltip naming the limit); what fits still goes in.
#include "app/TTypingLimitNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

TEST(TypingLimit, KeysAndPastesThatWouldNotFitAreNoticed)
{
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    const QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "\x16");
    const QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    const struct {
        const char* Text;
        int Limit;
        bool SelectAll;
        const QKeyEvent* Key;
        const char* Clipboard;
        bool Noticed;
    } cases[] = {
        {"ab", 3, false, &letter, "", false},   // room for one more
        {"abc", 3, false, &letter, "", true},   // full
        {"abc", 3, true, &letter, "", false},   // the key replaces the selection
        {"abc", 3, false, &arrow, "", false},   // not typing
        {"a", 3, false, &paste, "bc", false},   // the paste fits
        {"a", 3, false, &paste, "bcd", true},   // the paste would be cut
        {"abc", 32767, false, &letter, "", false}, // no limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + "/" + std::to_string(c.Limit));
        QLineEdit edit;
        edit.setMaxLength(c.Limit);
        edit.setText(QString::fromLatin1(c.Text));
        if (c.SelectAll)
            edit.selectAll();
        EXPECT_EQ(TTypingLimitNotice::WouldOverflow(edit, *c.Key, QString::fromLatin1(c.Clipboard)), c.Noticed);
    }
    EXPECT_EQ(TTypingLimitNotice::Text(30), "This field holds at most 30 characters");
}

TEST(TypingLimit, AFullFieldShowsTheLimitAndKeepsItsText)
{
    TTypingLimitNotice::Install();
    QLineEdit edit;
    edit.setMaxLength(3);
    edit.show();
    QTest::keyClicks(&edit, "abcd");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(QToolTip::text(), "This field holds at most 3 characters");
    QToolTip::hideText();
}

} // namespace
