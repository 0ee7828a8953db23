#include "LetterTestTable.h"

#include "letters/TLetterStore.h"
#include "richtext/TRtfWriter.h"

#include <QFile>

namespace {

class TLetterStoreTest : public LetterTestTable {};

TEST_F(TLetterStoreTest, ListsFindsAndHidesDeletedLetters)
{
    auto store = TLetterStore::Open();
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(QFile::exists(Home.filePath("sysdata/LETTER.DBF")));
    store->Append("thank you", "{\\rtf1 a}");
    store->Append("Reminder", "{\\rtf1 b}");
    store->Append("Appointment", "{\\rtf1 c}");
    const uint32_t gone = store->Append("Zebra", "{\\rtf1 d}");
    store->Append("reminder  ", "{\\rtf1 e}");
    ASSERT_TRUE(store->Select(gone));
    store->DeleteCurrent();

    QStringList names;
    for (const TLetterEntry& letter : store->Letters())
        names << letter.Description;
    EXPECT_EQ(names, (QStringList{"Appointment", "Reminder", "reminder", "thank you"}));
    EXPECT_EQ(store->Find("REMINDER ").size(), 2u);
    ASSERT_EQ(store->Find("Thank You").size(), 1u);
    EXPECT_TRUE(store->Find("Zebra").empty());
    store->Select(store->Find("thank you").front().RecordNumber);
    EXPECT_EQ(store->Rtf(), "{\\rtf1 a}");
}

TEST_F(TLetterStoreTest, PaddingRule)
{
    const QByteArray body = "{\\rtf1 " + QByteArray(1024 - 8, 'x') + "}";
    ASSERT_EQ(body.size(), 1024);
    EXPECT_EQ(TLetterStore::PadRtf(body), body + ' ');
    EXPECT_EQ(TLetterStore::PadRtf(body.left(1023)), body.left(1023));
    EXPECT_EQ(TLetterStore::PadRtf(QByteArray()), QByteArray());

    auto store = TLetterStore::Open();
    ASSERT_NE(store, nullptr);
    store->Append("padded", body);
    EXPECT_EQ(store->Rtf().size(), 1025);
    store->SetRtf(body.left(1023));
    store->Commit();
    EXPECT_EQ(store->Rtf().size(), 1023);
}

TEST_F(TLetterStoreTest, SaveAndLoadInMemory)
{
    auto store = TLetterStore::Open();
    ASSERT_NE(store, nullptr);
    auto letter = Letter(R"({\rtf1\paperw11906\paperh16838 Dear {\b [First]},\par Yours})");
    store->Append("letter", QByteArray());
    store->SaveRichText(*letter);
    store->Commit();
    EXPECT_EQ(store->Rtf(), TLetterStore::PadRtf(TRtfWriter::Write(*letter)));
    TRichDocument loaded;
    store->LoadRichText(loaded);
    EXPECT_EQ(TRtfWriter::Write(loaded), TRtfWriter::Write(*letter));
    EXPECT_EQ(loaded.PageLayout().PaperWidth, TTwips(11906));
    EXPECT_FALSE(QFile::exists("eraseme.rtf"));
}

TEST_F(TLetterStoreTest, MissingIndexIsMadeAgain)
{
    {
        auto store = TLetterStore::Open();
        ASSERT_NE(store, nullptr);
        store->Append("b", "{\\rtf1 b}");
        store->Append("A", "{\\rtf1 a}");
    }
    ASSERT_TRUE(QFile::remove(Home.filePath("sysdata/LETTER.CDX")));
    auto store = TLetterStore::Open();
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(QFile::exists(Home.filePath("sysdata/LETTER.CDX")));
    const auto letters = store->Letters();
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0].Description, "A");
}

TEST_F(TLetterStoreTest, AnUnreadableTableIsNeverReplaced)
{
    QFile file(Home.filePath("sysdata/LETTER.DBF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a table");
    file.close();
    EXPECT_EQ(TLetterStore::Open(), nullptr);
    EXPECT_EQ(Prompts.Texts(), QStringList{"Unable to Open or Create LETTER.DBF"});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a table");
}

} // namespace

namespace {

// A name stored with "?" in place of what the table cannot hold would come back changed and
// could match another letter's; the limit counts characters as the reader sees them.
TEST(TLetterStoreNames, UnstorableOrTooLongNamesAreRefused)
{
    struct TCase {
        QString Name;
        bool Accepted;
    };
    const std::vector<TCase> cases = {
        {QStringLiteral("Caf\u00e9 \u20ac offer \u2013 \u201cspring\u201d"), true},
        {QString(50, QChar(u'\u00e9')), true},
        {QString(51, u'a'), false},
        {QStringLiteral("Reminder \u2713"), false},
        {QStringLiteral("\u041f\u0438\u0441\u044c\u043c\u043e"), false},
        {QStringLiteral("Smile \U0001F600"), false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name.toStdString());
        EXPECT_EQ(TLetterStore::NameRefusal(c.Name).isEmpty(), c.Accepted) << TLetterStore::NameRefusal(c.Name).toStdString();
    }
    EXPECT_TRUE(TLetterStore::NameRefusal(QStringLiteral("Reminder \u2713")).contains(u'\u2713'));
}

} // namespace
