// A panel bound to the address data set: data-bound objects take their text from the current
// record of `DataSet` (set by the owner, which also positions it) whenever RefreshData runs,
// or show field placeholders when `DisplayDataValues` is off.
#pragma once

#include "TLBasePanel.h"
#include "TLDataSource.h"

class TLDataPanel : public TLBasePanel {
public:
    using TLBasePanel::TLBasePanel;

    TLDataSource* DataSet = nullptr;
    bool DisplayDataValues() const { return ShowValues; }
    void SetDisplayDataValues(bool show);
    // Values are shown on screen with DisplayDataValues, and always when printing.
    bool ShowsValues() const { return ShowValues || Printing; }

    // ShowData on every object when the data set is open.
    void RefreshData() override;

    // The data panel an object sits on, or nullptr.
    static TLDataPanel* Of(const TLGraphicControl& object);

private:
    bool ShowValues = true;
};
