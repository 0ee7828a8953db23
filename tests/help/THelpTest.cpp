#include "app/AppTestSupport.h"
#include "app/TAddressBrowseForm.h"
#include "app/TAddressFilterForm.h"
#include "app/TAddressMain.h"
#include "app/TDeleteRecordsForm.h"
#include "data/SmallAddressTable.h"
#include "app/TConfigurationInfoForm.h"
#include "app/TCopyRecordForm.h"
#include "app/TDateForm.h"
#include "app/TFieldLengthsForm.h"
#include "app/TGettingStartedForm.h"
#include "app/TNewDatabaseForm.h"
#include "app/TNewRecordForm.h"
#include "app/TPreferencesForm.h"
#include "app/TSearchForm.h"
#include "dialer/TQVDialer.h"
#include "dialer/TfrmTAPICall.h"
#include "help/THelp.h"
#include "help/THelpPages.h"
#include "help/THelpWindow.h"
#include "help/TQuickTips.h"
#include "help/TQuickTipsWindow.h"
#include "help/TSplashWindow.h"
#include "help/TWhatsThisTexts.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TPreferences.h"

#include <QApplication>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWhatsThis>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
class NoTelephony final : public TTelephonyService {
public:
    QString OpenLine() override { return NoDevicesText(); }
    TTelephonyCall* MakeCall(const QString&) override { return nullptr; }
};

struct WindowCase {
    const char* Page;
    std::function<QWidget*()> Make;
};

// The windows built so far, each with the page F1 must open.
std::vector<WindowCase> Windows()
{
    return {
        {"main-window.html", [] { return new TAddressMain; }},
        {"preferences.html", [] { return new TPreferencesForm; }},
        {"date.html", [] { return new TDateForm; }},
        {"search.html", [] { return new TSearchForm; }},
        {"field-lengths.html", [] { return new TFieldLengthsForm(nullptr, TFieldLengths()); }},
        {"new-database.html", [] { return new TNewDatabaseForm(nullptr, "ADD0002"); }},
        {"getting-started.html", [] { return new TGettingStartedForm; }},
        {"dial.html", [] { return new TQVDialer("555"); }},
        {"call.html", [] { return new TfrmTAPICall("", std::make_unique<NoTelephony>()); }},
        {"quick-tips.html", [] { return new TQuickTipsWindow; }},
        {"using-help.html", [] { return new THelpWindow; }},
        {"copy-record.html", [] { return new TCopyRecordForm; }},
        {"configuration.html", [] { return new TConfigurationInfoForm; }},
        {"new-record.html", [] { return new TNewRecordForm(TNewRecordOptions{true, true}); }},
    };
}

// Every text of the window's class sits on one of its controls (a caption that changed would
// leave its text behind silently).
void ExpectEveryWhatsThisText(QWidget* window)
{
    window->ensurePolished();
    const QString windowClass = QString::fromLatin1(window->metaObject()->className());
    for (const QString& caption : TWhatsThisTexts::Captions(windowClass)) {
        const QString text = TWhatsThisTexts::For(windowClass, caption);
        bool found = false;
        for (QWidget* control : window->findChildren<QWidget*>())
            found = found || control->whatsThis() == text;
        EXPECT_TRUE(found) << windowClass.toStdString() << ": " << caption.toStdString();
    }
}

void CloseHelp()
{
    if (THelpWindow* help = THelpWindow::Existing())
        delete help;
}
} // namespace

TEST(THelpPages, EveryPageHasATitleAndNoDeadLinks)
{
    const QStringList pages = THelpPages::Pages();
    ASSERT_TRUE(pages.contains("index.html"));
    EXPECT_EQ(THelpPages::DeadLinks(), QStringList());
    for (const QString& page : pages)
        EXPECT_NE(THelpPages::Title(page), page) << page.toStdString();
    // Every window the program has or will have points at a page that exists.
    for (const QString& windowClass : THelpPages::KnownWindowClasses())
        EXPECT_TRUE(pages.contains(THelpPages::PageForWindow(windowClass, {}))) << windowClass.toStdString();
    EXPECT_EQ(THelpPages::PageForWindow("TSomethingNew", "DBF File Import"), "import-dbf.html");
    EXPECT_EQ(THelpPages::PageForWindow("TSomethingNew", "Untitled"), "");
}

TEST(THelpPages, SearchFindsPagesHoldingEveryWord)
{
    const QStringList found = THelpPages::Search("modem PREFIX");
    EXPECT_TRUE(found.contains("dial.html"));
    EXPECT_FALSE(found.contains("labels.html"));
    EXPECT_TRUE(THelpPages::Search("   ").isEmpty());
    EXPECT_TRUE(THelpPages::Search("modem xyzzyplugh").isEmpty());
}

TEST(THelp, F1OpensThePageOfTheWindowItIsPressedIn)
{
    THelp::Install();
    TScriptedUserPrompts prompts;
    for (const WindowCase& c : Windows()) {
        CloseHelp();
        std::unique_ptr<QWidget> window(c.Make()); // not shown: the main window would start up
        const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
        QWidget* target = fields.isEmpty() ? window.get() : fields.first();
        QTest::keyClick(target, Qt::Key_F1);
        THelpWindow* help = THelpWindow::Existing();
        ASSERT_NE(help, nullptr) << c.Page;
        EXPECT_EQ(help->CurrentPage(), QString::fromLatin1(c.Page)) << window->metaObject()->className();
        window->close();
    }
    CloseHelp();
}

TEST(THelp, HelpButtonsAndAWindowsOwnPage)
{
    CloseHelp();
    TFieldLengthsForm lengths(nullptr, TFieldLengths());
    lengths.HelpButton->click();
    ASSERT_NE(THelpWindow::Existing(), nullptr);
    EXPECT_EQ(THelpWindow::Existing()->CurrentPage(), "field-lengths.html");

    TGettingStartedForm start;
    emit start.Page->anchorClicked(QUrl("filter.html"));
    EXPECT_EQ(THelpWindow::Existing()->CurrentPage(), "filter.html");

    QWidget other;
    THelp::SetPage(&other, "faq.html");
    auto* child = new QLineEdit(&other);
    EXPECT_EQ(THelp::PageOf(child), "faq.html");
    QWidget unknown;
    EXPECT_EQ(THelp::PageOf(&unknown), "index.html");
    CloseHelp();
}

TEST(THelpWindow, BackForwardContentsAndSearch)
{
    THelpWindow window;
    for (const char* page : {"index.html", "filter.html", "labels.html"}) {
        window.ShowPage(page);
        SaveScreenshot(&window, QStringLiteral("help-") + page);
    }
    window.ShowPage("dial.html");
    window.ShowPage("call.html#nothing");
    EXPECT_EQ(window.CurrentPage(), "call.html");
    window.BackButton->click();
    EXPECT_EQ(window.CurrentPage(), "dial.html");
    EXPECT_TRUE(window.ForwardButton->isEnabled());
    window.ForwardButton->click();
    EXPECT_EQ(window.CurrentPage(), "call.html");
    window.ContentsButton->click();
    EXPECT_EQ(window.CurrentPage(), "index.html");
    window.ShowPage("no-such-page.html");
    EXPECT_EQ(window.CurrentPage(), "index.html");

    window.SearchEdit->setText("pulse");
    window.SearchButton->click();
    EXPECT_EQ(window.CurrentPage(), "");
    EXPECT_TRUE(window.Browser->toHtml().contains("Dial Phone Number"));
    SaveScreenshot(&window, "help-search");
    window.BackButton->click();
    EXPECT_EQ(window.CurrentPage(), "index.html");
}

TEST(TWhatsThisTexts, EveryTextReachesItsControl)
{
    THelp::Install();
    for (const WindowCase& c : Windows()) {
        std::unique_ptr<QWidget> window(c.Make());
        ExpectEveryWhatsThisText(window.get());
        if (qobject_cast<TQVDialer*>(window.get()) && !qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR").isEmpty()) {
            auto* dialer = static_cast<TQVDialer*>(window.get());
            window->show();
            QWhatsThis::showText(dialer->PrefixEdit->mapToGlobal(QPoint(10, 10)), dialer->PrefixEdit->whatsThis(), dialer->PrefixEdit);
            QApplication::processEvents();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->inherits("QWhatsThat"))
                    SaveScreenshot(top, "whats-this");
            QWhatsThis::hideText();
        }
    }
}

class TWhatsThisOnTableDialogs : public SmallAddressTable {};

TEST_F(TWhatsThisOnTableDialogs, EveryTextReachesItsControl)
{
    THelp::Install();
    TAddressFilter filter;
    TAddressFilterForm filterForm(filter, *Table);
    ExpectEveryWhatsThisText(&filterForm);
    TDeleteRecordsForm deleteForm(*Table, filter);
    ExpectEveryWhatsThisText(&deleteForm);
    TAddressBrowseForm browse(*Table, {"LNAME", "CITY"});
    ExpectEveryWhatsThisText(&browse);
    EXPECT_EQ(THelp::PageOf(&deleteForm), "delete-records.html");
    EXPECT_EQ(THelp::PageOf(&browse), "browse.html");
}

TEST(TQuickTipsWindow, PagesThroughTheTipsOfEveryTopic)
{
    const QList<TQuickTip>& tips = TQuickTips::All();
    for (const char* topic : {"Main Window", "Label Designer", "Envelope Designer", "Report Designer", "Letter Designer",
                              "Filters", "Printing"})
        EXPECT_TRUE(TQuickTips::Topics().contains(topic)) << topic;

    TQuickTipsWindow window("Filters");
    SaveScreenshot(&window, "quick-tips");
    const int first = TQuickTips::FirstPageOf("Filters");
    EXPECT_EQ(window.Page(), first);
    EXPECT_EQ(tips[first].Topic, "Filters");
    window.NextButton->click();
    EXPECT_EQ(window.Page(), first + 1);
    window.BackButton->click();
    window.BackButton->click();
    EXPECT_EQ(window.Page(), first - 1);
    EXPECT_EQ(window.TopicCombo->currentText(), tips[first - 1].Topic); // the topic follows the page

    TQuickTipsWindow start;
    EXPECT_EQ(start.Page(), 0);
    EXPECT_FALSE(start.BackButton->isEnabled());
    for (int i = 0; i < tips.size() + 3; ++i)
        start.NextButton->click();
    EXPECT_EQ(start.Page(), tips.size() - 1);
    EXPECT_FALSE(start.NextButton->isEnabled());
    start.TopicCombo->setCurrentText("Printing");
    EXPECT_EQ(start.Page(), TQuickTips::FirstPageOf("Printing"));
}

TEST(TSplashWindow, OnByDefaultAndSwitchedOffInThePreferences)
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("QUORVA.ini"));
    TPreferences preferences = TPreferences::Load(ini);
    EXPECT_TRUE(preferences.ShowSplash);
    preferences.ShowSplash = false;
    preferences.Save(ini);
    EXPECT_FALSE(TPreferences::Load(ini).ShowSplash);
    EXPECT_EQ(ini.ReadString("Misc", "ShowSplash", ""), "0");
}

TEST(TSplashWindow, GoesAwayWhenAnyOtherWindowShows)
{
    EXPECT_EQ(TSplashWindow::ShowIfWanted(false), nullptr);
    QPointer<TSplashWindow> splash = TSplashWindow::ShowIfWanted(true);
    ASSERT_TRUE(splash);
    SaveScreenshot(splash, "splash");
    EXPECT_TRUE(splash->isVisible());
    TDateForm dialog; // a start-up question must never sit under it
    dialog.show();
    EXPECT_FALSE(splash && splash->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}
