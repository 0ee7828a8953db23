// The label command of the main window: the printer check, the derived name and address
// fields switched on while the label setup screen is open, and the window's query, order and
// record put back afterwards.
#include "TAddressMain.h"

#include "data/TAddressTable.h"
#include "labels/TLabelSetupScreen.h"
#include "output/TPrinterCheck.h"

std::function<void(TLabelSetupScreen&)>& TAddressMain::LabelScreenRunner()
{
    static std::function<void(TLabelSetupScreen&)> runner = [](TLabelSetupScreen& screen) { screen.exec(); };
    return runner;
}

void TAddressMain::PrintLabelsClick()
{
    if (!Table || Editing() || !OnRecord() || !TPrinterCheck::PrinterPresent())
        return;
    auto setups = TLabelSetups::Open(); // "Unable to Open LABEL.DBF" through the prompts
    if (!setups)
        return;
    const QString tag = OrderTag;
    const uint32_t record = Table->Table().recordNumber();
    const std::string condition = Table->Area().condition();
    UpdatesSuspended = true;
    Table->SetExtraFields(true);
    EngineGuarded([&] {
        TLabelSetupScreen screen(*Table, std::move(setups), AddressFilter.IsSet(), this);
        LabelScreenRunner()(screen);
    });
    Table->SetExtraFields(false);
    UpdatesSuspended = false;
    if (Table->Area().condition() != condition)
        Table->Area().setCondition(condition);
    SetCurrentOrder(tag);
    Table->Table().go(record);
    ShowMovedRecord();
}
