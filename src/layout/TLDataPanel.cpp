#include "TLDataPanel.h"

void TLDataPanel::SetDisplayDataValues(bool show)
{
    ShowValues = show;
    RefreshData();
}

void TLDataPanel::RefreshData()
{
    if (!DataSet || !DataSet->Active())
        return;
    for (const auto& object : Objects())
        object->ShowData();
}

TLDataPanel* TLDataPanel::Of(const TLGraphicControl& object) { return dynamic_cast<TLDataPanel*>(object.Panel()); }
