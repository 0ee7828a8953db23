#include "TFilterBuilder.h"

#include "TCp1252.h"
#include "TXbaseLiteral.h"
#include "xbase/TextCase.h"

#include <QStringList>

namespace {

const QString Quote = QStringLiteral("\"");

// Splits on every separator, keeping empty pieces, and joins the pieces' conditions.
QString BuildSplitCondition(const QString& field, const QString& value, QChar separator, const QString& joiner)
{
    const QStringList pieces = value.split(separator, Qt::KeepEmptyParts);
    QString condition = QStringLiteral("(");
    for (int i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            condition += joiner;
        condition += QStringLiteral("(") + TFilterBuilder::BuildFieldCondition(field, pieces[i]) + QStringLiteral(")");
    }
    return condition + QStringLiteral(")");
}

} // namespace

QString TFilterBuilder::BuildFieldCondition(const QString& field, const QString& value)
{
    if (value.contains(u';'))
        return BuildSplitCondition(field, value, u';', QStringLiteral(".or."));
    if (value.contains(u'+'))
        return BuildSplitCondition(field, value, u'+', QStringLiteral(".and."));
    if (value.contains(u'^'))
        return BuildSplitCondition(field, value, u'^', QStringLiteral(".and..not."));

    QString op = QStringLiteral("=");
    QString rest = value;
    for (const char* candidate : {">=", ">", "<=", "<", "$"}) { // two-character operators first
        if (value.startsWith(QLatin1String(candidate))) {
            op = QLatin1String(candidate);
            rest = value.mid(op.size(), MaxValueLength);
            break;
        }
    }
    const std::optional<QString> literal = TXbaseLiteral::Quote(UpperAsEngine(rest));
    if (!literal)
        throw EFilterValue(TXbaseLiteral::RefusedMessage(rest).toStdString());
    if (op == QLatin1String("$"))
        return *literal + QStringLiteral("$UPPER(") + field + QStringLiteral(")");
    return QStringLiteral("UPPER(") + field + QStringLiteral(")") + op + *literal;
}

QString TFilterBuilder::BuildQueryString(const TQueryValues& values, const QString& globalTagId)
{
    const QString joiner = QStringLiteral(" and ");
    QString text;
    for (int i = 0; i < TQueryValues::EntryCount; ++i) {
        const QString value = values.Values[i].trimmed();
        if (value.isEmpty())
            continue;
        if (!text.isEmpty())
            text += joiner;
        text += BuildFieldCondition(QLatin1String(TQueryValues::Entries()[i].Expression), value);
    }
    if (values.Tagged) {
        if (!text.isEmpty())
            text += joiner;
        // Without an id nothing is tagged; "=" with an empty text would match every record.
        text += globalTagId.isEmpty() ? QStringLiteral("(.F.)")
                                      : QStringLiteral("(UPPER(TAG)=") + Quote + globalTagId + Quote + QStringLiteral(")");
    }
    if (!text.isEmpty() && values.Reverse)
        text = QStringLiteral("(!(") + text + QStringLiteral("))");
    return text;
}

QString TFilterBuilder::UpperAsEngine(const QString& text)
{
    QString upper = text;
    for (qsizetype i = 0; i < upper.size(); ++i) {
        bool lossy = false;
        const std::string byte = TCp1252::Encode(QString(upper[i]), &lossy);
        if (lossy || byte.size() != 1)
            continue; // not a Windows-1252 character: the engine never sees it as such
        upper[i] = QChar(TCp1252::ToUnicode(xbase::TextCase::upper(static_cast<uint8_t>(byte[0]))));
    }
    return upper;
}
