#include "TLCounterLabel.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include <limits>

void TLCounterLabel::SetStartingnumber(int number)
{
    Start = number;
    ResetCounter();
}

QString TLCounterLabel::CounterText() const
{
    QString number = QString::number(Current < 0 ? -Current : Current);
    if (LeadingZeros > 0)
        number = number.rightJustified(std::min(LeadingZeros, 64), u'0');
    if (Current < 0)
        number.prepend(u'-');
    return TextBefore + number + TextAfter;
}

void TLCounterLabel::PrepareCaption()
{
    const QString text = CounterText();
    if (text != Caption)
        SetCaption(text);
}

void TLCounterLabel::ResetCounter()
{
    Current = Start;
    Counted = 0;
    PrepareCaption();
}

void TLCounterLabel::AdvanceCounter()
{
    ++Counted;
    if (Counted >= std::max(1, RepeatEach)) {
        if (Current < std::numeric_limits<int64_t>::max())
            ++Current;
        Counted = 0;
    }
    PrepareCaption();
}

void TLCounterLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLBaseLabel::WriteProperties(writer);
    if (!TextBefore.isEmpty())
        writer.String("TextBefore", TextBefore);
    if (!TextAfter.isEmpty())
        writer.String("TextAfter", TextAfter);
    writer.Integer("Startingnumber", Start);
    writer.Integer("RepeatEach", RepeatEach);
    writer.Integer("LeadingZeros", LeadingZeros);
}

bool TLCounterLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "TextBefore")
        TextBefore = String(value);
    else if (name == "TextAfter")
        TextAfter = String(value);
    else if (name == "Startingnumber")
        SetStartingnumber(Integer(value));
    else if (name == "RepeatEach")
        RepeatEach = Integer(value);
    else if (name == "LeadingZeros")
        LeadingZeros = Integer(value);
    else
        return TLBaseLabel::ReadProperty(name, value);
    return true;
}
