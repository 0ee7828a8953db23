// The main window around the imports: the File, "&Import" entries and the frame that hands
// the table to the import dialog and takes it back with its order and filter.
#include "AppTestSupport.h"

#include "app/TAddressMain.h"
#include "data/TAddressTable.h"
#include "import/TAsciiImportForm.h"
#include "import/TImportSource.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(TAddressMainImport, EntriesFollowTheirRulesAndNeedATable)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    TAddressMain window;
    window.SetButtons({});
    EXPECT_FALSE(window.Action("Import from &Text/CSV File")->isEnabled());
    window.ImportClick(TImportKind::ikRelease1);
    EXPECT_EQ(prompts.Texts(), QStringList{"You need to have a database file open first"});
    window.SetButtons({true, false, false, false});
    for (const char* caption : {"Import from &Text/CSV File", "Import from &DBF File", "Import from Quorvane 1.x DBF",
                                "Import from Quorvane 2.x DBF"})
        EXPECT_TRUE(window.Action(caption)->isEnabled()) << caption;
}

TEST(TAddressMainImport, TheTableComesBackWithItsOrderAfterAnAsciiImport)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    TIniFile(TProgramFolder::SettingsFile()).WriteString("Misc", "GettingStarted", "1");
    TAddressMain window;
    window.FirstActivation();
    ASSERT_NE(window.AddressTable(), nullptr);
    window.SetOrderTo("City");
    const QString csv = home.Folder.filePath("names.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("LNAME,CITY\nZeta,Athens\nAlpha,Zurich\n");
    file.close();

    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TAsciiImportForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        ran = true;
        ASSERT_TRUE(form->LoadFile(csv));
        form->ImportButton->click();
    });
    window.Action("Import from &Text/CSV File")->trigger();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(prompts.Texts().contains("Import complete. Imported 2 records."));
    ASSERT_NE(window.AddressTable(), nullptr);
    EXPECT_EQ(window.CurrentOrderCaption(), "City");
    EXPECT_EQ(window.FieldEdits.value("LNAME")->text(), "Zeta"); // Athens comes first
    EXPECT_EQ(window.AddressTable()->Count(), 2u);
    EXPECT_FALSE(window.BatchRunning);
}
