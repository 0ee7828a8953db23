#include "TLDMultiLineLabel.h"

#include "TLDataPanel.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include <QRegularExpression>

void TLDMultiLineLabel::ShowData()
{
    Items.clear();
    Wrapped.clear();
    TLDataPanel* panel = TLDataPanel::Of(*this);
    const TLDataField* field = panel && panel->DataSet ? panel->DataSet->FieldByLabel(DataFieldDescript) : nullptr;
    Bound = field != nullptr;
    if (field && panel->ShowsValues()) {
        try {
            if (!panel->DataSet->MemoEmpty(field->Name)) {
                static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
                Items = panel->DataSet->MemoText(field->Name).split(lineBreak);
            }
        } catch (const std::exception&) {
            Items.clear();
        }
        if (WordWrap())
            Wrapped = WrapText(Items, Width());
    } else if (field) {
        Items << u'[' + DataFieldDescript + u']';
    } else if (!Printing()) {
        Items << QStringLiteral("<undefined memo>");
    }
    if (WordWrap() && Wrapped.isEmpty())
        Wrapped = Items;
}

void TLDMultiLineLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLMultiLineBaseLabel::WriteProperties(writer);
    if (!DataFieldName.isEmpty())
        writer.String("DataFieldName", DataFieldName);
    if (!DataFieldDescript.isEmpty())
        writer.String("DataFieldDescript", DataFieldDescript);
}

bool TLDMultiLineLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name == "DataFieldName")
        DataFieldName = TLValueRead::String(value);
    else if (name == "DataFieldDescript")
        DataFieldDescript = TLValueRead::String(value);
    else
        return TLMultiLineBaseLabel::ReadProperty(name, value);
    return true;
}
