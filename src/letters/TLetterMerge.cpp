#include "TLetterMerge.h"

#include "data/TAddressTable.h"
#include "data/TAddressText.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRichTextFinder.h"

#include <QHash>

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Token(const QString& field) { return u'[' + field + u']'; }

struct TTokenAt {
    int Position;
    int Length;
    const QString* Value;
};

} // namespace

TLetterRecord TLetterRecord::FromTable(const TAddressTable& table)
{
    TLetterRecord record;
    record.Prefix = table.FieldText(QStringLiteral("PREFIX"));
    record.First = table.FieldText(QStringLiteral("FNAME"));
    record.Middle = table.FieldText(QStringLiteral("MIDDLE"));
    record.Last = table.FieldText(QStringLiteral("LNAME"));
    record.Title = table.FieldText(QStringLiteral("TITLE"));
    record.Org = table.FieldText(QStringLiteral("ORG"));
    record.Street = table.FieldText(QStringLiteral("STREET"));
    record.Street2 = table.FieldText(QStringLiteral("STREET2"));
    record.City = table.FieldText(QStringLiteral("CITY"));
    record.State = table.FieldText(QStringLiteral("STATE"));
    record.Zip = table.FieldText(QStringLiteral("ZIP"));
    record.Country = table.FieldText(QStringLiteral("COUNTRY"));
    record.Phone = table.FieldText(QStringLiteral("PHONE"));
    record.Phone2 = table.FieldText(QStringLiteral("PHONE2"));
    record.Fax = table.FieldText(QStringLiteral("FAX"));
    record.Email = table.FieldText(QStringLiteral("EMAIL"));
    record.User1 = table.FieldText(QStringLiteral("USER1"));
    record.User2 = table.FieldText(QStringLiteral("USER2"));
    return record;
}

const QStringList& TLetterMerge::FieldNames()
{
    static const QStringList names = {
        "Full Name", "Name and Address", "First", "Last", "Middle", "Prefix", "Title", "Organization", "Street",
        "Street 2", "City+State+Zip", "City", "State", "Province", "Zip", "Postal Code", "Country", "Phone",
        "Phone 2", "Fax", "E-Mail", "Today's Date", "Long Date", "Comment 1", "Comment 2"};
    return names;
}

QString TLetterMerge::NameLine(const TLetterRecord& record)
{
    QString line;
    for (const QString& part : {record.Prefix, record.First, record.Middle.isEmpty() ? QString() : record.Middle + u'.', record.Last})
        line += TAddressText::TrimLeft(part + u' ');
    return TAddressText::TrimRight(line);
}

QString TLetterMerge::TitleLine(const TLetterRecord& record)
{
    if (!record.Title.isEmpty() && !record.Org.isEmpty())
        return record.Title + QStringLiteral(",  ") + record.Org;
    return record.Title + record.Org;
}

QString TLetterMerge::CityLine(const TLetterRecord& record)
{
    const QString state = record.State.isEmpty() ? QString() : record.State + u' ';
    return TAddressText::Trim(record.City + u' ' + state + u' ' + record.Zip);
}

QString TLetterMerge::CityStateZip(const TLetterRecord& record)
{
    return TAddressText::Trim(record.City + u' ' + record.State + u' ' + record.Zip);
}

QString TLetterMerge::NameAndAddress(const TLetterRecord& record)
{
    QString block;
    for (const QString& line : {NameLine(record), TitleLine(record), record.Street, record.Street2, CityLine(record), record.Country})
        if (!line.isEmpty())
            block += line + CrLf;
    return block;
}

TLetterMerge::TFieldValues TLetterMerge::FieldValues(const TLetterRecord& r, const QDate& today, const QLocale& locale)
{
    return {
        {"Full Name", NameLine(r)}, {"First", r.First}, {"Last", r.Last}, {"Middle", r.Middle}, {"Prefix", r.Prefix},
        {"Title", r.Title}, {"Organization", r.Org}, {"Street", r.Street}, {"Street 2", r.Street2},
        {"City+State+Zip", CityStateZip(r)}, {"City", r.City}, {"State", r.State}, {"Province", r.State},
        {"Zip", r.Zip}, {"Postal Code", r.Zip}, {"Country", r.Country}, {"Phone", r.Phone}, {"Phone 2", r.Phone2},
        {"Fax", r.Fax}, {"E-Mail", r.Email}, {"Today's Date", locale.toString(today, QLocale::ShortFormat)},
        {"Long Date", locale.toString(today, QStringLiteral("MMM d, yyyy"))}, {"Name and Address", NameAndAddress(r)},
        {"Comment 1", r.User1}, {"Comment 2", r.User2}};
}

void TLetterMerge::ReplaceTokens(TRichDocument& document, const TLetterRecord& record, const QDate& today,
                                 const QLocale& locale)
{
    const TFieldValues values = FieldValues(record, today, locale);
    QHash<QString, const QString*> byName;
    int longest = 0;
    for (const auto& [name, value] : values) {
        byName.insert(name.toUpper(), &value);
        longest = std::max(longest, int(name.size()));
    }
    // Every token of the letter's own text first; replacing from the end keeps the positions
    // of the earlier ones, and no inserted value is ever looked at.
    QTextDocument& target = document.Content();
    const QString text = target.toRawText();
    std::vector<TTokenAt> tokens;
    for (int open = int(text.indexOf(u'[')); open >= 0; open = int(text.indexOf(u'[', open + 1))) {
        const int close = int(text.indexOf(u']', open + 1));
        if (close < 0)
            break;
        if (close - open - 1 > longest)
            continue;
        const auto found = byName.constFind(text.mid(open + 1, close - open - 1).toUpper());
        if (found != byName.constEnd())
            tokens.push_back({open, close - open + 1, found.value()});
    }
    QTextCursor edit(&target);
    edit.beginEditBlock(); // one change for the layout to hear of
    for (auto token = tokens.rbegin(); token != tokens.rend(); ++token) {
        const QTextCharFormat format = TRichTextFinder::AttributesAt(target, token->Position + 1);
        TRichTextFinder::ReplaceRange(target, token->Position, token->Length, *token->Value, format);
    }
    edit.endEditBlock();
    document.Reformat();
    document.SetCaret(0);
}

void TLetterMerge::DoMerge(TRichDocument& document, const QString& field, const QString& value)
{
    TRichTextFinder finder(document);
    finder.GoToStart();
    const QString token = Token(field);
    while (finder.FindNext(token))
        finder.ReplaceFound(value, finder.FoundAttributes(1));
    document.Reformat();
}
