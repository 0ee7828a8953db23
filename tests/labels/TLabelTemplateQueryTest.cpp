#include "LabelsTestEnvironment.h"

#include "labels/TLabelArt.h"
#include "labels/TLabelCatalogue.h"
#include "labels/TLabelStockRules.h"
#include "labels/TLabelTemplateQuery.h"

#include <algorithm>

#include <QFile>

namespace {

TEST(TLabelTemplateQuery, ClausesComeInOrderJoinedOnlyBetweenTwo)
{
    struct TCase {
        const char* Manufacturer;
        int Type;
        bool European;
        const char* Condition;
    };
    const TCase cases[] = {
        {"", TLabelTemplateQuery::AllProductTypes, false, ""},
        {"", -1, true, " (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))"},
        {"Avery Laserjet", 0, false, " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"LJ\"  and  UPPER(PRODTYPE)=\"ADDRESS/SHIPPING LABELS\" "},
        {"Avery Dot Matrix", TLabelTemplateQuery::AllProductTypes, true,
         " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"DM\"  and  (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))"},
        {"Costar LabelPrinter", 5, false, " UPPER(manufac)=\"COSTAR\"  and  UPPER(printer)=\"LP\"  and  UPPER(PRODTYPE)=\"MISCELLANEOUS\" "},
        {"NEBS inkjet", 2, false, " UPPER(manufac)=\"NEBS\"  and  UPPER(printer)=\"IJ\"  and  UPPER(PRODTYPE)=\"DISKETTE LABELS\" "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TLabelTemplateQuery::Build(QString::fromLatin1(c.Manufacturer), c.Type, c.European), c.Condition)
            << c.Manufacturer << " " << c.Type;
}

TEST(TLabelTemplateQuery, OpeningChoicesFollowTheStock)
{
    struct TCase {
        const char* Manufacturer;
        const char* Printer;
        const char* ProductType;
        const char* Choice;
        int Type;
        bool Look;
    };
    const TCase cases[] = {
        {"USER", "", "", "Avery Laserjet", 0, false},
        {"AVERY", "IJ", "card products", "Avery Inkjet", 1, true},
        {"avery", "dm", "MISCELLANEOUS", "Avery Dot Matrix", 5, true},
        {"AVERY", "LP", "ADDRESS/SHIPPING LABELS", "", 0, true},
        {"COSTAR", "LP", "SOMETHING ELSE", "Costar LabelPrinter", TLabelTemplateQuery::AllProductTypes, true},
        {"NEBS", "LJ", "", "", TLabelTemplateQuery::AllProductTypes, true},
        {"ACME", "IJ", "", "Avery Laserjet", TLabelTemplateQuery::AllProductTypes, true},
    };
    for (const auto& c : cases) {
        TLabelStock stock;
        stock.Manufacturer = QString::fromLatin1(c.Manufacturer);
        stock.PrinterKind = QString::fromLatin1(c.Printer);
        stock.ProductType = QString::fromLatin1(c.ProductType);
        const auto opening = TLabelTemplateQuery::Opening(stock);
        EXPECT_EQ(opening.ManufacturerChoice, QString::fromLatin1(c.Choice)) << c.Manufacturer << c.Printer;
        EXPECT_EQ(opening.ProductTypeIndex, c.Type) << c.Manufacturer << c.ProductType;
        EXPECT_EQ(opening.LookForTemplate, c.Look) << c.Manufacturer;
    }
}

class TLabelCatalogueTest : public TLabelsTest {};

// Published dimensions of well-known sheets (inches; the A4 ones from millimetres).
TEST_F(TLabelCatalogueTest, WellKnownSheetsMatchTheirPublishedDimensions)
{
    InstallCatalogue();
    auto catalogue = TLabelCatalogue::Open();
    ASSERT_TRUE(catalogue);
    struct TSheet {
        const char* Product;
        const char* Printer;
        double Width, Height;
        int Across, Down;
        double Top, Left, HPitch, VPitch;
        const char* Paper;
    };
    const double mm = 1 / 25.4;
    const TSheet sheets[] = {
        {"5160", "LJ", 2.625, 1.0, 3, 10, 0.5, 0.1875, 2.75, 1.0, "LTR"},
        {"5161", "LJ", 4.0, 1.0, 2, 10, 0.5, 0.15625, 4.1875, 1.0, "LTR"},
        {"5162", "LJ", 4.0, 1.3333, 2, 7, 0.8333, 0.15625, 4.1875, 1.3333, "LTR"},
        {"5163", "LJ", 4.0, 2.0, 2, 5, 0.5, 0.15625, 4.1875, 2.0, "LTR"},
        {"5164", "LJ", 4.0, 3.3333, 2, 3, 0.5, 0.15625, 4.1875, 3.3333, "LTR"},
        {"5167", "LJ", 1.75, 0.5, 4, 20, 0.5, 0.28125, 2.0625, 0.5, "LTR"},
        {"5195", "LJ", 1.75, 0.6667, 4, 15, 0.5, 0.3, 2.05, 0.6667, "LTR"},
        {"8160", "IJ", 2.625, 1.0, 3, 10, 0.5, 0.1875, 2.75, 1.0, "LTR"},
        {"L7160", "LJ", 63.5 * mm, 38.1 * mm, 3, 7, 15.15 * mm, 7.21 * mm, 66.04 * mm, 38.1 * mm, "A4"},
        {"L7163", "LJ", 99.1 * mm, 38.1 * mm, 2, 7, 15.15 * mm, 4.65 * mm, 101.6 * mm, 38.1 * mm, "A4"},
    };
    const auto rows = catalogue->Rows();
    for (const auto& sheet : sheets) {
        const QString prefix = QStringLiteral("Avery %1  ").arg(QLatin1String(sheet.Product));
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const TLabelStock& r) {
            return r.TemplateName.startsWith(prefix) && r.PrinterKind == QLatin1String(sheet.Printer);
        });
        ASSERT_NE(row, rows.end()) << sheet.Product;
        // Three stored decimals of an inch; millimetre sheets within a hundredth of an inch.
        const double tolerance = 0.01;
        EXPECT_NEAR(row->LabelWidth.Value(), sheet.Width, tolerance) << sheet.Product;
        EXPECT_NEAR(row->LabelHeight.Value(), sheet.Height, tolerance) << sheet.Product;
        EXPECT_EQ(row->Across, sheet.Across) << sheet.Product;
        EXPECT_EQ(row->Down, sheet.Down) << sheet.Product;
        EXPECT_NEAR(row->TopMargin.Value(), sheet.Top, tolerance) << sheet.Product;
        EXPECT_NEAR(row->LeftMargin.Value(), sheet.Left, tolerance) << sheet.Product;
        EXPECT_NEAR(row->HorizontalPitch.Value(), sheet.HPitch, tolerance) << sheet.Product;
        EXPECT_NEAR(row->VerticalPitch.Value(), sheet.VPitch, tolerance) << sheet.Product;
        EXPECT_EQ(row->PaperSize, QLatin1String(sheet.Paper)) << sheet.Product;
        EXPECT_EQ(row->Manufacturer, QStringLiteral("AVERY")) << sheet.Product;
        // The last label stays on the sheet.
        const TInchRect last = row->Placement(row->Across - 1, row->Down - 1);
        EXPECT_LE(last.Right, row->SheetWidth) << sheet.Product;
        EXPECT_LE(last.Bottom, row->SheetDepth) << sheet.Product;
    }
}

TEST_F(TLabelCatalogueTest, EveryRowIsASoundSheetAndTheQueryClausesSelect)
{
    InstallCatalogue(false); // the index is made on opening
    auto catalogue = TLabelCatalogue::Open();
    ASSERT_TRUE(catalogue);
    EXPECT_TRUE(QFile::exists(TProgramFolder::SysdataFolder() + "LBLTPL.CDX"));
    const auto all = catalogue->Rows();
    ASSERT_GT(all.size(), 300u);
    for (const auto& row : all) {
        EXPECT_NO_THROW(TLabelStockRules::Validate(row)) << row.TemplateName.toStdString();
        EXPECT_GT(row.Positions(), 0) << row.TemplateName.toStdString();
        if (!row.Art.isEmpty()) {
            EXPECT_FALSE(TLabelArt::Picture(row.Art).isNull()) << row.Art.toStdString();
        }
        EXPECT_LE(row.Placement(row.Across - 1, row.Down - 1).Right.Value(), row.SheetWidth.Value() + 0.01)
            << row.TemplateName.toStdString();
    }
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const TLabelStock& a, const TLabelStock& b) {
        return a.TemplateName.toUpper() < b.TemplateName.toUpper();
    }));

    const int european = catalogue->SetQuery(TLabelTemplateQuery::Build({}, -1, true));
    EXPECT_GT(european, 0);
    for (const auto& row : catalogue->Rows())
        EXPECT_EQ(row.PaperSize, QStringLiteral("A4"));
    const int laserAddress = catalogue->SetQuery(TLabelTemplateQuery::Build(QStringLiteral("Avery Laserjet"), 0, false));
    EXPECT_GT(laserAddress, 0);
    for (const auto& row : catalogue->Rows())
        EXPECT_TRUE(row.PrinterKind == QLatin1String("LJ") && row.ProductType == QLatin1String("ADDRESS/SHIPPING LABELS"));
    EXPECT_EQ(catalogue->SetQuery(TLabelTemplateQuery::Build(QStringLiteral("Costar LabelPrinter"), -1, false)), 0);
    EXPECT_EQ(catalogue->SetQuery({}), int(all.size()));
}

TEST(TLabelTemplateQuery, TheListOpensOnTheSetupsOwnSheet)
{
    const QStringList names = {"Avery 5159  Address Labels", "Avery 5160  Address Labels", "Avery 5161  Address Labels"};
    const struct {
        const char* Stored;
        int Row;
    } cases[] = {
        {"Avery 5161  Address Labels", 2},
        {"Avery 5160  Address", 1},     // what a new label stores: the catalogue's name begins with it
        {"AVERY 5160 ADDRESS", 1},      // blanks and case aside
        {"Avery 9999  Address", 2},     // not there: the last row, as before
        {"", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TLabelTemplateQuery::RowOfTemplate(names, QString::fromLatin1(c.Stored)), c.Row) << c.Stored;
}

TEST_F(TLabelCatalogueTest, AMissingCatalogueIsReportedAndNeverCreated)
{
    EXPECT_FALSE(TLabelCatalogue::Open());
    EXPECT_EQ(Prompts.Texts(), QStringList{QStringLiteral("Unable to Open LBLTPL.DBF")});
    EXPECT_FALSE(QFile::exists(TProgramFolder::SysdataFolder() + "LBLTPL.DBF"));
}

} // namespace
