#include "BrowseTestTable.h"

#include "app/TSearchForm.h"
#include "app/TSortOrders.h"

#include <QComboBox>
#include <QLabel>

class SearchForm : public BrowseTestTable {
protected:
    void SetUp() override
    {
        BrowseTestTable::SetUp();
        Create({{"Young", "Ann", "IL", ""},
                {"-Smith", "Bob", "IL", ""}, // deleted: outside the record set
                {"Smithers", "Cy", "IN", ""},
                {"Blacksmith", "Di", "IL", ""},
                {"-Smyth", "Ed", "IL", ""},
                {"Müller", "Flo", "MO", ""}});
    }
};

TEST_F(SearchForm, FindsTheFirstMemberWhoseKeyBeginsWithTheTextElseStays)
{
    struct Case {
        const char* Order;
        const char* Text;
        bool Found;
        const char* Expected; // last name the table stands on afterwards
    };
    const Case cases[] = {
        {"Last Name", "smi", true, "Smithers"}, // the deleted Smith has the first key
        {"Last Name", "Smith", true, "Smithers"},
        {"Last Name", "smy", false, "Young"},   // only the deleted Smyth begins with it
        {"Last Name", "zz", false, "Young"},
        {"Last Name", "mü", true, "Müller"},    // upper-cased in Windows-1252 as the key is
        {"First Name", "d", true, "Blacksmith"},
        {"State", "IN", true, "Smithers"},
        {"Nonsense", "a", false, "Young"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Order) + " " + c.Text);
        Table->SetOrderTag("LNAME");
        GoTo("Young");
        EXPECT_EQ(TSearchForm::Search(*Table, c.Order, QString::fromUtf8(c.Text)), c.Found);
        EXPECT_EQ(LastName(), QString::fromUtf8(c.Expected));
    }
}

TEST_F(SearchForm, TheSearchHonoursTheFilterAndSetsTheOrder)
{
    Table->SetFilterText("(UPPER(STATE)=\"IL\")");
    GoTo("Young");
    EXPECT_FALSE(TSearchForm::Search(*Table, "Last Name", "smithers")); // in IN: outside the filter
    EXPECT_EQ(LastName(), "Young");
    EXPECT_EQ(Table->Area().tagName(Table->Area().order()), "LNAME");
    EXPECT_TRUE(TSearchForm::Search(*Table, "Zip", "")); // every key begins with nothing
    EXPECT_EQ(Table->Area().tagName(Table->Area().order()), "ZIP");
}

TEST(SearchFormWindow, ListsTheSortOrdersAndNamesTheChosenOneInTheLabel)
{
    TestApplication();
    TSearchForm form;
    EXPECT_EQ(form.OrderList->count(), TSortOrders::Captions().size());
    form.SetOrderCaption("city");
    EXPECT_EQ(form.OrderCaption(), "City");
    EXPECT_EQ(form.TextLabel->text(), "Search City starting with...");
    form.OrderList->setCurrentIndex(form.OrderList->findText("E-mail"));
    EXPECT_EQ(form.TextLabel->text(), "Search E-mail starting with...");
    EXPECT_EQ(TSortOrders::TagFor("E-MAIL"), "EMAIL");
    SaveScreenshot(&form, "search");
}
