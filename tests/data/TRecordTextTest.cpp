#include "data/TRecordText.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {
QString TextOf(const QMap<QString, QString>& record, const TRecordTextParts& parts = {})
{
    return TRecordText::GetRecordAsString([&](const char* name) { return record.value(name); }, parts);
}
} // namespace

TEST(TRecordText, LinesInOrderWithEmptyOnesLeftOut)
{
    const QMap<QString, QString> record = {{"FNAME", "John"}, {"MIDDLE", "Q"}, {"LNAME", "Smith"},
                                           {"ORG", "Acme"},   {"STREET", "1 Main St"}, {"CITY", "Springfield"},
                                           {"STATE", "IL"},   {"ZIP", "62701"}, {"PHONE", "555-1234"},
                                           {"CODES", "AB"},   {"USER2", "late payer"}};
    EXPECT_EQ(TextOf(record), "John Q. Smith \nAcme\n1 Main St\nSpringfield  IL 62701\n"
                              "Phone  :555-1234\nCodes :AB\nComment 2 :late payer\n");
    TRecordTextParts onlyName;
    onlyName.Address = onlyName.Phones = onlyName.Codes = onlyName.Comments = false;
    EXPECT_EQ(TextOf({{"PREFIX", "Dr."}, {"LNAME", "Lee"}}, onlyName), "Dr. Lee \n");
}

TEST(TRecordText, LongValuesAreCut)
{
    QMap<QString, QString> record;
    for (const char* name : {"STREET", "STREET2", "TITLE", "ORG", "USER1", "USER2"})
        record[name] = QString(300, 'x');
    const QString text = TextOf(record);
    EXPECT_EQ(text.size(), 1000);
    EXPECT_EQ(text.indexOf(u'\n'), 200);
}
