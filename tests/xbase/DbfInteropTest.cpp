// Files shared with other programs: a table written by another engine reads as an
// independent reader sees it, and a table we write reads correctly in an independent reader.
#include "DbfTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace xbase {
namespace {

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\t') {
            parts.push_back(part);
            part.clear();
        } else if (line[i] == '\\' && i + 1 < line.size()) {
            const char c = line[++i];
            part.push_back(c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c);
        } else {
            part.push_back(line[i]);
        }
    }
    parts.push_back(part);
    return parts;
}

std::vector<std::vector<std::string>> readExpected(const std::string& name)
{
    std::ifstream in(std::string(QUORVANE_TEST_FIXTURES_DIR) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);)
        rows.push_back(splitTabs(line));
    return rows;
}

class ForeignTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = std::string(QUORVANE_SHARED_DIR) + "/fixtures/foreign-1k/ADDR.DBF";
        if (!FileSystem::native().exists(path))
            GTEST_SKIP() << "fixture missing: " << path;
        // Shared fixture: read-only and without the exclusive lock, so parallel readers coexist.
        table = DbfTable::open(FileSystem::native(), path, {.readOnly = true, .exclusive = false});
    }
    std::unique_ptr<DbfTable> table;
};

TEST_F(ForeignTableTest, HeaderFacts)
{
    EXPECT_EQ(table->recordCount(), 1000u);
    EXPECT_EQ(table->dialect(), DbfDialect::FoxPro2);
    EXPECT_EQ(table->codePage(), 0);
    EXPECT_TRUE(table->hasStructuralIndex());
    EXPECT_EQ(table->fieldCount(), 23);
    EXPECT_EQ(table->memoBlockSize(), 64u);
}

TEST_F(ForeignTableTest, FlagsNamesAndMemosMatchAnIndependentReader)
{
    const auto expected = readExpected("foreign-1k-records.tsv");
    ASSERT_EQ(expected.size(), 1000u);
    const int isdel = table->fieldIndex("isdel");
    const int lname = table->fieldIndex("lname");
    const int memo = table->fieldIndex("memo");
    size_t row = 0;
    for (table->goTop(); !table->eof(); table->skip(), ++row) {
        ASSERT_LT(row, expected.size());
        const auto& e = expected[row];
        ASSERT_EQ(e.size(), 5u);
        EXPECT_EQ(std::to_string(table->recordNumber()), e[0]);
        EXPECT_EQ(table->isFlaggedDeleted() ? "T" : "F", e[1]) << e[0];
        EXPECT_EQ(table->text(isdel), e[2]) << e[0];
        EXPECT_EQ(table->text(lname), e[3]) << e[0];
        EXPECT_EQ(table->text(memo), e[4]) << e[0];
    }
    EXPECT_EQ(row, 1000u);

    table->setFlaggedHidden(true);
    size_t visible = 0;
    for (table->goTop(); !table->eof(); table->skip())
        ++visible;
    EXPECT_EQ(visible, 948u);
}

TEST_F(ForeignTableTest, EveryFieldOfASampleMatchesAnIndependentReader)
{
    const auto expected = readExpected("foreign-1k-sample.tsv");
    ASSERT_FALSE(expected.empty());
    for (const auto& e : expected) {
        ASSERT_EQ(e.size(), 24u);
        table->go(static_cast<uint32_t>(std::stoul(e[0])));
        for (int i = 0; i < table->fieldCount(); ++i)
            EXPECT_EQ(table->text(i), e[static_cast<size_t>(i) + 1]) << "record " << e[0] << " " << table->field(i).name;
    }
}

std::string runCommand(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        if (pclose(pipe) != 0)
            return "failed: " + output;
    }
    return output;
}

TEST(DbfInteropTest, TablesWeWriteReadCorrectlyInAnIndependentReader)
{
    const char* python = "/usr/bin/python3";
    if (runCommand(std::string(python) + " -c 'import dbfread' 2>&1") != "")
        GTEST_SKIP() << "python3 with dbfread is not installed";
    const std::string path = ::testing::TempDir() + "quorvane_interop_" + std::to_string(getpid()) + ".dbf";
    {
        testing::sampleStructure().create(FileSystem::native(), path);
        auto table = DbfTable::open(FileSystem::native(), path);
        const char* names[] = {"Smith", "Jones", "Lee"};
        for (int i = 0; i < 3; ++i) {
            table->appendBlank();
            table->setText(0, names[i]);
            table->setNumber(1, -1.5 + i * 100);
            table->setLogical(2, i % 2 == 0);
            table->setText(3, "2024012" + std::to_string(i));
        }
        table->go(1);
        table->setMemo(4, std::string(200, 'a'));
        table->setMemo(4, "line one\nline two"); // rewritten in place
        table->go(2);
        table->setMemo(4, std::string(1000, 'b'));
        table->setDeleted(true);
        table->go(3);
        table->setMemo(4, "last");
        table->close();
    }
    const std::string script =
        "import sys, dbfread\n"
        "t = dbfread.DBF(sys.argv[1])\n"
        "for r in t: print(repr([r[\"NAME\"], r[\"AMT\"], r[\"PAID\"], str(r[\"BORN\"]), r[\"NOTE\"]]))\n"
        "for r in t.deleted: print(\"deleted\", r[\"NAME\"], len(r[\"NOTE\"]))\n";
    const std::string output = runCommand(std::string(python) + " -c '" + script + "' " + path + " 2>&1");
    EXPECT_EQ(output, "['Smith', -1.5, True, '2024-01-20', 'line one\\nline two']\n"
                      "['Lee', 198.5, True, '2024-01-22', 'last']\n"
                      "deleted Jones 1000\n");
    FileSystem::native().remove(path);
    FileSystem::native().remove(::testing::TempDir() + "quorvane_interop_" + std::to_string(getpid()) + ".fpt");
}

} // namespace
} // namespace xbase
