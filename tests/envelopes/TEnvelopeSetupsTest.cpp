// The size table as data, and envelope setups through ENVELOPE.DBF and their layout files:
// saving, the custom-size upgrade of an older table, cloning and deleting.
#include "EnvelopeTestTable.h"

#include "envelopes/TEnvelopeSetups.h"
#include "envelopes/TEnvelopeSizes.h"

#include "data/TAddressSchema.h"
#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"
#include "xbase/FileIO.h"

#include <QFile>

namespace {

TEST(TEnvelopeSizesTest, TheSizeTableAsGiven)
{
    const auto& sizes = TEnvelopeSizes::Table();
    ASSERT_EQ(sizes.size(), 16u);
    QList<int> codes;
    for (const TEnvelopeSize& size : sizes)
        codes << size.Code;
    EXPECT_EQ(codes, QList<int>({19, 20, 21, 22, 23, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37, 38}));
    struct {
        int Code;
        const char* Choice;
        const char* Name;
        double Length, Width;
    } const rows[] = {
        {20, "Envelope #10 4 1/8 x 9 1/2 inches", "ENVELOPE #10 4 1/8 X 9 1/2 INCHES", 9.5, 4.125},
        {27, "Envelope DL 110 x 220 mm", "ENVELOPE DL 110 X 220 MM", 8.8, 4.4},
        {28, "Envelope C5 162 x 229 mm ", "ENVELOPE C5 162 X 229 MM", 9.16, 6.48},
        {30, "Envelope C4  229 x 324 mm", "ENVELOPE C4  229 X 324 MM", 12.96, 9.16},
        {35, "Envelope B6  176 x 125 mm", "ENVELOPE B6  176 X 125 MM", 5.0, 7.04},
        {37, "Envelope Monarch 3 7/8 x 7 1/2 inches", "ENVELOPE MONARCH 3 7/8 x 7 1/2 INCHES", 7.5, 3.875},
        {38, "6 3/4 Envelope 3 5/8 x 6 1/2 inches", "6 3/4 ENVELOPE 3 5/8 X 6 1/2 INCHES", 6.5, 3.625},
    };
    for (const auto& row : rows) {
        const TEnvelopeSize size = TEnvelopeSizes::Find(row.Code);
        EXPECT_EQ(size.Choice, row.Choice);
        EXPECT_EQ(size.Name, row.Name);
        EXPECT_DOUBLE_EQ(size.Length, row.Length);
        EXPECT_DOUBLE_EQ(size.Width, row.Width);
    }
    // Only B6 is shorter than it is wide.
    for (const TEnvelopeSize& size : sizes)
        EXPECT_EQ(size.Length < size.Width, size.Code == 35) << size.Code;
    for (int unknown : {0, 1, 24, 99}) {
        EXPECT_EQ(TEnvelopeSizes::Find(unknown).Name, "Unknown");
        EXPECT_FALSE(TEnvelopeSizes::Find(unknown).Known());
        EXPECT_EQ(TEnvelopeSizes::RowOf(unknown), 0);
    }
    EXPECT_EQ(TEnvelopeSizes::RowOf(38), 15);
}

TEST(TEnvelopeSizesTest, CustomSizesWithinTheirLimits)
{
    EXPECT_EQ(TEnvelopeSizes::Custom(7.25, 3.5).Name, "CUSTOM 7.250 X 3.500 INCHES");
    EXPECT_EQ(TEnvelopeSizes::Custom(9.12345, 4.0).Length, 9.123);
    struct {
        double Length, Width;
        bool Good;
    } const cases[] = {{3, 2, true},     {15, 12, true},   {2.999, 2, false}, {15.001, 4, false},
                       {6, 1.999, false}, {13, 12.001, false}, {5, 5, true},   {5, 5.001, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(TEnvelopeSizes::CustomProblem(c.Length, c.Width).isEmpty(), c.Good) << c.Length << " x " << c.Width;
        // A row of ENVELOPE.DBF meets the same limits: a bad one is refused, never printed.
        TEnvelopeSetup row;
        row.Code = TEnvelopeSizes::CustomCode;
        row.Length = c.Length;
        row.Width = c.Width;
        EXPECT_EQ(row.SizeProblem(), TEnvelopeSizes::CustomProblem(c.Length, c.Width));
        EXPECT_EQ(row.Size().Known(), c.Good);
    }
    TEnvelopeSetup square;
    square.Code = TEnvelopeSizes::CustomCode;
    square.Length = square.Width = 1.0;
    EXPECT_EQ(square.SizeProblem(), "The length must be from 3 to 15 inches");
}

class TEnvelopeSetupsTest : public EnvelopeTestTable {
protected:
    QString Sysdata(const QString& name) const { return TProgramFolder::SysdataFolder() + name; }

    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // An ENVELOPE.DBF as the program has always made it (no custom columns), with rows.
    void OlderTable(std::initializer_list<std::tuple<const char*, int, const char*, bool>> rows)
    {
        const TSystemTableDef& definition = TAddressSchema::SystemTableDef(TSystemTable::stEnvelope);
        TAddressFiles::CreateSystemTableFile(definition, Sysdata("ENVELOPE.DBF"));
        auto table = xbase::DbfTable::open(xbase::FileSystem::native(), Sysdata("ENVELOPE.DBF").toStdString());
        for (const auto& [description, code, file, deleted] : rows) {
            table->appendBlank();
            table->setText(table->fieldIndex("DESCRIPT"), description);
            table->setNumber(table->fieldIndex("NUMBER"), code);
            table->setText(table->fieldIndex("BINARY"), file);
            table->setDeleted(deleted);
            table->commit();
        }
        table->close();
    }
};

TEST_F(TEnvelopeSetupsTest, SavingWritesTheFileFirstAndTakesTheFirstFreeName)
{
    auto setups = TEnvelopeSetups::Open();
    ASSERT_NE(setups, nullptr);
    EXPECT_TRUE(setups->Setups().empty());
    EXPECT_TRUE(QFile::exists(Sysdata("ENVELOPE.DBF")));
    QFile(Sysdata("BIN00002.E")).open(QIODevice::WriteOnly); // a stray file keeps its name

    TEnvelopeSetup setup;
    setup.Description = "Zebra";
    const TEnvelopeSetup first = setups->Save(setup, WriteLayout);
    EXPECT_EQ(first.LayoutFile, "BIN00001.E");
    setup.Description = "apple";
    setup.Code = 22;
    const TEnvelopeSetup second = setups->Save(setup, WriteLayout);
    EXPECT_EQ(second.LayoutFile, "BIN00003.E");
    EXPECT_GT(Bytes(Sysdata("BIN00003.E")).size(), 0);

    // A writer that fails leaves no row.
    setup.Description = "broken";
    EXPECT_THROW(setups->Save(setup, [](const QString&) { throw std::runtime_error("disk full"); }), std::runtime_error);

    // Rewriting a row keeps its file name.
    TEnvelopeSetup changed = first;
    changed.Description = "Yak";
    changed.Code = 19;
    EXPECT_EQ(setups->Save(changed, WriteLayout).LayoutFile, "BIN00001.E");

    setups.reset();
    setups = TEnvelopeSetups::Open();
    ASSERT_NE(setups, nullptr);
    const auto rows = setups->Setups();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Description, "apple");
    EXPECT_EQ(rows[0].Size().Name, "ENVELOPE #12 4 3/4 X 11 INCHES");
    EXPECT_EQ(rows[1].Description, "Yak");
    EXPECT_EQ(rows[1].Code, 19);
    EXPECT_EQ(Prompts.Texts(), QStringList());
}

TEST_F(TEnvelopeSetupsTest, CustomSizeUpgradesAnOlderTableKeepingEveryRow)
{
    OlderTable({{"Monarch", 37, "BIN00001.E", false}, {"gone", 20, "BIN00002.E", true}, {"Odd", 99, "BIN00003.E", false}});
    auto setups = TEnvelopeSetups::Open();
    ASSERT_NE(setups, nullptr);
    EXPECT_FALSE(setups->HasCustomColumns());
    EXPECT_EQ(setups->Setups()[1].Size().Name, "Unknown");

    TEnvelopeSetup custom;
    custom.Description = "Card";
    custom.SetSize(TEnvelopeSizes::Custom(7.25, 3.5));
    const TEnvelopeSetup saved = setups->Save(custom, WriteLayout);
    EXPECT_EQ(saved.RecordNumber, 4u);
    EXPECT_EQ(saved.LayoutFile, "BIN00004.E"); // the deleted row still owns BIN00002.E
    EXPECT_TRUE(setups->HasCustomColumns());

    setups.reset();
    setups = TEnvelopeSetups::Open();
    ASSERT_NE(setups, nullptr); // read back from the file
    const auto rows = setups->Setups();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Description, "Card");
    EXPECT_EQ(rows[0].Size().Name, "CUSTOM 7.250 X 3.500 INCHES");
    EXPECT_DOUBLE_EQ(rows[0].Size().Width, 3.5);
    EXPECT_EQ(rows[1].Description, "Monarch");
    EXPECT_EQ(rows[1].RecordNumber, 1u);
    EXPECT_EQ(rows[1].Size().Length, 7.5);
    EXPECT_EQ(rows[2].RecordNumber, 3u);
    EXPECT_FALSE(QFile::exists(Sysdata("ENVUPGRD.DBF")));

    setups.reset();
    auto raw = xbase::DbfTable::open(xbase::FileSystem::native(), Sysdata("ENVELOPE.DBF").toStdString());
    ASSERT_EQ(raw->recordCount(), 4u);
    raw->go(2);
    EXPECT_TRUE(raw->isFlaggedDeleted());
    EXPECT_EQ(raw->text(raw->fieldIndex("DESCRIPT")), "gone");
    EXPECT_EQ(raw->field(raw->fieldIndex("LENGTH")).decimals, 3);
}

TEST_F(TEnvelopeSetupsTest, CloneCopiesTheFileAndDeleteRemovesIt)
{
    auto setups = TEnvelopeSetups::Open();
    TEnvelopeSetup setup;
    setup.Description = QString(55, 'd');
    setup.Code = 21;
    const TEnvelopeSetup original = setups->Save(setup, WriteLayout);

    const TEnvelopeSetup clone = setups->Clone(original.RecordNumber);
    EXPECT_EQ(clone.Description, ("Clone of " + QString(55, 'd')).left(60));
    EXPECT_EQ(clone.Code, 21);
    EXPECT_EQ(clone.LayoutFile, "BIN00002.E");
    EXPECT_EQ(Bytes(Sysdata("BIN00002.E")), Bytes(Sysdata("BIN00001.E")));

    // A setup whose file went missing clones into a setup without a file.
    QFile::remove(Sysdata("BIN00001.E"));
    const TEnvelopeSetup empty = setups->Clone(original.RecordNumber);
    EXPECT_EQ(empty.LayoutFile, "BIN00003.E"); // BIN00001.E still belongs to the original's row
    EXPECT_FALSE(QFile::exists(Sysdata("BIN00003.E")));

    setups->Delete(clone.RecordNumber);
    EXPECT_FALSE(QFile::exists(Sysdata("BIN00002.E")));
    EXPECT_EQ(setups->Setups().size(), 2u); // the original and the empty clone
    EXPECT_FALSE(setups->Find(clone.RecordNumber).has_value());
}

} // namespace
