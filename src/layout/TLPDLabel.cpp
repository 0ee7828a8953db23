#include "TLPDLabel.h"

#include "TLDataPanel.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"

void TLPDLabel::ShowData()
{
    TLDataPanel* panel = TLDataPanel::Of(*this);
    const TLDataField* field = panel && panel->DataSet ? panel->DataSet->FieldByLabel(DataFieldDescript) : nullptr;
    const bool printing = Printing();
    Bound = field != nullptr;
    QString text = Caption;
    if (field && panel->ShowsValues()) {
        try {
            text = Trim(panel->DataSet->FieldText(field->Name));
        } catch (const std::exception&) {
            text.clear();   // an unreadable field counts as empty
        }
        if (text.isEmpty() && !printing)
            text = QStringLiteral("<blank field>");
    } else if (field) {
        text = u'[' + DataFieldDescript + u']';
    } else if (!printing) {
        text = QStringLiteral("<undefined field>");
    }
    SetCaption(TrimRight(text));
}

void TLPDLabel::Print(TBaseReport& report, TInches x, TInches y)
{
    // A field that is empty or not found prints nothing, whatever the screen last showed.
    if (!Bound || Caption.isEmpty())
        return;
    TLBaseLabel::Print(report, x, y);
}

void TLPDLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLBaseLabel::WriteProperties(writer);
    if (!DataFieldName.isEmpty())
        writer.String("DataFieldName", DataFieldName);
    if (!DataFieldDescript.isEmpty())
        writer.String("DataFieldDescript", DataFieldDescript);
    writer.Integer("LengthOfText", LengthOfText);
}

bool TLPDLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name == "DataFieldName")
        DataFieldName = TLValueRead::String(value);
    else if (name == "DataFieldDescript")
        DataFieldDescript = TLValueRead::String(value);
    else if (name == "LengthOfText")
        LengthOfText = TLValueRead::Integer(value);
    else
        return TLBaseLabel::ReadProperty(name, value);
    return true;
}
