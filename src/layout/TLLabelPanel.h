// The label design panel: a data panel whose drawing tool (`PanelState`) decides which object a
// drag creates. Envelope panels and report band panels (TEnvelopePanel, TReportPanel) are data
// panels with their own tools.
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

class TEnvelopePanel : public TLLabelPanel {
public:
    using TLLabelPanel::TLLabelPanel;
};

enum class TRPanelState {
    psPointing, psLabel, psDataLabel, psMultiLineDataLabel, psLine, psImage, psDateTime, psPageNumber,
    psSymbolLabel, psRectangle, psEllipse, psRoundRectangle
};

class TReportPanel : public TLDataPanel {
public:
    using TLDataPanel::TLDataPanel;

    TRPanelState PanelState() const { return State; }
    void SetPanelState(TRPanelState state);
    TLFont PanelFont;

    void DropObject(const QRect& rect) override;

private:
    TRPanelState State = TRPanelState::psPointing;
};
