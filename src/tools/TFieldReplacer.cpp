#include "TFieldReplacer.h"

#include "TRecordWalk.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "data/TXbaseLiteral.h"
#include "xbase/BatchCommitter.h"
#include "xbase/TextCase.h"

#include <stdexcept>

namespace {
// Upper case as the engine's UPPER() makes it, with its Windows-1252 table: letter by letter,
// never changing the length; µ, ƒ and ß have no capital there and stay as they are. A
// character the table cannot hold stays too (it can match only itself).
QString EngineUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        bool lossy = false;
        const std::string byte = TCp1252::Encode(QString(c), &lossy);
        if (!lossy && byte.size() == 1)
            c = QChar(TCp1252::ToUnicode(xbase::TextCase::upper(static_cast<uint8_t>(byte[0]))));
    }
    return out;
}
} // namespace

const std::array<TReplaceField, 18>& TFieldReplacer::Fields()
{
    static const std::array<TReplaceField, 18> fields = {{{"Last Name", "LNAME"},
                                                          {"First Name", "FNAME"},
                                                          {"Middle Initial", "MIDDLE"},
                                                          {"Title", "TITLE"},
                                                          {"Organization", "ORG"},
                                                          {"Address 1", "STREET"},
                                                          {"Address 2", "STREET2"},
                                                          {"City", "CITY"},
                                                          {"State", "STATE"},
                                                          {"Zip", "ZIP"},
                                                          {"Country", "COUNTRY"},
                                                          {"Phone 1", "PHONE"},
                                                          {"Phone 2", "PHONE2"},
                                                          {"Email", "EMAIL"},
                                                          {"Fax", "FAX"},
                                                          {"Codes", "CODES"},
                                                          {"Comment 1", "USER1"},
                                                          {"Comment 2", "USER2"}}};
    return fields;
}

QString TFieldReplacer::FieldNamed(const QString& captionOrName)
{
    for (const auto& field : Fields())
        if (captionOrName.compare(QLatin1String(field.Caption), Qt::CaseInsensitive) == 0 ||
            captionOrName.compare(QLatin1String(field.Name), Qt::CaseInsensitive) == 0)
            return QLatin1String(field.Name);
    return QString();
}

QString TFieldReplacer::CaptionOf(const QString& field)
{
    for (const auto& f : Fields())
        if (field.compare(QLatin1String(f.Name), Qt::CaseInsensitive) == 0)
            return QLatin1String(f.Caption);
    return field;
}

std::optional<QString> TFieldReplacer::SearchCondition(const TReplaceOptions& options)
{
    const QString& f = options.Field;
    if (options.Search.isEmpty())
        return QStringLiteral("EMPTY(") + f + QLatin1Char(')');
    const QString v = options.CaseSensitive ? options.Search : EngineUpper(options.Search);
    const std::optional<QString> q = TXbaseLiteral::Quote(v);
    if (!q)
        return std::nullopt;
    const QString n = QString::number(v.size());
    if (options.Contains)
        return options.CaseSensitive ? *q + QStringLiteral("$") + f
                                     : QStringLiteral("upper(") + *q + QStringLiteral(")$upper(") + f + QLatin1Char(')');
    return options.CaseSensitive
               ? QStringLiteral("LEFT(") + f + QLatin1Char(',') + n + QStringLiteral(")==") + *q
               : QStringLiteral("LEFT(upper(") + f + QStringLiteral("),") + n + QStringLiteral(")==upper(") + *q + QLatin1Char(')');
}

QString TFieldReplacer::ConfirmationText(const TReplaceOptions& options)
{
    const QChar cr(u'\r');
    QString condition;
    if (options.Search.isEmpty())
        condition = QStringLiteral("is empty ");
    else
        condition = (options.Contains ? QStringLiteral("contains: ") : QStringLiteral("exactly matches: ")) + QLatin1Char('"') +
                    options.Search + QLatin1Char('"') +
                    (options.CaseSensitive ? QStringLiteral("  (case sensitive)") : QStringLiteral(" (not case sensitive)"));
    QString action;
    if (options.Replacement.isEmpty())
        action = options.MatchingTextOnly ? QStringLiteral("and delete the matching text ") : QStringLiteral("and delete the entire field ");
    else
        action = (options.MatchingTextOnly ? QStringLiteral("and replace only the matching text with ")
                                           : QStringLiteral("and replace the entire field with ")) +
                 QLatin1Char('"') + options.Replacement + QLatin1Char('"');
    return QStringLiteral("Find records where field ") + CaptionOf(options.Field) + cr + condition + cr + action;
}

QString TFieldReplacer::ReplaceText(const QString& value, const QString& search, const QString& replacement, bool caseSensitive)
{
    if (search.isEmpty())
        return value; // an empty search text holds nothing to replace
    const QString haystack = caseSensitive ? value : EngineUpper(value);
    const QString needle = caseSensitive ? search : EngineUpper(search);
    QString out;
    qsizetype from = 0;
    for (int replaced = 0; replaced < MaxOccurrences; ++replaced) {
        const qsizetype at = haystack.indexOf(needle, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        out += QStringView(value).mid(from, at - from);
        out += replacement;
        from = at + needle.size();
    }
    out += QStringView(value).mid(from);
    return out;
}

QString TFieldReplacer::FailureMessage(const QString& error, uint32_t changed)
{
    return error + QStringLiteral("\r\rReplaced %1 records before the error.").arg(changed);
}

uint32_t TFieldReplacer::Run(TAddressTable& table, const TReplaceOptions& options, const TToolProgress& progress,
                             uint32_t* changed)
{
    uint32_t ignored = 0;
    uint32_t& count = changed ? *changed : ignored;
    count = 0;
    const std::optional<QString> search = SearchCondition(options);
    if (!search)
        throw std::invalid_argument(TXbaseLiteral::RefusedMessage(options.Search).toStdString());
    QString condition = QStringLiteral("(") + *search + QLatin1Char(')');
    if (!options.RecordCondition.isEmpty())
        condition = QStringLiteral("(") + options.RecordCondition + QStringLiteral(").and.") + condition;

    TRecordWalk walk(table);
    xbase::WorkArea& area = table.Area();
    const uint32_t total = area.table().recordCount();
    // The matching records are listed first: a replaced value may no longer match, and the
    // engine answers the condition from its tags where it can.
    area.setCondition(TCp1252::Encode(condition));
    const std::vector<uint32_t> matches = walk.Members();
    xbase::DbfTable& rows = area.table();
    uint32_t visited = 0;
    xbase::BatchCommitter batch(rows); // the index writes each changed page once per batch
    for (const uint32_t recno : matches) {
        rows.go(recno); // posts the record before: only then does it count as changed
        count = visited;
        const QString value = table.FieldText(options.Field);
        table.SetFieldText(options.Field, options.MatchingTextOnly
                                              ? ReplaceText(value, options.Search, options.Replacement, options.CaseSensitive)
                                              : options.Replacement);
        ++visited;
        batch.recordDone();
        if (progress && !progress({recno, total, visited}))
            break;
    }
    batch.finish();
    count = visited;
    return count;
}
