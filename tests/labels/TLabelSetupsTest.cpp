#include "LabelsTestEnvironment.h"

#include "data/TAddressFiles.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelSetups.h"
#include "labels/TLabelStockRules.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLabelPanel.h"
#include "xbase/WorkArea.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

class TLabelSetupsTest : public TLabelsTest {
protected:
    QString Sysdata() const { return TProgramFolder::SysdataFolder(); }
    void Touch(const QString& name)
    {
        QFile file(Sysdata() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    static TLabelStock CatalogueStock(const QString& description)
    {
        const std::optional<TLabelStock> row = TLabelCatalogue::Open()->Find(description);
        if (row) {
            TLabelStock stock = TLabelStock::NewStock();
            stock.TakeTemplate(*row);
            return stock;
        }
        ADD_FAILURE() << "no template " << description.toStdString();
        return {};
    }
    TLabelSetup AddNewLabel(TLabelSetups& setups, const QString& description, const TLabelStock& stock)
    {
        return setups.Add(description, stock, [&](const QString& path) { TLabelSetups::WriteNewLabelLayout(stock, path); });
    }
};

TEST_F(TLabelSetupsTest, FirstFreeNameSkipsFilesAndNamesOfRows)
{
    EXPECT_EQ(TLabelSetups::FirstFreeLayoutName(Sysdata()), "BIN00001.L");
    Touch("BIN00001.L");
    Touch("BIN00003.L");
    EXPECT_EQ(TLabelSetups::FirstFreeLayoutName(Sysdata(), {"BIN00002.L"}), "BIN00004.L");
}

TEST_F(TLabelSetupsTest, AllNamesTakenIsAClearErrorAndNothingIsWritten)
{
    QSet<QString> used;
    for (int number = 1; number <= 99999; ++number)
        used.insert(QStringLiteral("BIN%1.L").arg(number, 5, 10, QLatin1Char('0')));
    try {
        TLabelSetups::FirstFreeLayoutName(Sysdata(), used);
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("BIN99999.L"), std::string::npos) << error.what();
    }
}

TEST_F(TLabelSetupsTest, AddFromTemplateAndFromValuesListsInDescriptionOrder)
{
    InstallCatalogue();
    auto setups = TLabelSetups::Open();
    ASSERT_TRUE(setups);
    const TLabelStock avery = CatalogueStock("Avery 5160  Address Labels");
    const TLabelStock typed = TLabelStockRules::StockFromValues("2,1,3,10,0.5,0.2,2.1,1,LTR");
    const TLabelSetup first = AddNewLabel(*setups, "Zebra mailing", avery);
    const TLabelSetup second = AddNewLabel(*setups, "alpha club", typed);
    EXPECT_EQ(first.LayoutFile, "BIN00001.L");
    EXPECT_EQ(second.LayoutFile, "BIN00002.L");

    const auto list = setups->Setups();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Description, "alpha club"); // DESCRIPT order is case-blind
    EXPECT_EQ(list[0].Stock, typed);
    EXPECT_EQ(list[1].Stock.TemplateName, "Avery 5160  Address Labels");
    EXPECT_EQ(list[1].Stock, avery);

    // The new-label layout: one address block 5 px inside top-left, 10 px inside bottom-right.
    TLLabelPanel panel;
    panel.LoadFromFile(Sysdata() + first.LayoutFile);
    ASSERT_EQ(panel.Objects().size(), 1u);
    const auto* address = dynamic_cast<const TLDMultiLineAddressLabel*>(panel.Objects()[0].get());
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->Left(), 5);
    EXPECT_EQ(address->Top(), 5);
    EXPECT_EQ(address->Left() + address->Width(), 252 - 10);
    EXPECT_EQ(address->Top() + address->Height(), 96 - 10);
}

TEST_F(TLabelSetupsTest, RowIsPostedOnlyAfterTheLayoutFileIsInPlace)
{
    auto setups = TLabelSetups::Open();
    ASSERT_TRUE(setups);
    const TLabelStock stock = TLabelStock::NewStock();
    EXPECT_THROW(setups->Add("broken", stock, [](const QString&) { throw std::runtime_error("disk full"); }),
                 std::runtime_error);
    EXPECT_TRUE(setups->Setups().empty());

    bool rowSeenWhileWriting = true;
    const TLabelSetup added = setups->Add("kept", stock, [&](const QString& path) {
        rowSeenWhileWriting = !setups->Setups().empty();
        TLabelSetups::WriteNewLabelLayout(stock, path);
    });
    EXPECT_FALSE(rowSeenWhileWriting);
    EXPECT_TRUE(QFileInfo::exists(Sysdata() + added.LayoutFile));
}

TEST_F(TLabelSetupsTest, CloneCutsTheNameAndCopiesTheLayoutDeleteRemovesTheFile)
{
    auto setups = TLabelSetups::Open();
    ASSERT_TRUE(setups);
    const QString longName = QString(50, QLatin1Char('A')) + "0123456789";
    const TLabelSetup original = AddNewLabel(*setups, longName, TLabelStock::NewStock());
    EXPECT_EQ(original.Description, longName.left(50)); // a saved description keeps 50, as the design screen does

    const TLabelSetup clone = setups->Clone(original.RecordNumber);
    // The whole new name is cut to 50: "Clone of :" and the first 40 of the old one.
    EXPECT_EQ(clone.Description, "Clone of :" + QString(40, QLatin1Char('A')));
    EXPECT_EQ(TLabelSetups::CloneDescription("Short"), "Clone of :Short");
    EXPECT_EQ(clone.Stock, original.Stock);
    EXPECT_NE(clone.LayoutFile, original.LayoutFile);
    QByteArray originalBytes, cloneBytes;
    ASSERT_TRUE(TLLabelObjectFiler::ReadFile(Sysdata() + original.LayoutFile, originalBytes));
    ASSERT_TRUE(TLLabelObjectFiler::ReadFile(Sysdata() + clone.LayoutFile, cloneBytes));
    EXPECT_EQ(originalBytes, cloneBytes);

    setups->Delete(original.RecordNumber);
    EXPECT_FALSE(QFileInfo::exists(Sysdata() + original.LayoutFile));
    const auto list = setups->Setups();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].LayoutFile, clone.LayoutFile);
}

// A BINARY text that is not "BIN" + five digits + ".L" never leads outside sysdata: printing,
// designing and cloning refuse it, deleting the row touches no file.
TEST_F(TLabelSetupsTest, ALayoutNameOutsideTheRuleIsRefusedAndDeleteRemovesNoOtherFile)
{
    for (const char* name : {"BIN00001.L", "bin00042.l"})
        EXPECT_TRUE(TSetupStore::IsLayoutName(name, TLabelSetups::LayoutExtension)) << name;
    const QString outside = Home.filePath("x.L"); // the program folder, one above sysdata
    const QStringList badNames = {"../x.L", outside, "sub/BIN00001.L", "BIN0001.L", "BIN00001.E"};
    for (const QString& bad : badNames) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_FALSE(TSetupStore::IsLayoutName(bad, TLabelSetups::LayoutExtension));
        {
            QFile file(outside);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        auto setups = TLabelSetups::Open();
        ASSERT_TRUE(setups);
        const TLabelSetup added = AddNewLabel(*setups, "Edited elsewhere", TLabelStock::NewStock());
        setups.reset(); // the row is edited as another program would, with the table closed here
        {
            auto area = TAddressFiles::OpenSystemTable(TSystemTable::stLabel);
            ASSERT_TRUE(area);
            area->table().go(added.RecordNumber);
            area->table().setText(area->table().fieldIndex("BINARY"), bad.toStdString());
            area->table().commit();
        }
        setups = TLabelSetups::Open();
        ASSERT_TRUE(setups);
        const std::optional<TLabelSetup> edited = setups->Find(added.RecordNumber);
        ASSERT_TRUE(edited);
        EXPECT_THROW(TLabelSetups::LayoutPath(*edited), std::runtime_error);
        EXPECT_THROW(setups->Update(added.RecordNumber, "x", edited->Stock, [](const QString&) { FAIL() << "written"; }),
                     std::runtime_error);
        EXPECT_THROW(setups->Clone(added.RecordNumber), std::runtime_error);
        setups->Delete(added.RecordNumber);
        EXPECT_FALSE(setups->Find(added.RecordNumber));
        EXPECT_TRUE(QFileInfo::exists(outside));
    }
}

} // namespace
