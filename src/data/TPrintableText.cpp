#include "TPrintableText.h"

QString TPrintableText::Escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(static_cast<int>(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString TPrintableText::Escaped(std::string_view bytes)
{
    return Escaped(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
