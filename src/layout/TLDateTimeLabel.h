// The print date and time in the user's regional formats, rebuilt at every paint and print.
#pragma once

#include "TLBaseLabel.h"

#include <QDateTime>

#include <functional>

class TLDateTimeLabel : public TLBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLDateTimeLabel"); }

    TDateFormat DateFormat = TDateFormat::dtfDateShort;
    TTimeFormat TimeFormat = TTimeFormat::dtfTimeNone;
    // The clock (tests fix it).
    static std::function<QDateTime()>& Clock();
    QString DateTimeText() const;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

protected:
    void PrepareCaption() override;
};
