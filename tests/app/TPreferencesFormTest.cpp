#include "AppTestSupport.h"

#include "app/TPreferencesForm.h"
#include "settings/TIniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(TPreferencesForm, ShowsTheFileAndWritesEveryValueBack)
{
    TTestProgramFolder home;
    TIniFile ini(TProgramFolder::SettingsFile());
    ini.WriteString("Editing", "AggressiveSave", "0x2");
    ini.WriteBool("Adding", "SkipComments1", true);
    ini.WriteString("Adding", "DefaultCountry", "USA");

    TPreferencesForm form;
    form.SetPreferences(TPreferences::Load(ini));
    EXPECT_EQ(form.AggressiveSaveCombo->currentIndex(), 2);
    EXPECT_TRUE(form.SkipChecks[static_cast<size_t>(TSkipField::sfComments1)]->isChecked());
    EXPECT_EQ(form.DefaultCountryEdit->text(), "USA");
    SaveScreenshot(&form, "preferences");

    form.CarryChecks[static_cast<size_t>(TCarryField::cfCountry)]->setChecked(true);
    form.AggressiveSaveCombo->setCurrentIndex(0);
    form.Preferences().Save(ini);
    EXPECT_TRUE(ini.ReadBool("Adding", "CarryCountry", false));
    EXPECT_EQ(ini.ReadInteger("Editing", "AggressiveSave", 9), 0);
    EXPECT_TRUE(ini.ReadBool("Adding", "SkipComments1", false));
    EXPECT_EQ(ini.ReadString("Adding", "SkipDate", "missing"), "0"); // every key written
}

TEST(TPreferences, AnEmptySettingsFileGivesEverythingOffAndSavingLevel1)
{
    TTestProgramFolder home;
    const TPreferences p = TPreferences::Load(TIniFile(TProgramFolder::SettingsFile()));
    EXPECT_FALSE(p.PlugDate || p.PlugCityState || p.AutoDupCheck);
    EXPECT_EQ(p.AggressiveSave, 1);
    for (bool carry : p.Carry)
        EXPECT_FALSE(carry);
}
