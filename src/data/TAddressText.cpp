#include "TAddressText.h"

QString TAddressText::TrimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

QString TAddressText::TrimLeft(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

QString TAddressText::Trim(const QString& text) { return TrimLeft(TrimRight(text)); }

QString TAddressText::FullName(const QString& first, const QString& middle, const QString& last)
{
    return (TrimRight(first + u' ' + middle) + u' ' + last).left(DerivedWidth);
}

QString TAddressText::FullNameWithPrefix(const QString& prefix, const QString& first, const QString& middle,
                                         const QString& last)
{
    return (Trim(prefix + u' ' + first + u' ' + middle) + u' ' + last).left(DerivedWidth);
}

QString TAddressText::CityStateZip(const QString& city, const QString& state, const QString& zip)
{
    return (TrimLeft(city + u' ') + TrimLeft(state + u' ') + zip).left(DerivedWidth);
}

QString TAddressText::PadMemo(const QString& memo)
{
    return !memo.isEmpty() && memo.size() % 4 == 0 ? memo + u' ' : memo;
}
