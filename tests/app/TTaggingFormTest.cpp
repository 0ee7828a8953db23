#include "AppTestSupport.h"

#include "app/TTaggingForm.h"
#include "data/SmallAddressTable.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
class TTaggingFormTest : public SmallAddressTable {
protected:
    void SetUp() override
    {
        TestApplication();
        SmallAddressTable::SetUp();
    }

    QStringList TaggedNames()
    {
        QStringList names;
        for (uint32_t recno = 1; recno <= Table->Table().recordCount(); ++recno) {
            Table->Table().go(recno);
            if (Table->Tagged())
                names << Table->FieldText("LNAME");
        }
        return names;
    }
};
} // namespace

TEST_F(TTaggingFormTest, RunTagsTheRecordSetAfterTheQuestionAndWaitsForOk)
{
    Table->SetFilterText(R"(UPPER(STATE)="IL")");
    Prompts.Answer(true);
    QString finalMessage;
    QTimer ok;
    QObject::connect(&ok, &QTimer::timeout, [&] {
        auto* form = qobject_cast<TTaggingForm*>(QApplication::activeModalWidget());
        if (form && !form->Running() && form->isVisible()) {
            finalMessage = form->MessageLabel->text();
            form->OkButton->click();
        }
    });
    ok.start(10);
    EXPECT_EQ(TTaggingForm::Run(nullptr, *Table), 2u);
    EXPECT_EQ(finalMessage, "Complete");
    ASSERT_FALSE(Prompts.Asked().empty());
    EXPECT_EQ(Prompts.Asked()[0].Caption, "TAG ALL");
    EXPECT_EQ(Prompts.Asked()[0].Text, "Tag all records matching filter?");
    EXPECT_EQ(TaggedNames(), QStringList({"Smith", "Blacksmith"})); // not the ISDEL Smith

    Prompts.Answer(false);
    Table->SetFilterText(QString());
    EXPECT_EQ(TTaggingForm::Run(nullptr, *Table), 0u);
    EXPECT_EQ(TaggedNames().size(), 2);
}

TEST_F(TTaggingFormTest, CancelStopsAfterTheCurrentRecordOnceConfirmed)
{
    TTaggingForm form;
    form.AfterRecord = [&](uint32_t tagged) {
        if (tagged == 1) {
            SaveScreenshot(&form, "tagging");
            Prompts.Answer(false); // "No": go on
            form.CancelClick();
        } else if (tagged == 3) {
            Prompts.Answer(true);
            form.CancelClick();
        }
    };
    EXPECT_EQ(form.TagRecords(*Table), 3u);
    EXPECT_EQ(Table->Table().recordNumber(), 1u); // back on the first record
    EXPECT_EQ(TaggedNames().size(), 3);
    EXPECT_EQ(form.MessageLabel->text(), "Cancelled before completion");
    EXPECT_TRUE(form.CountLabel->isHidden());
    EXPECT_TRUE(form.CancelButton->isHidden());
    EXPECT_FALSE(form.OkButton->isHidden());
    ASSERT_EQ(Prompts.Asked().size(), 2u);
    EXPECT_EQ(Prompts.Asked()[1].Caption, "CANCEL");
    EXPECT_EQ(Prompts.Asked()[1].Text, "Cancel Tagging?");
    SaveScreenshot(&form, "tagging_cancelled");
}
