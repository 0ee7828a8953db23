// What a one-record printout shows, as plain values: the fields in print order (printed label
// and value), the memo text and the date for the page header. The main window fills it from
// the current record; the command line and tests build it directly.
#pragma once

#include <QDate>
#include <QString>

#include <vector>

struct TRecordPrintoutField {
    QString Label;   // as printed, e.g. "Zip/Postal"
    QString Value;
};

struct TRecordPrintout {
    std::vector<TRecordPrintoutField> Fields;
    QString Memo;
    QDate Date = QDate::currentDate();

    // The label that selects the memo in a list of chosen labels.
    static QString MemoLabel() { return QStringLiteral("Memo"); }
};

// The check boxes of the record printout, in print order, with the label each one prints and
// the table field it shows ("Date" shows the display date, "Memo" the memo below the fields).
struct TRecordPrintoutChoice {
    const char* CheckBox;
    const char* Label;
    const char* FieldName;
};

inline constexpr TRecordPrintoutChoice kRecordPrintoutChoices[] = {
    {"Prefix", "Prefix", "PREFIX"},           {"Last", "Last", "LNAME"},
    {"First", "First", "FNAME"},              {"Middle", "Middle", "MIDDLE"},
    {"Title", "Title", "TITLE"},              {"Organization", "Organization", "ORG"},
    {"Address 1", "Address 1", "STREET"},     {"Address 2", "Address 2", "STREET2"},
    {"City", "City", "CITY"},                 {"State/Province", "State", "STATE"},
    {"Zip/Postal Code", "Zip/Postal", "ZIP"}, {"Country", "Country", "COUNTRY"},
    {"Phone 1", "Phone 1", "PHONE"},          {"Phone 2", "Phone 2", "PHONE2"},
    {"Fax", "Fax", "FAX"},                    {"E-mail", "E-Mail", "EMAIL"},
    {"Comment 1", "Comment 1", "USER1"},      {"Comment 2", "Comment 2", "USER2"},
    {"Codes", "Codes", "CODES"},              {"Date", "Date", "DisplayDate"},
    {"Memo", "Memo", "MEMO"},
};
