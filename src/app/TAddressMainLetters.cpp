// The main window's letter command: the letter window over the open table, with the display
// detached while it is open and the printer of the moment selected again afterwards (the
// window works on a printer selection of its own, which goes with it).
#include "TAddressMain.h"

#include "output/TRecordChoicePanel.h"

#include "letters/TLetterStore.h"
#include "letters/TqVLetters.h"
#include "output/TPrinterCheck.h"
#include "output/TPrinterSelection.h"

void TAddressMain::PrintLettersClick()
{
    if (!Table || Editing() || !OnRecord() || !TPrinterCheck::PrinterPresent())
        return;
    std::unique_ptr<TLetterStore> store = TLetterStore::Open(); // tells of its own failure
    if (!store)
        return;
    TBatchGuard batch(*this);
    TPrinterSelection printers;
    EngineGuarded([&] {
        auto* panel = new TRecordChoicePanel(TRecordChoice::TPrintout::Letters, AddressFilter.IsSet());
        TLetterRecordChoice choice{panel, [panel] { return panel->Records(); },
                                   [panel] { return panel->StartFromCurrent(); }};
        TqVLetters window(*Table, *store, printers, choice, this);
        window.exec();
    });
    CachedCount.reset();
    ShowMovedRecord();
}
