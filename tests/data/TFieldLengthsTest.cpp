#include "data/TFieldLengths.h"
#include "settings/TIniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TFieldLengths, OutOfRangeAndMissingValuesGiveTheDefault)
{
    QTemporaryDir folder;
    TIniFile ini(folder.filePath("QUORVA.ini"));
    ini.WriteInteger("NewFileFieldLengths", "FieldCITY", 4);
    ini.WriteInteger("NewFileFieldLengths", "FieldLNAME", 81);
    ini.WriteInteger("NewFileFieldLengths", "FieldSTATE", 5);
    ini.WriteInteger("NewFileFieldLengths", "FieldZIP", 80);
    const TFieldLengths lengths = TFieldLengths::Read(ini);
    EXPECT_EQ(lengths.Width("CITY"), 30);
    EXPECT_EQ(lengths.Width("LNAME"), 30);
    EXPECT_EQ(lengths.Width("STATE"), 5);
    EXPECT_EQ(lengths.Width("ZIP"), 80);
    EXPECT_EQ(lengths.Width("FAX"), 40);
    EXPECT_EQ(lengths.Width("MIDDLE"), 1); // fixed
    EXPECT_EQ(lengths.Width("DATE"), 15);

    TFieldLengths changed = lengths;
    changed.SetWidth("FAX", 200); // corrected before it is written
    changed.Write(ini);
    EXPECT_EQ(ini.ReadInteger("NewFileFieldLengths", "FieldFAX", 0), 40);
    EXPECT_EQ(ini.ReadInteger("NewFileFieldLengths", "FieldCITY", 0), 30);
}
