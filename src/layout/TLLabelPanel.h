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

// The envelope panel draws the label panel's objects and, with `FimTool` set (the "FIM Barcode
// tool", which has no label state), a FIM barcode.
class TEnvelopePanel : public TLLabelPanel {
public:
    using TLLabelPanel::TLLabelPanel;

    bool FimTool = false;
    void DropObject(const QRect& rect) override;
};

enum class TRPanelState {
    psPointing, psLabel, psDataLabel, psMultiLineDataLabel, psLine, psImage, psDateTime, psPageNumber,
    psSymbolLabel, psRectangle, psEllipse, psRoundRectangle
};

enum class TRPanelKind { rpkHeader, rpkDetail, rpkMemo, rpkFooter };

class TReportPanel : public TLDataPanel {
public:
    using TLDataPanel::TLDataPanel;

    TRPanelState PanelState() const { return State; }
    void SetPanelState(TRPanelState state);
    TLFont PanelFont;
    // Which band the panel is; some objects belong in one band only.
    TRPanelKind Kind = TRPanelKind::rpkDetail;
    // Whether the current tool may draw in this band (set with the tool by the designer).
    bool DrawingAllowed = true;
    // Whether `state` may draw in a band of `kind` at all (the tool bar's rule).
    static bool ToolAllowed(TRPanelState state, TRPanelKind kind);
    // Why the current tool's object may not be created in this band; empty when it may.
    QString Refusal() const;

    void DropObject(const QRect& rect) override;

private:
    TRPanelState State = TRPanelState::psPointing;
};
