// Every window opens over the window that asked: each dialog, opened through its real entry
// point from an owner window, is a modal dialog whose parent is that owner; message boxes go
// over the modal window in front (else the main window); help asked for in a modal designer
// belongs to the designer, so it can be read while the designer stays open.
#include "data/PeopleTestTable.h"

#include "app/TAddressBrowseForm.h"
#include "app/TNewDatabaseForm.h"
#include "app/TPreferencesForm.h"
#include "app/TSearchForm.h"
#include "dialer/TQVDialer.h"
#include "envelopes/TQVEnvelopes.h"
#include "help/THelp.h"
#include "help/THelpWindow.h"
#include "labels/TLabelDesignScreen.h"
#include "letters/TLetterDesign.h"
#include "letters/TRTFPreviewForm.h"
#include "prompts/TQtUserPrompts.h"
#include "reports/TReportDesigner.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "settings/TIniFile.h"
#include "tools/TCopyOut.h"
#include "tools/TCountZipCodes.h"
#include "tools/TDupCheck.h"
#include "tools/TSearchAndReplace.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTimer>

#include <functional>

namespace {

// What was in front while `open` ran its modal loop; the window is closed as soon as seen.
struct TSeen {
    QString ClassName;
    QWidget* Parent = nullptr;
    bool Modal = false;
    Qt::WindowType Type = Qt::Widget;
};

TSeen OpenedBy(const std::function<void()>& open)
{
    TSeen seen;
    QTimer poll;
    int tries = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* front = QApplication::activeModalWidget();
        if (!front) {
            if (++tries > 200)
                poll.stop();
            return;
        }
        poll.stop();
        seen = {QString::fromLatin1(front->metaObject()->className()), front->parentWidget(),
                front->windowModality() != Qt::NonModal, front->windowType()};
        if (auto* dialog = qobject_cast<QDialog*>(front))
            dialog->done(QDialog::Rejected); // past any "Save changes?" of the window
        else
            front->close();
    });
    poll.start(5);
    open();
    return seen;
}

class WindowParents : public PeopleTestTable {
protected:
    QMainWindow Owner;

    void SetUp() override
    {
        PeopleTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Able", "STREET=1 Main St", "CITY=Ames", "STATE=IA", "ZIP=50010", "PHONE=555-0100"},
                {"FNAME=Bo", "LNAME=Able", "STREET=1 Main St", "CITY=Ames", "STATE=IA", "ZIP=50010"}});
        Owner.show();
        TQtUserPrompts::SetParentWindow(&Owner);
    }
    void TearDown() override { TQtUserPrompts::SetParentWindow(nullptr); }
};

TEST_F(WindowParents, EveryDialogIsAModalDialogOverTheWindowThatAsked)
{
    TRichDocument letter;
    TRtfReader::Read(R"({\rtf1 Dear [First Name],\par Hello.})", letter);
    QWidget* owner = &Owner;
    TAddressTable& table = *Table;
    const std::pair<const char*, std::function<void()>> windows[] = {
        {"TDupCheck", [&] { TDupCheck::Execute(owner, table); }},
        {"TCountZipCodes", [&] { TCountZipCodes::Execute(owner, table); }},
        {"TCopyOut", [&] { TCopyOut::Execute(owner, table); }},
        {"TSearchAndReplace", [&] { TSearchAndReplace::Execute(owner, table, QString()); }},
        {"TAddressBrowseForm", [&] { TAddressBrowseForm::Execute(owner, table); }},
        {"TSearchForm", [&] { QString order = "Last Name"; TSearchForm::Execute(owner, table, order); }},
        {"TNewDatabaseForm", [&] { TNewDatabaseForm::Execute(owner, "ADD0002"); }},
        {"TPreferencesForm", [&] { TIniFile settings(TProgramFolder::SettingsFile()); TPreferencesForm::Edit(settings, owner); }},
        {"TQVDialer", [&] { TQVDialer::Execute(owner, "555-0100"); }},
        {"TQVEnvelopes", [&] { if (auto w = TQVEnvelopes::Create(table, owner)) w->exec(); }},
        {"TLetterDesign", [&] { QString d = "Welcome"; TRichDocument copy; copy.CopyFrom(letter); TLetterDesign::Execute(owner, table, d, copy); }},
        {"TRTFPreviewForm", [&] { TRTFPreviewForm::Execute(owner, table, letter); }},
        {"TReportDesigner", [&] { TReportDesigner designer(&table, owner); designer.exec(); }},
        {"TLabelDesignScreen", [&] {
             TLabelSetup setup;
             setup.Stock = TLabelStock::NewStock();
             TLabelDesignScreen screen(setup, false, &table, owner);
             screen.exec();
         }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        const TSeen seen = OpenedBy(open);
        EXPECT_EQ(seen.ClassName, QString::fromLatin1(name));
        EXPECT_EQ(seen.Parent, owner);
        EXPECT_TRUE(seen.Modal);
        EXPECT_EQ(seen.Type, Qt::Dialog);
    }
}

TEST_F(WindowParents, BoxesGoOverTheModalWindowInFrontElseTheMainWindow)
{
    EXPECT_EQ(TQtUserPrompts::DialogParent(), &Owner);
    QWidget* during = nullptr;
    QDialog designer(&Owner);
    QTimer::singleShot(0, &designer, [&] {
        during = TQtUserPrompts::DialogParent();
        designer.reject();
    });
    designer.exec();
    EXPECT_EQ(during, &designer);
}

TEST_F(WindowParents, HelpAskedInAModalDesignerBelongsToItAndIsNotBlocked)
{
    TReportDesigner designer(Table.get(), &Owner);
    QWidget* helpOwner = nullptr;
    bool helpVisible = false;
    QTimer::singleShot(0, &designer, [&] {
        THelp::ShowPageOf(&designer); // F1 or the Help button
        const THelpWindow* help = THelpWindow::Existing();
        helpVisible = help && help->isVisible() && help->isWindow();
        helpOwner = help ? help->parentWidget() : nullptr;
        static_cast<QDialog&>(designer).done(QDialog::Rejected);
    });
    designer.exec();
    ASSERT_TRUE(helpVisible);
    // Owned by the designer, a window of its own: a child window of the modal window is not
    // blocked by its modality.
    EXPECT_EQ(helpOwner, &designer);
    THelp::ShowPage(QString());
    ASSERT_NE(THelpWindow::Existing(), nullptr);
    EXPECT_EQ(THelpWindow::Existing()->windowType(), Qt::Window);
    EXPECT_FALSE(THelpWindow::Existing()->isModal());
    THelpWindow::Existing()->close();
}

} // namespace
