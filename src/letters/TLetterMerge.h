// The merge of a form letter with one address record: the 25 merge fields ("[" + name + "]"
// in the letter's text, any letter case), their values, and the replacement itself.
//
// Record values are data: tokens are looked for in the letter's own text only, and a value
// once inserted is never searched again, so a street holding "[Phone]" or "{\b}" prints as
// typed. Each value takes the font, size, style and colours of its token (of the first letter
// of the field name when the token's letters differ); an empty value removes the token.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class TAddressTable;
class TRichDocument;

// The stored fields a letter uses, read without trailing blanks.
struct TLetterRecord {
    QString Prefix, First, Middle, Last, Title, Org, Street, Street2, City, State, Zip, Country;
    QString Phone, Phone2, Fax, Email, User1, User2;

    static TLetterRecord FromTable(const TAddressTable& table);
};

class TLetterMerge {
public:
    using TFieldValues = std::vector<std::pair<QString, QString>>;

    // The 25 field names in the order the designer offers them.
    static const QStringList& FieldNames();
    // The 25 fields with their values, in the order the merge replaces them.
    static TFieldValues FieldValues(const TLetterRecord& record, const QDate& today,
                                    const QLocale& locale = QLocale::system());

    // PREFIX, FNAME, MIDDLE with a period, LNAME, each followed by one blank when not empty;
    // the last blank is dropped ("Dear [Full Name]," must not read "Dear Lee ,").
    static QString NameLine(const TLetterRecord& record);
    static QString TitleLine(const TLetterRecord& record);
    // CITY, STATE and its own extra blank, ZIP; blanks stripped at both ends.
    static QString CityLine(const TLetterRecord& record);
    // "City+State+Zip": CITY, STATE, ZIP with one blank between, stripped at both ends.
    static QString CityStateZip(const TLetterRecord& record);
    // The address block: each non-empty line followed by CR LF.
    static QString NameAndAddress(const TLetterRecord& record);

    // Merges the record into `document` (a working copy), then reformats it and puts the
    // caret at the start.
    static void ReplaceTokens(TRichDocument& document, const TLetterRecord& record, const QDate& today,
                              const QLocale& locale = QLocale::system());
    // Replaces every token of one field by `value`; inserted text is not searched again.
    static void DoMerge(TRichDocument& document, const QString& field, const QString& value);
};
