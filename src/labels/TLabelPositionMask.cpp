#include "TLabelPositionMask.h"

#include "TLabelStock.h"

#include <algorithm>
#include <stdexcept>

TLabelPositionMask::TLabelPositionMask(const TLabelStock& stock)
    : Flags(size_t(std::clamp(stock.Positions(), 0, MaximumPositions)), true)
{
}

bool TLabelPositionMask::IsSet(int position) const
{
    return position >= 0 && position < Size() && Flags[size_t(position)];
}

void TLabelPositionMask::Set(int position, bool printed)
{
    if (position >= 0 && position < Size())
        Flags[size_t(position)] = printed;
}

void TLabelPositionMask::SetAll(bool printed) { std::fill(Flags.begin(), Flags.end(), printed); }

int TLabelPositionMask::CountSet() const { return int(std::count(Flags.begin(), Flags.end(), true)); }

TLabelPositionMask TLabelPositionMask::FromText(const TLabelStock& stock, const QString& text)
{
    TLabelPositionMask mask(stock);
    mask.SetAll(false);
    const auto position = [&](const QString& number) {
        bool ok = false;
        const int value = number.trimmed().toInt(&ok);
        if (!ok || value < 1 || value > mask.Size())
            throw std::runtime_error(QStringLiteral("No position %1 on a sheet of %2 labels")
                                         .arg(number.trimmed())
                                         .arg(mask.Size())
                                         .toStdString());
        return value - 1;
    };
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const int dash = part.indexOf(u'-');
        const int first = position(dash < 0 ? part : part.left(dash));
        const int last = dash < 0 ? first : position(part.mid(dash + 1));
        if (last < first)
            throw std::runtime_error(("Positions " + part + " run backwards").toStdString());
        for (int p = first; p <= last; ++p)
            mask.Set(p, true);
    }
    if (mask.CountSet() == 0)
        throw std::runtime_error("You must select at least one card to print");
    return mask;
}
