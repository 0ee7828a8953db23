// The label design panel: a data panel whose drawing tool (`PanelState`) decides which object a
// drag creates. The envelope panel (TEnvelopePanel) is a label panel with one tool more; report
// band panels (TReportPanel) are data panels with their own tools.
#pragma once

#include "TLDataPanel.h"
#include "TLFont.h"

enum class TLPanelState {
    psPointing, psLabel, psCounterLabel, psSymbolLabel, psDataLabel, psMultiLineLabel, psMultiLineDataLabel,
    psAddressLabel, psRectangle, psEllipse, psRoundRectangle, psLine, psImage, psPostNetBarCode
};

class TLLabelPanel : public TLDataPanel {
public:
    using TLDataPanel::TLDataPanel;

    TLPanelState PanelState() const { return State; }
    void SetPanelState(TLPanelState state);
    // The font new text objects get.
    TLFont PanelFont;

    // Creates the object of the current tool at `rect` (widened to at least 50 × 15).
    void DropObject(const QRect& rect) override;
    // The object a tool creates, set up as a new object of that kind (not yet on a panel).
    std::unique_ptr<TLGraphicControl> CreateObject(TLPanelState state) const;

private:
    TLPanelState State = TLPanelState::psPointing;
};
