// The address block: name, title, organization, two street lines, city line, country line and
// phone of the current record, each chosen by a Use flag, the ZIP placed by `ZipOptions`,
// optionally upper-cased. A composed line never ends in a blank (it would shift right- and
// centre-aligned blocks), and a field that cannot be read counts as empty.
//
// With `ShrinkToFit` (on for new address objects; files that do not hold it read as off) a
// record whose longest line or line count does not fit the rectangle prints at the largest
// whole point size, down to MinimumShrinkPoints, at which it fits, instead of being cut.
#pragma once

#include "TLMultiLineBaseLabel.h"

#include <functional>

class TLDMultiLineAddressLabel : public TLMultiLineBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLDMultiLineAddressLabel"); }

    bool UseName = true, UseTitle = true, UseCompany = true, UseStreet = true, UseStreet2 = true;
    bool UseCityState = true, UseZip = true, UsePhone = false, UseCountry = true;
    TZipOptions ZipOptions = TZipOptions::zoAfterState;
    bool UpperCase = false;
    bool ShrinkToFit = false;
    static constexpr int MinimumShrinkPoints = 6;

    // The font the current lines print in: the object's, or the shrunk one.
    TLFont FittedFont();

    // The lines of the block for a record whose fields `value` gives by name.
    QStringList Compose(const std::function<QString(const QString&)>& value) const;

    void ShowData() override;
    void ClearData() override { Items.clear(); Wrapped.clear(); }
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
