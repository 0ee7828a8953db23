// What the imports must never lose or garble: the encoding decided from the whole file, an
// unclosed quote kept to its line, the delimiter the file is written in, a copied-out table
// read back as it was, and a failed import leaving exactly the records it reports.
#include "ImportTestSupport.h"

#include "import/TAddressImporter.h"
#include "import/TDbfImportSource.h"
#include "import/TTextImportFile.h"
#include "import/TTextImportSource.h"
#include "tools/TCopyOutWriter.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

namespace {

class ImportFaults : public ImportTest {
protected:
    TImportResult ImportText(const QString& path, TTextImportFile& file, const QStringList& maps = {})
    {
        EXPECT_TRUE(file.Load(path));
        TImportMatch match = file.NewMatch();
        for (const QString& map : maps) {
            const QStringList parts = map.split(u'=');
            match.Assign(match.RowOfField(parts[1]), match.SourceIndex(parts[0]));
        }
        TTextImportSource source(path, file.Format(), match);
        auto table = OpenTable();
        return TAddressImporter::Run(*table, source);
    }
};

TEST_F(ImportFaults, TextFilesAreReadAsTheyAreWritten)
{
    // Windows-1252 whose first accent lies far past the head the format is guessed from.
    QByteArray late = "LNAME,CITY\r\n";
    for (int i = 0; i < 7000; ++i)
        late += "Adams" + QByteArray::number(i) + ",Salem\r\n";
    late += "M\xFCller,K\xF6ln\r\n";
    TTextImportFile lateFile;
    TImportResult result = ImportText(WriteFile("late.csv", late), lateFile);
    EXPECT_EQ(lateFile.Format().Encoding, TTextEncoding::teCp1252);
    EXPECT_EQ(result.Records, 7001u);
    EXPECT_EQ(result.CharactersReplaced, 0);
    EXPECT_EQ(Rows({"LNAME", "CITY"}).last(), QStringLiteral("M\u00fcller|K\u00f6ln"));
}

TEST_F(ImportFaults, UnclosedQuoteAndSemicolonsInValues)
{
    struct TCase {
        const char* Name;
        QByteArray Text;
        QChar Delimiter;
        QStringList Rows;   // LNAME|CITY
        QString Notice;     // the end message's second line, if any
    };
    const std::vector<TCase> cases = {
        {"unclosed.csv", "Smith,\"Springfield\r\nJones,Salem\r\nLee,Oslo\r\nKim,Rome\r\n", u',',
         {"Smith|\"Springfield", "Jones|Salem", "Lee|Oslo", "Kim|Rome"},
         "A quoted value opened on line 1 is never closed: from that line on, every line was read as one record."},
        {"later.csv", "Smith,Salem\r\nJones,\"Oslo, \"\"Old\"\" town\"\r\nLee,\"Rome\r\nKim,Bonn\r\n", u',',
         {"Smith|Salem", "Jones|Oslo, \"Old\" town", "Lee|\"Rome", "Kim|Bonn"},
         "A quoted value opened on line 3 is never closed: from that line on, every line was read as one record."},
        {"days.csv", "Smith,Mon;Wed\r\nJones,Tue;Thu\r\nLee,Fri\r\n", u',', {"Smith|Mon;Wed", "Jones|Tue;Thu", "Lee|Fri"}, {}},
        {"semi.csv", "Smith;Salem, OR\r\nJones;Oslo\r\n", u';', {"Smith|Salem, OR", "Jones|Oslo"}, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath, TFieldLengths()));
        TTextImportFile file;
        const TImportResult result = ImportText(WriteFile(c.Name, c.Text), file, {"Field 1=LNAME", "Field 2=CITY"});
        EXPECT_EQ(file.Format().Delimiter, c.Delimiter);
        EXPECT_EQ(Rows({"LNAME", "CITY"}), c.Rows);
        const QString end = QStringLiteral("Import complete. Imported %1 records.").arg(c.Rows.size());
        EXPECT_EQ(result.Messages, QStringList{c.Notice.isEmpty() ? end : end + u'\n' + c.Notice});
    }
}

// Copy out to text, then the text import of that file: the same records, with the header line
// and matched by its names, or without it through the numbered columns.
TEST_F(ImportFaults, ExportReadsBackAsItWas)
{
    const std::vector<QStringList> records = {
        {"M\u00fcller", "Caf\u00e9 \"Zur Post\"", "Hauptstra\u00dfe 1, Hof", "K\u00f6ln"},
        {"O'Brien", "Smith, Jones & Co", "Line one\r\nLine two", "Salem"},
        {"\"Quoted\"", "", "", "St. \u00c9tienne"},
    };
    const QStringList fields = {"LNAME", "ORG", "STREET", "CITY"};
    {
        auto table = OpenTable();
        for (const QStringList& record : records) {
            table->Table().appendBlank();
            for (int i = 0; i < fields.size(); ++i)
                table->SetFieldText(fields[i], record[i]);
        }
        table->Table().commit();
    }
    QStringList expected;
    for (const QStringList& record : records)
        expected << record.join(u'|');
    for (const bool header : {true, false}) {
        SCOPED_TRACE(header ? "header" : "no header");
        const QString path = Home.filePath(header ? "utf8.csv" : "plain.txt");
        {
            auto table = OpenTable();
            ASSERT_EQ(TCopyOutWriter::CopyToText(*table, path, header), records.size());
        }
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath, TFieldLengths()));
        TTextImportFile file;
        // Without names the columns are numbered in the export's order.
        const QStringList maps = header ? QStringList{}
                                        : QStringList{"Field 4=LNAME", "Field 6=ORG", "Field 7=STREET", "Field 9=CITY"};
        const TImportResult result = ImportText(path, file, maps);
        EXPECT_EQ(file.Format().HeaderLine, header);
        EXPECT_EQ(result.Records, records.size());
        EXPECT_EQ(Rows(fields), expected);
        if (header)
            break; // the table now holds the records once more for the second export
    }
}

// A source whose records fail part-way: after its first field was written, the next cannot be
// read (a damaged memo) or cannot be written (a full disk). The table keeps exactly the records
// the end message counts; the record the failure cut short is gone.
class TFailingSource final : public TImportSource {
public:
    TFailingSource(TImportSource& inner, uint32_t failAt) : Inner(inner), FailAt(failAt) {}
    TImportKind Kind() const override { return Inner.Kind(); }
    uint64_t CountRecords() override { return Inner.CountRecords(); }
    void Prepare(TImportWriter& writer) override { Inner.Prepare(writer); }
    bool NextRecord() override { return Inner.NextRecord(); }
    void Transfer(TImportWriter& writer) override
    {
        Inner.Transfer(writer);
        if (++Records == FailAt)
            throw xbase::XbaseError("Cannot write ADD0001.DBF: No space left on device");
    }

private:
    TImportSource& Inner;
    uint32_t FailAt;
    uint32_t Records = 0;
};

TEST_F(ImportFaults, FailedImportLeavesWhatItCounts)
{
    // The source lives in memory, where its memo file is cut short under Baker's memo.
    xbase::MemoryFileSystem memory;
    const std::string source = "/memory/SOURCE.DBF";
    xbase::DbfCreator().addField("LNAME", 'C', 20).addField("MEMO", 'M').create(memory, source);
    std::string memoPath;
    size_t firstMemoEnd = 0;
    {
        auto table = xbase::DbfTable::open(memory, source);
        table->appendBlank();
        table->setText(0, "Adams");
        table->setMemo(1, "first memo");
        table->commit();
        memoPath = table->memoPath();
        firstMemoEnd = memory.bytes(memoPath).size();
        table->appendBlank();
        table->setText(0, "Baker");
        table->setMemo(1, std::string(500, 'x'));
        table->close();
    }
    memory.bytes(memoPath).resize(firstMemoEnd + 8); // the block header stays, the text is gone
    auto opened = xbase::DbfTable::open(memory, source, {.readOnly = true});
    const TImportMatch match = TDbfImportSource::NewMatch(*opened);
    TDbfImportSource dbf(std::move(opened), match);
    TImportHooks hooks;
    hooks.Message = [](const QString&) {};
    {
        auto table = OpenTable();
        const TImportResult result = TAddressImporter::Run(*table, dbf, hooks);
        EXPECT_EQ(result.End, TImportEnd::ieReadError);
        EXPECT_EQ(result.Records, 1u);
        ASSERT_EQ(result.Messages.size(), 2);
        EXPECT_TRUE(result.Messages[0].startsWith("Unknown error while importing.\nMemo file ")) << result.Messages[0].toStdString();
        EXPECT_EQ(result.Messages[1], "Import complete. Imported 1 record.");
        EXPECT_TRUE(result.TagsBuilt);
    }
    EXPECT_EQ(Rows({"LNAME"}), QStringList{"Adams"});

    // A write that fails in the middle of record 1500 of a text file.
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += "Name" + QByteArray::number(i) + ",Salem\r\n";
    const QString path = WriteFile("many.csv", text);
    ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath, TFieldLengths()));
    TTextImportFile file;
    ASSERT_TRUE(file.Load(path));
    TImportMatch columns = file.NewMatch();
    columns.Assign(columns.RowOfField("LNAME"), 0);
    TTextImportSource lines(path, file.Format(), columns);
    TFailingSource failing(lines, 1500);
    {
        auto table = OpenTable();
        const TImportResult result = TAddressImporter::Run(*table, failing, hooks);
        EXPECT_EQ(result.End, TImportEnd::ieWriteError);
        EXPECT_EQ(result.Records, 1499u);
        EXPECT_EQ(result.Messages, QStringList{"Unknown error writing to data file after importing 1499 records.\n"
                                               "Cannot write ADD0001.DBF: No space left on device"});
        EXPECT_TRUE(result.TagsBuilt);
    }
    const QStringList rows = Rows({"LNAME"});
    ASSERT_EQ(rows.size(), 1499);
    EXPECT_EQ(rows.last(), "Name1498");
}

} // namespace
