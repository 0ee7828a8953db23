// The three dialogs that fill a stock, driven as a user would, with scripted prompts.
#include "LabelsTestEnvironment.h"

#include "labels/TChooseLabelLayout.h"
#include "labels/TLabelEdit.h"
#include "labels/TSelectLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

class TLabelDialogsTest : public TLabelsTest {
protected:
    std::unique_ptr<TSelectLabel> OpenSelect(const TLabelStock& stock)
    {
        InstallCatalogue();
        auto catalogue = TLabelCatalogue::Open();
        EXPECT_TRUE(catalogue);
        return std::make_unique<TSelectLabel>(stock, std::move(catalogue));
    }
};

TEST_F(TLabelDialogsTest, ChooseLayoutDefaultsToTheTemplates)
{
    TChooseLabelLayout dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Label Layout"));
    EXPECT_EQ(dialog.Choice(), TLabelLayoutChoice::lcTemplate);
    dialog.ManualButton()->setChecked(true);
    EXPECT_EQ(dialog.Choice(), TLabelLayoutChoice::lcManual);
}

TEST_F(TLabelDialogsTest, SelectOpensOnTheStocksTemplateAndOkTakesTheRowUnderTheCursor)
{
    TLabelStock stock = TLabelStock::NewStock();
    stock.TemplateName = QStringLiteral("Avery 5163  Shipping Labels");
    auto dialog = OpenSelect(stock);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Label Template"));
    EXPECT_EQ(dialog->ManufacturerBox()->currentText(), QStringLiteral("Avery Laserjet"));
    EXPECT_EQ(dialog->ProductTypeBox()->currentText(), QStringLiteral("Address/Shipping Labels"));
    ASSERT_GE(dialog->TemplateList()->currentRow(), 0);
    EXPECT_EQ(dialog->TemplateList()->currentItem()->text(), stock.TemplateName);
    EXPECT_EQ(dialog->DetailLabel(0)->text(), QStringLiteral("2.000"));
    EXPECT_EQ(dialog->DetailLabel(2)->text(), QStringLiteral("2"));

    // Insert adds nothing; the European check narrows to A4 and moves to the first match.
    const int count = dialog->TemplateList()->count();
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog->TemplateList(), &insert);
    EXPECT_EQ(dialog->TemplateList()->count(), count);
    dialog->EuropeanBox()->setChecked(true);
    ASSERT_GT(dialog->TemplateList()->count(), 0);
    EXPECT_EQ(dialog->TemplateList()->currentRow(), 0);
    dialog->OkButtonClick();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Stock(), dialog->Matches().front());
    EXPECT_EQ(dialog->Stock().PaperSize, QStringLiteral("A4"));
}

TEST_F(TLabelDialogsTest, SelectWithNoMatchDisablesOkAndAUserStockLooksForNoRow)
{
    TLabelStock user = TLabelStock::NewStock();
    user.Manufacturer = QStringLiteral("USER");
    user.TemplateName = QStringLiteral("Avery 5163  Shipping Labels");
    auto dialog = OpenSelect(user);
    EXPECT_EQ(dialog->ManufacturerBox()->currentText(), QStringLiteral("Avery Laserjet"));
    EXPECT_EQ(dialog->TemplateList()->currentRow(), 0) << "a user stock stays on the first row";

    dialog->ManufacturerBox()->setCurrentText(QStringLiteral("Costar LabelPrinter"));
    EXPECT_EQ(dialog->TemplateList()->count(), 0);
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    EXPECT_FALSE(dialog->TemplateList()->isEnabled());
    EXPECT_TRUE(dialog->DetailLabel(0)->text().isEmpty());
    dialog->OkButtonClick();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Stock(), user);

    // A name not in the list leaves the cursor on the last row.
    TLabelStock unknown = TLabelStock::NewStock();
    unknown.TemplateName = QStringLiteral("no such sheet");
    auto other = OpenSelect(unknown);
    EXPECT_EQ(other->TemplateList()->currentRow(), other->TemplateList()->count() - 1);
}

TEST_F(TLabelDialogsTest, SelectWithoutACatalogueSaysSoAndLeavesTheStock)
{
    TLabelStock stock = TLabelStock::NewStock();
    EXPECT_FALSE(TSelectLabel::Select(stock, nullptr));
    EXPECT_EQ(Prompts.Texts(), QStringList{QStringLiteral("Unable to Open LBLTPL.DBF")});
    EXPECT_EQ(stock, TLabelStock::NewStock());
}

TEST_F(TLabelDialogsTest, EditShowsInchesFollowsPitchesAndSwitchesUnits)
{
    TLabelStock stock = TLabelStock::NewStock();
    stock.Shape = QStringLiteral("XX");
    TLabelEdit dialog(stock);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("User Defined Label Layout"));
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnLabelWidth)->text(), QStringLiteral("2.625"));
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnLabelHeight)->text(), QStringLiteral("1.0"));
    EXPECT_EQ(dialog.ShapeBox()->currentText(), QStringLiteral("Round"));
    EXPECT_EQ(dialog.PaperSizeBox()->currentIndex(), -1);
    EXPECT_TRUE(dialog.InchesButton()->isChecked());

    dialog.LengthEdit(TLabelEdit::lnLabelWidth)->setText(QStringLiteral("3.0"));
    dialog.LabelWidthExit();
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnHorizontalPitch)->text(), QStringLiteral("3.0"));
    dialog.LengthEdit(TLabelEdit::lnLabelHeight)->setText(QStringLiteral("0.5"));
    dialog.LabelHeightExit();
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnVerticalPitch)->text(), QStringLiteral("1.01")) << "a smaller label keeps its pitch";

    dialog.MillimetresButton()->setChecked(true);
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnLabelWidth)->text(), QStringLiteral("76"));
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnPaperHeight)->text(), QStringLiteral("279"));
    dialog.PaperSizeBox()->setCurrentIndex(3);
    dialog.PaperSizeChange(3);
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnPaperWidth)->text(), QStringLiteral("297"));
    dialog.PaperSizeBox()->setCurrentIndex(6);
    dialog.PaperSizeChange(6); // "Other" leaves the page as it is
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnPaperWidth)->text(), QStringLiteral("297"));
    dialog.InchesButton()->setChecked(true);
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnLabelWidth)->text(), QStringLiteral("2.992")); // 76 mm
    EXPECT_EQ(dialog.LengthEdit(TLabelEdit::lnLabelHeight)->text(), QStringLiteral("0.512")); // 13 mm
}

TEST_F(TLabelDialogsTest, EditOkShowsTheFirstBrokenRuleAndChangesNothingUntilAllPass)
{
    TLabelStock stock = TLabelStock::NewStock();
    stock.PaperSize = QStringLiteral("A4L");
    TLabelEdit dialog(stock);
    dialog.MillimetresButton()->setChecked(true);
    dialog.LengthEdit(TLabelEdit::lnLabelHeight)->setText(QStringLiteral("7"));
    dialog.LengthEdit(TLabelEdit::lnLabelWidth)->setText(QStringLiteral("5"));
    dialog.OkButtonClick();
    dialog.LengthEdit(TLabelEdit::lnLabelHeight)->setText(QStringLiteral("8"));
    dialog.OkButtonClick();
    EXPECT_EQ(Prompts.Texts(), (QStringList{QStringLiteral("Label Height must be at least .3 inches (or 7mm)"),
                                            QStringLiteral("Label Width must be at least .5 inch (or 13mm)")}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Stock(), stock);

    dialog.LengthEdit(TLabelEdit::lnLabelWidth)->setText(QStringLiteral("60"));
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Stock().PaperSize, QStringLiteral("A4L"));
    EXPECT_EQ(dialog.Stock().Manufacturer, QStringLiteral("USER"));
    EXPECT_DOUBLE_EQ(dialog.Stock().LabelHeight.Value(), 0.315);
    EXPECT_DOUBLE_EQ(dialog.Stock().LabelWidth.Value(), 2.362);
}

} // namespace
