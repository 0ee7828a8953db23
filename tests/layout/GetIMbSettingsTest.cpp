// The "Intelligent Mail Barcode" dialog: the tracking code as the fields change, and "OK" only
// for fields that make one.
#include "layout/TGetIMbSettings.h"

#include "prompts/TScriptedUserPrompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <gtest/gtest.h>

#include "BarcodeTestApplication.h"

namespace {

class GetIMbSettingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }
};

TEST_F(GetIMbSettingsTest, ShowsTheTrackingCodeAndReturnsTheFields)
{
    TGetIMbSettings dialog({"00", "700", "123456", 42});
    EXPECT_EQ(dialog.windowTitle(), "Intelligent Mail Barcode");
    EXPECT_EQ(dialog.TrackingCodeLabel()->text(), "00700123456000000042");

    dialog.MailerIdEdit()->setText("912345678");
    EXPECT_EQ(dialog.TrackingCodeLabel()->text(), "00700912345678000042");
    dialog.MailerIdEdit()->setText("912345");
    EXPECT_TRUE(dialog.TrackingCodeLabel()->text().contains("Mailer ID")) << dialog.TrackingCodeLabel()->text().toStdString();

    dialog.MailerIdEdit()->setText("654321");
    dialog.SerialStartEdit()->setText("987654321");
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Settings(), (TIMbSettings{"00", "700", "654321", 987654321}));
}

TEST_F(GetIMbSettingsTest, OkOnBadFieldsSaysWhyAndStaysOpen)
{
    TScriptedUserPrompts prompts;
    TGetIMbSettings dialog({"05", "700", "123456", 1});
    dialog.OkButtonClick();
    dialog.BarcodeIdEdit()->setText("00");
    dialog.SerialStartEdit()->setText("");
    dialog.OkButtonClick();
    ASSERT_EQ(prompts.Texts().size(), 2);
    EXPECT_TRUE(prompts.Texts()[0].startsWith("The Barcode ID")) << prompts.Texts()[0].toStdString();
    EXPECT_TRUE(prompts.Texts()[1].contains("serial number"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    // Only digits can be typed, no more than the field holds.
    for (const char* typed : {"7a0", "7000"}) {
        QString text = typed;
        int position = 0;
        EXPECT_EQ(dialog.ServiceTypeIdEdit()->validator()->validate(text, position), QValidator::Invalid) << typed;
    }
}

} // namespace
