#include "BrowseTestTable.h"

#include "app/TMemoSearch.h"

#include <QApplication>
#include <QLabel>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

class MemoSearch : public BrowseTestTable {
protected:
    TMemoSearch Search;

    void SetUp() override
    {
        BrowseTestTable::SetUp();
        const std::string far = std::string(TMemoSearch::SearchedBytes - 3, 'x') + "order";
        Create({{"Young", "", "IL", "Call about the ORDER"},
                {"Adams", "", "IL", "nothing here"},
                {"-Baker", "", "IL", "order, but deleted"},
                {"Clark", "", "IL", "second Order"},
                {"Moore", "", "IL", far.c_str()}}); // "order" starts past the searched bytes
        Search.SetAskText([](QWidget*) { return std::optional<QString>("order"); });
    }
};

TEST_F(MemoSearch, FindsInOrderThenFindNextContinuesUntilNothingIsLeft)
{
    GoTo("Moore");
    EXPECT_TRUE(Search.SearchMemo(nullptr, *Table)); // from the first record: Adams, Clark, ...
    EXPECT_EQ(LastName(), "Clark");
    EXPECT_TRUE(Search.CanFindNext());
    EXPECT_TRUE(Search.FindNext(nullptr, *Table));
    EXPECT_EQ(LastName(), "Young");
    EXPECT_FALSE(Search.FindNext(nullptr, *Table)); // Moore's match lies beyond the searched bytes
    EXPECT_EQ(LastName(), "Young");                 // back where it started
    EXPECT_FALSE(Search.CanFindNext());
}

TEST_F(MemoSearch, NotFoundOrCancelledReturnsToTheStartingRecord)
{
    Search.SetAskText([](QWidget*) { return std::optional<QString>("absent"); });
    GoTo("Clark");
    EXPECT_FALSE(Search.SearchMemo(nullptr, *Table));
    EXPECT_EQ(LastName(), "Clark");

    // "Cancel" in the Searching window, clicked as soon as the search serves events: after
    // Adams, before Clark would have matched.
    Search.SetAskText([](QWidget*) { return std::optional<QString>("order"); });
    GoTo("Moore");
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowTitle() == "Searching") {
                shown = window->findChild<QLabel*>()->text();
                SaveScreenshot(window, "memo_searching");
                window->findChild<QPushButton*>()->click();
            }
    });
    EXPECT_FALSE(Search.SearchMemo(nullptr, *Table));
    EXPECT_EQ(shown, "Searching for: order");
    EXPECT_EQ(LastName(), "Moore");
    EXPECT_FALSE(Search.CanFindNext());
}

TEST_F(MemoSearch, ScanStopsWhenToldToAndAnAnswerOfCancelChangesNothing)
{
    Table->Table().goTop(); // Adams: no match
    int asked = 0;
    EXPECT_FALSE(TMemoSearch::Scan(*Table, "order", [&] { return ++asked < 1; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(LastName(), "Adams"); // stopped after the current record

    Search.SetAskText([](QWidget*) { return std::optional<QString>(); });
    EXPECT_FALSE(Search.SearchMemo(nullptr, *Table));
    EXPECT_EQ(LastName(), "Adams");
    EXPECT_FALSE(Search.FindNext(nullptr, *Table)); // nothing asked yet
}
