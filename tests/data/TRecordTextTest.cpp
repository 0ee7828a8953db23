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
    EXPECT_EQ(TextOf(record), "John Q. Smith \r\nAcme\r\n1 Main St\r\nSpringfield  IL 62701\r\n"
                              "Phone  :555-1234\r\nCodes :AB\r\nComment 2 :late payer\r\n");
    TRecordTextParts onlyName;
    onlyName.Address = onlyName.Phones = onlyName.Codes = onlyName.Comments = false;
    EXPECT_EQ(TextOf({{"PREFIX", "Dr."}, {"LNAME", "Lee"}}, onlyName), "Dr. Lee \r\n");
}

TEST(TRecordText, LongValuesAreCut)
{
    QMap<QString, QString> record;
    for (const char* name : {"STREET", "STREET2", "TITLE", "ORG", "USER1", "USER2"})
        record[name] = QString(300, 'x');
    const QString text = TextOf(record);
    EXPECT_EQ(text.size(), 1000);
    EXPECT_EQ(text.indexOf(QLatin1String("\r\n")), 200);
}
