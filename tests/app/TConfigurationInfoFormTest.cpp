#include "AppTestSupport.h"

#include "app/TConfigurationInfoForm.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"

#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// The information boxes shown, leaving out the file dialogs.
QStringList Notices(const TScriptedUserPrompts& prompts)
{
    QStringList notices;
    for (const TPromptRecord& record : prompts.Asked())
        if (record.Kind == TPromptKind::pkInformation)
            notices << record.Text;
    return notices;
}
} // namespace

TEST(TConfigurationInfoForm, EveryItemHasItsLabelInTheUsualOrder)
{
    TTestProgramFolder home;
    TIniFile(TProgramFolder::SettingsFile()).WriteInteger("Editing", "AggressiveSave", 2);
    const QStringList lines = TConfigurationInfoForm::ConfigurationText().split(u'\n');

    const QStringList labels = {"[Product]",     "Program:     \tQuorvane", "Version:     \t",
                                "[Environment]", "Windows:     \t",         "CPU:         \tProcessor:  ",
                                "Video:       \t", "Font:        \tSmall Fonts in use", "Memory Load: \t",
                                "Phys Memory: \tTotal: ", "Page File:   \tTotal: ", "Virt Memory: \tTotal: ",
                                "Language:    \tUser: ", "Country:     \tUser: ", "Date Format: \tShort: ",
                                "Time Format: \tShort: ", "[" + TProgramFolder::SettingsFile() + "]",
                                "Aggr. Save:  \t2"};
    qsizetype at = 0;
    for (const QString& label : labels) {
        const auto found = std::find_if(lines.begin() + at, lines.end(),
                                        [&](const QString& line) { return line.startsWith(label); });
        ASSERT_NE(found, lines.end()) << label.toStdString() << " missing or out of order";
        at = found - lines.begin() + 1;
    }
    EXPECT_FALSE(lines[0].isEmpty()); // the date and time
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines.filter("Video:").first().contains(" colors"));
    EXPECT_TRUE(lines.filter("Phys Memory:").first().contains(";    Available: "));
}

TEST(TConfigurationInfoForm, ColourCountsFollowTheScreenDepth)
{
    const std::pair<int, qint64> cases[] = {{1, 2},         {4, 16},        {8, 256},      {15, 32768},
                                            {16, 65536},    {24, 16777216}, {32, 16777216}};
    for (const auto& [bits, colours] : cases)
        EXPECT_EQ(TConfigurationInfoForm::ColourCount(bits), colours) << bits;
}

TEST(TConfigurationInfoForm, CopyAndSaveHandTheTextOnAndSaySo)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    TConfigurationInfoForm form;
    SaveScreenshot(&form, "configuration_information");

    form.CopyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), form.TextView->toPlainText());
    EXPECT_EQ(prompts.Asked().at(0).Caption, "Configuration Information");

    const QString target = TProgramFolder::Path() + "support";
    prompts.Answer(target);
    form.SaveAsButton->click();
    prompts.Answer(QString()); // cancelled: nothing written, nothing said
    form.SaveAsButton->click();

    QFile saved(target + ".TXT");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), form.TextView->toPlainText());
    EXPECT_EQ(prompts.Asked().at(1).Text, TProgramFolder::Path()); // the dialog starts in the program folder
    EXPECT_EQ(Notices(prompts), (QStringList{"Information copied to Windows clipboard",
                                            "Information was saved as: " + target + ".TXT"}));
    EXPECT_EQ(prompts.Unanswered(), 0);
}

TEST(TConfigurationInfoForm, AFileThatCannotBeWrittenIsReportedNotClaimed)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    TConfigurationInfoForm form;
    const QString target = TProgramFolder::Path() + "no/such/folder/info.TXT";
    prompts.Answer(target);
    form.SaveAs();
    EXPECT_EQ(Notices(prompts), QStringList{"Unable to save the information as: " + target});
}
