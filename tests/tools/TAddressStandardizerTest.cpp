// The postal standard forms: a table of street lines (each rule, and the names that must stay
// as they are), states and ZIPs, the case styles, the tables' own checks, and the street words
// of the duplicate check agreeing with the suffix table they are made from.
#include "data/TAddressStandardizer.h"
#include "data/TCp1252.h"
#include "layout/TPostNetEncoder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <map>

namespace {

const QString kSysdata = QStringLiteral(QUORVANE_SOURCE_DIR "/sysdata/");

const TAddressStandardizer& Delivered()
{
    static const TAddressStandardizer tables = [] {
        TAddressStandardizer t;
        QString error;
        EXPECT_TRUE(t.Load(kSysdata, QString(), &error)) << error.toStdString();
        return t;
    }();
    return tables;
}

struct TLine {
    const char* Before;
    const char* After;
};

TEST(AddressStandardizerTest, StreetLinesTakeTheStandardFormAndNamesStay)
{
    const TLine lines[] = {
        // suffixes, only in suffix position
        {"123 North Main Street", "123 N Main St"},
        {"55 Elm Avenue", "55 Elm Ave"},
        {"55 Elm Av.", "55 Elm Ave"},
        {"55 Elm Aven", "55 Elm Ave"},
        {"10 Oak Strt", "10 Oak St"},
        {"10 Oak Str", "10 Oak St"},
        {"10 Oak St.", "10 Oak St"},
        {"9 Glen Park Road", "9 Glen Park Rd"},
        {"5 Forest Hills Drive", "5 Forest Hills Dr"},
        {"5 Spring Valley Parkway", "5 Spring Valley Pkwy"},
        {"300 Old Mill Crossing", "300 Old Mill Xing"},
        {"742 Evergreen Terrace", "742 Evergreen Ter"},
        {"1313 Mockingbird Lane", "1313 Mockingbird Ln"},
        {"8 Cedar Wy", "8 Cedar Way"},
        {"7 Orchard Loop", "7 Orchard Loop"},
        {"100 Key West Highway", "100 Key West Hwy"},
        {"350 Fifth Avenue", "350 Fifth Ave"},
        {"12 1/2 Main Street", "12 1/2 Main St"},
        // names that stay
        {"1 Avenue of the Americas", "1 Avenue of the Americas"},
        {"12 Broadway", "12 Broadway"},
        {"3 Park", "3 Park"},
        {"Street Rd", "Street Rd"},
        {"300 Crossing", "300 Crossing"},
        {"Box Elder Rd", "Box Elder Rd"},
        {"6 Canal St Apt", "6 Canal St Apt"},
        // directionals, except where they are the name
        {"North Ave", "North Ave"},
        {"200 West Blvd", "200 West Blvd"},
        {"200 West Boulevard", "200 West Blvd"},
        {"8 East Street", "8 East St"},
        {"8 E. Main St.", "8 E Main St"},
        {"West 42nd Street", "W 42nd St"},
        {"77 Park Avenue South", "77 Park Ave S"},
        {"90 Bedford Street West", "90 Bedford St W"},
        {"400 Main St Northwest", "400 Main St NW"},
        {"400 Southwest Harbor Boulevard", "400 SW Harbor Blvd"},
        {"1600 Pennsylvania Avenue NW", "1600 Pennsylvania Ave NW"},
        // secondary units, the comma before them dropped, # kept as written
        {"123 North Main Street Apartment 4", "123 N Main St Apt 4"},
        {"12 Main St, Suite 300", "12 Main St Ste 300"},
        {"100 Sunset Blvd., Suite 5", "100 Sunset Blvd Ste 5"},
        {"12 Main Street Floor 2", "12 Main St Fl 2"},
        {"12 Main Street 2nd Floor", "12 Main St Fl 2"},
        {"12 Main St Building C Room 101", "12 Main St Bldg C Rm 101"},
        {"12 Main St Bldg 5, Rm 6", "12 Main St Bldg 5 Rm 6"},
        {"10 Downing Court, Unit 5", "10 Downing Ct Unit 5"},
        {"31 Spooner Street Apt. 2", "31 Spooner St Apt 2"},
        {"12 Main St Rear", "12 Main St Rear"},
        {"12 Main St Basement", "12 Main St Bsmt"},
        {"4 Privet Drive Lobby", "4 Privet Dr Lbby"},
        {"221 Baker Street Upper", "221 Baker St Uppr"},
        {"12 Main St #4", "12 Main St #4"},
        {"12 Main St, #4", "12 Main St #4"},
        {"12 Main St # 4", "12 Main St # 4"},
        {"12 Main St Apt #4", "12 Main St Apt #4"},
        {"Apartment 4B", "Apt 4B"},
        {"Suite 200", "Ste 200"},
        // post office boxes
        {"P.O. Box 123", "PO Box 123"},
        {"P. O. Box 123", "PO Box 123"},
        {"Post Office Box 77", "PO Box 77"},
        {"POB 9", "PO BOX 9"}, // a value in capitals keeps capitals
        {"Box 45", "PO Box 45"},
        // blanks
        {"12 Main   Street", "12 Main St"},
        {"  12 Main St  ", "12 Main St"},
    };
    for (const TLine& line : lines)
        EXPECT_EQ(Delivered().Street(std::string_view(line.Before)), line.After) << line.Before;
}

TEST(AddressStandardizerTest, ReplacedWordsFollowTheValuesCaseStyle)
{
    const TAddressStandardizer& t = Delivered();
    EXPECT_EQ(t.Street(std::string_view("123 NORTH MAIN STREET APARTMENT 4")), "123 N MAIN ST APT 4");
    EXPECT_EQ(t.Street(std::string_view("123 north main street apartment 4")), "123 n main st apt 4");
    EXPECT_EQ(t.Street(std::string_view("P.O. BOX 12")), "PO BOX 12");
    EXPECT_EQ(t.Street(std::string_view("123 North Main Street"), true), "123 N MAIN ST") << "postal style";
    EXPECT_EQ(t.Street(std::string_view("1 Stra\xdf" "e Caf\xe9"), true), "1 STRA\xdf" "E CAF\xc9") << "ß has no capital";
    EXPECT_EQ(t.City(std::string_view("St. Louis"), true), "ST LOUIS");
    EXPECT_EQ(t.Street(QStringLiteral("9 Rue Saint-\u00c9tienne Avenue")), QStringLiteral("9 Rue Saint-\u00c9tienne Ave"));
}

TEST(AddressStandardizerTest, StatesZipsAndCities)
{
    const TAddressStandardizer& t = Delivered();
    const std::map<std::string, std::string> states = {
        {"New York", "NY"},    {"new york", "NY"},       {"NEW YORK", "NY"},        {"ny", "NY"},
        {"N.Y.", "NY"},        {"N. Y.", "NY"},          {"District of Columbia", "DC"}, {"Puerto Rico", "PR"},
        {"Armed Forces Europe", "AE"}, {"Qu\xe9" "bec", "QC"}, {"Ontario", "ON"}, {"British  Columbia", "BC"},
        {"  Texas  ", "TX"},   {"Bavaria", "Bavaria"},   {"Calif", "Calif"},        {"", ""}};
    for (const auto& [before, after] : states)
        EXPECT_EQ(t.State(before), after) << before;
    const std::map<std::string, std::string> zips = {
        {"123456789", "12345-6789"}, {"12345 6789", "12345-6789"}, {"12345-6789", "12345-6789"}, {"12345", "12345"},
        {"1234", "1234"},            {"12345-678", "12345-678"},   {"1234567890", "1234567890"}, {"k1a0b1", "K1A 0B1"},
        {"K1A 0B1", "K1A 0B1"},      {"k1a-0b1", "K1A 0B1"},       {"SW1A 2AA", "SW1A 2AA"},     {"", ""}};
    for (const auto& [before, after] : zips)
        EXPECT_EQ(TAddressStandardizer::Zip(before), after) << before;
    EXPECT_EQ(t.City(std::string_view("St. Louis")), "St Louis");
    EXPECT_EQ(t.City(std::string_view("Springfield, Illinois")), "Springfield, IL");
    EXPECT_EQ(t.City(std::string_view("Washington")), "Washington") << "a state's name is a city's name too";
}

TEST(AddressStandardizerTest, TheDeliveredTablesAreWholeAndADamagedOneIsRefused)
{
    EXPECT_GE(Delivered().SuffixCount(), 200u);
    EXPECT_GE(Delivered().UnitCount(), 24u * 2 - 8) << "each designator and its abbreviation";
    EXPECT_EQ(Delivered().StateCount(), 50u + 1 + 8 + 3 + 13) << "states, DC, possessions, armed forces, provinces";

    TAddressStandardizer t;
    QString error;
    EXPECT_FALSE(t.ParseSuffixes(QStringLiteral("# a comment\nAVENUE AVE AV\nSTREET\n"), &error));
    EXPECT_EQ(error, "SUFFIXES.TXT, line 3: a suffix needs its name and its standard abbreviation");
    EXPECT_FALSE(t.ParseUnits(QStringLiteral("SUITE STE sometimes\n"), &error));
    EXPECT_FALSE(t.ParseStates(QStringLiteral("NEW YORK\n"), &error));
    EXPECT_FALSE(t.ParseStates(QString(QStringLiteral("XX ")) + QString(50, u'A'), &error));
    EXPECT_TRUE(error.contains("longer than")) << error.toStdString();
}

// STREETWORDS.TXT is made from SUFFIXES.TXT: every suffix form unifies as its standard abbreviation.
TEST(AddressStandardizerTest, TheDuplicateChecksStreetWordsAgreeWithTheSuffixTable)
{
    const auto lines = [](const QString& name) {
        QFile file(kSysdata + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        std::vector<QStringList> rows;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).section(u'#', 0, 0).simplified();
            if (!text.isEmpty())
                rows.push_back(text.split(u' '));
        }
        return rows;
    };
    std::map<QString, QString> words;
    for (const QStringList& row : lines(QStringLiteral("STREETWORDS.TXT")))
        words[row[0]] = row[1];
    for (const QStringList& row : lines(QStringLiteral("SUFFIXES.TXT")))
        for (const QString& form : row)
            if (form != row[1])
                EXPECT_EQ(words[form], row[1]) << form.toStdString();
}

TEST(AddressStandardizerTest, TheDeliveryPointIsReadFromTheStandardStreet)
{
    const std::string street = Delivered().Street(std::string_view("12 Main Street, 2nd Floor"));
    EXPECT_EQ(TPostNetEncoder::DeliveryPoint("12 Main Street, 2nd Floor"), "12");
    EXPECT_EQ(TPostNetEncoder::DeliveryPoint(street), "02") << street;
}

} // namespace
