// One field of the current record, found by its display label (`DataFieldDescript`, exact
// and case-sensitive, the last match counting). On screen it shows the value, "<blank field>",
// "[" + label + "]" or "<undefined field>"; printed, an empty or unbound field prints nothing.
#pragma once

#include "TLBaseLabel.h"

class TLPDLabel : public TLBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLPDLabel"); }

    QString DataFieldName;
    QString DataFieldDescript;
    int LengthOfText = 0;   // stored, no effect

    void ShowData() override;
    void ClearData() override { SetCaption(QString()); }
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

private:
    bool Bound = false;
};
