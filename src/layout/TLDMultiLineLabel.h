// The memo field of the current record, found by display label as a data text is; broken into
// lines at its line breaks, or at the object's width with WordWrap.
#pragma once

#include "TLMultiLineBaseLabel.h"

class TLDMultiLineLabel : public TLMultiLineBaseLabel {
public:
    TLDMultiLineLabel() { ShowsMemo = true; }
    QByteArray ClassName() const override { return QByteArrayLiteral("TLDMultiLineLabel"); }

    QString DataFieldName;
    QString DataFieldDescript;

    void ShowData() override;
    void ClearData() override { Items.clear(); Wrapped.clear(); }
    void Rewrap() override { ShowData(); }
    // A memo whose field was not found at the last refresh prints nothing.
    void Print(TBaseReport& report, TInches x, TInches y) override
    {
        if (Bound)
            TLMultiLineBaseLabel::Print(report, x, y);
    }
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

private:
    bool Bound = false;
};
