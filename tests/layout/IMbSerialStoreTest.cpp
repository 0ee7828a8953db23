// Serial numbers per Mailer ID: stepping within a run and the write-back to the settings file.
#include "layout/TIMbSerialStore.h"

#include "settings/TIniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IMbSerialStoreTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Ini = Folder.filePath("QUORVA.ini");
    TIMbSerialStore Store{Ini};

    // Prints `pieces` pieces of one Mailer ID and gives the serials they carried.
    std::vector<long long> Run(const QString& mailerId, long long start, int pieces, bool preview)
    {
        TIMbSerialRun run(Store, preview);
        std::vector<long long> serials;
        for (int i = 0; i < pieces; ++i) {
            serials.push_back(run.Serial(mailerId, start));
            run.AdvanceCounter(mailerId);
        }
        run.Finish();
        return serials;
    }
};

TEST_F(IMbSerialStoreTest, SerialsStepPerPieceAndContinueInTheNextRun)
{
    EXPECT_EQ(Store.NextFree("123456"), -1);
    EXPECT_EQ(Run("123456", 100, 3, false), (std::vector<long long>{100, 101, 102}));
    EXPECT_EQ(TIniFile(Ini).ReadString("IMb", "123456", ""), "103");
    // The stored serial wins over a lower start; a higher start wins over the stored serial.
    EXPECT_EQ(Run("123456", 1, 2, false), (std::vector<long long>{103, 104}));
    EXPECT_EQ(Run("123456", 500, 1, false), (std::vector<long long>{500}));
    EXPECT_EQ(Store.NextFree("123456"), 501);
    // Each Mailer ID counts on its own.
    EXPECT_EQ(Run("912345678", 7, 1, false), (std::vector<long long>{7}));
    EXPECT_EQ(Store.NextFree("123456"), 501);
}

TEST_F(IMbSerialStoreTest, PreviewNeverWritesBackACancelledRunDoes)
{
    Run("123456", 10, 5, true);
    EXPECT_EQ(Store.NextFree("123456"), -1);

    {
        // Cancelled after the third piece was handed its serial, before the step.
        TIMbSerialRun run(Store, false);
        run.Serial("123456", 10);
        run.AdvanceCounter("123456");
        run.Serial("123456", 10);
        run.AdvanceCounter("123456");
        EXPECT_EQ(run.Serial("123456", 10), 12);
    }   // left without Finish, as by an exception
    EXPECT_EQ(Store.NextFree("123456"), 13);
}

TEST_F(IMbSerialStoreTest, TheStoredSerialNeverGoesBack)
{
    Run("123456", 1, 2, false);
    Store.WriteBack("123456", 1);   // an older run finishing late
    EXPECT_EQ(Store.NextFree("123456"), 3);
}

} // namespace
