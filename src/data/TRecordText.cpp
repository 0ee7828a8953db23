#include "TRecordText.h"
#include "TAddressText.h"

namespace {
QString Spaced(const QString& value) { return TAddressText::TrimLeft(value + u' '); }
} // namespace

QString TRecordText::GetRecordAsString(const std::function<QString(const char*)>& field, const TRecordTextParts& parts)
{
    QString text;
    auto addLine = [&text](const QString& line) {
        if (!line.isEmpty())
            text += line.left(MaxLineLength) + QLatin1String("\r\n"); // the clipboard's line end, for every program
    };
    auto addLabelled = [&](const char* label, const char* name) {
        const QString value = field(name);
        if (!value.isEmpty())
            addLine(QLatin1String(label) + value);
    };
    if (parts.Name) {
        const QString middle = field("MIDDLE");
        const QString initial = TAddressText::Trim(middle).isEmpty() ? middle : middle + u'.';
        addLine(Spaced(field("PREFIX")) + Spaced(field("FNAME")) + Spaced(initial) + Spaced(field("LNAME")));
        addLine(field("TITLE"));
        addLine(field("ORG"));
    }
    if (parts.Address) {
        addLine(field("STREET"));
        addLine(field("STREET2"));
        addLine(Spaced(field("CITY")) + u' ' + Spaced(field("STATE")) + TAddressText::TrimLeft(field("ZIP")));
        addLine(Spaced(field("COUNTRY")));
    }
    if (parts.Phones) {
        addLabelled("Phone  :", "PHONE");
        addLabelled("Phone 2:", "PHONE2");
    }
    if (parts.Codes)
        addLabelled("Codes :", "CODES");
    if (parts.Comments) {
        addLabelled("Comment 1 :", "USER1");
        addLabelled("Comment 2 :", "USER2");
    }
    text.truncate(MaxLength);
    if (text.endsWith(u'\r')) // never half a line end
        text.chop(1);
    return text;
}
