#include "TCaseConverter.h"

#include "TRecordWalk.h"

#include "data/TAddressTable.h"
#include "xbase/BatchCommitter.h"
#include "data/TCp1252.h"

#include <QStringList>

namespace {

// Words of a family name written in small letters when a further name follows (van der Berg).
bool IsParticle(const QString& lower)
{
    static const QStringList particles = {QStringLiteral("van"), QStringLiteral("von"), QStringLiteral("der"), QStringLiteral("den"),
                                          QStringLiteral("de"),  QStringLiteral("du"),  QStringLiteral("da"),  QStringLiteral("di"),
                                          QStringLiteral("del"), QStringLiteral("della"), QStringLiteral("dos"), QStringLiteral("das"),
                                          QStringLiteral("la"),  QStringLiteral("le"),  QStringLiteral("ten"), QStringLiteral("ter")};
    return particles.contains(lower);
}

// Names beginning with Mac that are not Mac + a name (Mack, Macy, Machado ...).
bool IsPlainMac(const QString& lower)
{
    static const QStringList plain = {QStringLiteral("mack"),    QStringLiteral("macy"),   QStringLiteral("mace"),   QStringLiteral("macey"),
                                      QStringLiteral("macon"),   QStringLiteral("machado"), QStringLiteral("macias"), QStringLiteral("machin"),
                                      QStringLiteral("mackey"),  QStringLiteral("macklin"), QStringLiteral("macho"),  QStringLiteral("machine"),
                                      QStringLiteral("macaulay"), QStringLiteral("macri"),  QStringLiteral("macedo"), QStringLiteral("macek")};
    return lower.size() <= 4 || plain.contains(lower);
}

// One blank-separated word of a name: capitals after a hyphen, after O' D' L', and after
// Mc and Mac; II, III and IV in capitals.
QString NameWord(const QString& word, bool particleAllowed)
{
    bool small = false, capital = false;
    for (const QChar c : word) {
        small = small || c.isLower();
        capital = capital || c.isUpper();
    }
    if (small && capital)
        return word; // written by someone who knew: McDonald, DeVries, MacDonald
    const QString lower = word.toLower();
    if (lower == QLatin1String("ii") || lower == QLatin1String("iii") || lower == QLatin1String("iv"))
        return word.toUpper();
    if (particleAllowed && IsParticle(lower))
        return lower;
    QString out = lower;
    bool start = true;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (start && out[i].isLetter())
            out[i] = out[i].toUpper();
        const QChar c = out[i];
        // After a hyphen a new name starts; after an apostrophe only in O'Brien, D'Angelo.
        start = c == u'-' || (c == u'\'' && i == 1) || (c == QChar(0x2019) && i == 1);
    }
    // McDonald, MacDonald: the letter after the prefix is a capital.
    qsizetype begin = 0;
    while (begin < out.size()) {
        qsizetype end = out.indexOf(u'-', begin);
        if (end < 0)
            end = out.size();
        const QString part = out.mid(begin, end - begin);
        const QString partLower = part.toLower();
        if (partLower.startsWith(QLatin1String("mc")) && part.size() > 2 && part[2].isLetter())
            out[begin + 2] = out[begin + 2].toUpper();
        else if (partLower.startsWith(QLatin1String("mac")) && part.size() > 3 && part[3].isLetter() && !IsPlainMac(partLower))
            out[begin + 3] = out[begin + 3].toUpper();
        begin = end + 1;
    }
    return out;
}

QString Names(const QString& text)
{
    QStringList words = text.split(u' ');
    // The last real word is never a particle (Le, Van alone are names).
    qsizetype last = words.size() - 1;
    while (last >= 0 && words[last].isEmpty())
        --last;
    for (qsizetype i = 0; i < words.size(); ++i)
        if (!words[i].isEmpty())
            words[i] = NameWord(words[i], i < last);
    return words.join(u' ');
}

} // namespace

const std::array<TCaseField, 15>& TCaseConverter::Fields()
{
    static const std::array<TCaseField, 15> fields = {{{"Last", "LNAME"},
                                                       {"First", "FNAME"},
                                                       {"Middle", "MIDDLE"},
                                                       {"Title", "TITLE"},
                                                       {"Organization", "ORG"},
                                                       {"Address 1", "STREET"},
                                                       {"Address 2", "STREET2"},
                                                       {"City", "CITY"},
                                                       {"State/Province", "STATE"},
                                                       {"Zip/Postal Code", "ZIP"},
                                                       {"Country", "COUNTRY"},
                                                       {"Prefix", "PREFIX"},
                                                       {"Comment 1", "USER1"},
                                                       {"Comment 2", "USER2"},
                                                       {"Codes", "CODES"}}};
    return fields;
}

std::string TCaseConverter::ConvertBytes(std::string_view bytes, TCaseConversion conversion)
{
    return TCp1252::Encode(Convert(TCp1252::Decode(bytes), conversion));
}

QString TCaseConverter::Convert(const QString& text, TCaseConversion conversion)
{
    if (conversion == TCaseConversion::ccNames)
        return Names(text);
    QString out = text;
    bool wordStart = true;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        const bool small = u >= u'a' && u <= u'z';
        const bool capital = u >= u'A' && u <= u'Z';
        bool upper = false;
        switch (conversion) {
        case TCaseConversion::ccUpper:
            upper = small || capital;
            break;
        case TCaseConversion::ccLower:
            upper = false;
            break;
        case TCaseConversion::ccCapitalized:
            upper = wordStart;
            break;
        case TCaseConversion::ccNames:
            break;
        }
        if (upper && small)
            c = QChar(u - u'a' + u'A');
        else if (!upper && capital)
            c = QChar(u - u'A' + u'a');
        wordStart = u == u' ';
    }
    return out;
}

TCaseConverter::TResult TCaseConverter::Run(TAddressTable& table, TCaseRecords records, TCaseConversion conversion,
                                            const QStringList& fields, const TToolProgress& progress)
{
    TResult result;
    TRecordWalk walk(table);
    if (records == TCaseRecords::crAll)
        table.SetFilterText(QString()); // every record not marked deleted; the walk puts the filter back
    const std::vector<uint32_t> members = records == TCaseRecords::crCurrent ? walk.CurrentOnly() : walk.Members();
    xbase::DbfTable& rows = table.Table();
    xbase::BatchCommitter batch(rows); // the index writes each changed page once per batch
    for (const uint32_t recno : members) {
        rows.go(recno);
        bool changed = false;
        for (const QString& field : fields) {
            const QString before = table.FieldText(field);
            const QString after = Convert(before, conversion);
            if (after != before) {
                table.SetFieldText(field, after);
                changed = true;
            }
        }
        ++result.Visited;
        result.Changed += changed ? 1 : 0;
        batch.recordDone();
        if (progress && !progress({result.Visited, static_cast<uint32_t>(members.size()), result.Changed}))
            break;
    }
    batch.finish();
    return result;
}
