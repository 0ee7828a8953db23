// Reading PRESORT.PSL back as label printing does, including files a user has damaged.
#include "ZipTestTable.h"

#include "tools/TBulkMailPresort.h"
#include "tools/TPresortList.h"

#include <QFile>

namespace {

std::vector<TPresortEntry> Drain(TPresortList list)
{
    std::vector<TPresortEntry> entries;
    while (auto entry = list.TakeFirst())
        entries.push_back(*entry);
    return entries;
}

TEST(TPresortList, SeparatorsAndZipsInFileOrderWhateverTheLineEnds)
{
    const auto entries = Drain(TPresortList::FromText("** 5-digit 12345\r\n12345\n\n   \r\n** Unknown\r00123  \r\n\r\n99999"));
    EXPECT_EQ(entries, (std::vector<TPresortEntry>{{"** 5-digit 12345", true}, {"12345", false}, {"** Unknown", true},
                                                   {"00123", false}, {"99999", false}}));
}

TEST(TPresortList, LongLinesAreCutAndMissingFileIsEmpty)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("PRESORT.PSL");
    EXPECT_TRUE(TPresortList::Load(path).Empty());

    // A huge line with no end, read in blocks, between two ordinary entries.
    QByteArray bytes = "12345\r\n** ADC " + QByteArray(300000, 'A') + "\r\n" + QByteArray(200000, '9');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto entries = Drain(TPresortList::Load(path));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Text, "12345");
    EXPECT_TRUE(entries[1].Separator);
    EXPECT_EQ(entries[1].Text, "** ADC " + QString(TPresortList::MaxLineLength - 7, u'A'));
    EXPECT_EQ(entries[2].Text, QString(TPresortList::MaxLineLength, u'9'));
}

class TPresortListRoundTrip : public ZipTestTable {};

TEST_F(TPresortListRoundTrip, ReadsBackWhatThePresortWrote)
{
    Create(Joined({Copies("12345", 10), Copies("12001", 2)}));
    ASSERT_TRUE(TBulkMailPresort::Run(*Table, TAdcTable::Load(), TBulkMailPresort::ListPath()));
    EXPECT_EQ(Drain(TPresortList::Load(TBulkMailPresort::ListPath())),
              (std::vector<TPresortEntry>{{"** 5-digit 12345", true}, {"12345", false}, {"** ADC ALBANY NY 120", true},
                                          {"12001", false}}));
}

} // namespace

namespace {

// No list of every ZIP there is comes near the bound; a file past it is refused by name and
// size before any of it is read.
TEST(TPresortListBound, AFileNoListCanBeIsRefused)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("PRESORT.PSL");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(TPresortList::MaxFileBytes));
    file.close();
    EXPECT_NO_THROW(TPresortList::Load(path));
    ASSERT_TRUE(file.resize(TPresortList::MaxFileBytes + 1));
    try {
        TPresortList::Load(path);
        FAIL() << "read";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString(error.what()).startsWith(path + " holds 16777217 bytes")) << error.what();
    }
}

} // namespace
