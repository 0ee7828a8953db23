// A report band's design panel: a data panel whose drawing tool (`PanelState`) decides which
// object a drag creates, within the band rules (`Kind`): some objects belong in one band only.
#pragma once

#include "TLDataPanel.h"
#include "TLFont.h"

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
