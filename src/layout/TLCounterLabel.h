// A counter: TextBefore + number + TextAfter, the number starting at `Startingnumber` and
// stepping after every `RepeatEach` labels, zero-padded to `LeadingZeros` digits. The current
// value lives only in memory. A RepeatEach below 1 counts as 1; the value never overflows.
#pragma once

#include "TLBaseLabel.h"

class TLCounterLabel : public TLBaseLabel {
public:
    TLCounterLabel() { ResetCounter(); }
    QByteArray ClassName() const override { return QByteArrayLiteral("TLCounterLabel"); }

    QString TextBefore;
    QString TextAfter;
    int RepeatEach = 1;
    int LeadingZeros = 0;

    int Startingnumber() const { return Start; }
    // Restarts the count.
    void SetStartingnumber(int number);
    int64_t Value() const { return Current; }
    // The caption for the current value.
    QString CounterText() const;

    void ResetCounter() override;
    void AdvanceCounter() override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

protected:
    void PrepareCaption() override;

private:
    int Start = 1;
    int64_t Current = 1;
    int Counted = 0;
};
