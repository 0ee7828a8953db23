// The layout object kinds as rows of one registry, so that a new kind is its class plus rows
// here (and, for its dialogs and menu entries, a row in TLStandardObjectEditing's table):
//
//   a class row   the name the layout stream stores and a factory for the reader. Every layout
//                 class is known from the start of the run, whichever panels were created, so a
//                 layout that holds a FIM read by a label designer still reads in the next session.
//   a tool row    one drawing tool of the designers' palettes: its caption, its place on each
//                 palette, the panel state the panels know it by, the report bands it may draw
//                 in, and the new object it draws, set up as a new object of its kind.
//
// A kind drawn by label and envelope panels has a tool row of the Label family; one drawn on
// report bands a row of the Report family (the same caption may stand in both, drawing objects
// of each family's own defaults).
#pragma once

#include "TLGraphicControl.h"

#include <QStringList>

#include <memory>
#include <vector>

class TLFont;

enum class TLDesignerKind { Label, Envelope, Report };
// Which panels know a tool: label and envelope panels (TLPanelState), or report bands (TRPanelState).
enum class TLToolFamily { Label, Report };

struct TLToolRow {
    using TCreate = std::unique_ptr<TLGraphicControl> (*)(const TLFont& panelFont);
    static constexpr int NoState = -1;     // a tool the family's panel states do not name (FIM)
    static constexpr int AnyBand = 0xF;    // every report band (bit n: TRPanelKind n)

    TLToolFamily Family;
    int State;                 // the TLPanelState or TRPanelState value, or NoState
    const char* Caption;       // "Text tool"
    int LabelSlot;             // place on the label designer's palette, from 1; 0: not offered
    int EnvelopeSlot;          // on the envelope designer's
    int ReportSlot;            // on the report designer's
    TCreate Create;            // nullptr for the selection tool
    int Bands = AnyBand;       // the report bands the tool may draw in
    const char* Refusal = "";  // why it may not draw in another band
};

class TLClassRegistry {
public:
    // A new object of the class, or nullptr when no layout class has that name.
    static std::unique_ptr<TLGraphicControl> Create(const QByteArray& className);
    static QStringList ClassNames();

    // The tools of a designer's palette, top to bottom.
    static std::vector<const TLToolRow*> Palette(TLDesignerKind kind);
    // The tool a family's panels know by `state`, or nullptr.
    static const TLToolRow* Tool(TLToolFamily family, int state);
    // The object the tool of `state` draws, set up as new (nullptr for the selection tool).
    static std::unique_ptr<TLGraphicControl> CreateForTool(TLToolFamily family, int state, const TLFont& panelFont);
};
