// The selection frame of one design panel: the selected objects in the order they were chosen,
// the frame around them, the grid steps that moves and resizes snap to, and the geometry of
// dragging (which of the eight resize zones a point is in, where a drag puts the selection).
// A model without a widget: the design view (TLDesignView) draws the squares and outlines and
// feeds it the mouse; commands and tests use it directly.
//
// All rectangles are layout pixels at zoom 1.0 except where a function says "view".
#pragma once

#include "TLBasePanel.h"

#include <QColor>
#include <QRect>

#include <functional>
#include <vector>

class TLHandle {
public:
    explicit TLHandle(TLBasePanel& panel) : Owner(panel) {}

    QColor Color = Qt::black;                    // squares of a single selection
    QColor SecondaryColor = QColor(0x80, 0x80, 0x80); // squares of a multiple selection
    bool Locked = false;                         // a locked frame never drags
    int GridX = 1;
    int GridY = 1;
    bool SnapToGrid() const { return GridX > 1 || GridY > 1; }
    void SetSnapToGrid(bool on);
    // The remembered steps (4 or 8) used whenever snapping is on.
    void SetGridSize(TGridSize size);

    TLBasePanel& Panel() const { return Owner; }

    // ---- the selection
    void Select(TLGraphicControl* object);
    void Unselect(TLGraphicControl* object);
    void ClearSelection();
    // Drops entries whose objects left the panel (a host reloaded or cleared it).
    void Prune();
    int Count() const { return int(Selected.size()); }
    TLGraphicControl* Item(int index) const;
    int IndexOf(const TLGraphicControl* object) const;
    bool IsSelected(const TLGraphicControl* object) const { return IndexOf(object) >= 0; }
    const std::vector<TLGraphicControl*>& Selection() const { return Selected; }
    bool Visible() const { return !Selected.empty(); }

    // The union of the selected objects' rectangles.
    QRect SelectionBox() const;
    // The frame: the selection box with 2 pixels more at the left and top and 3 at the right
    // and bottom (the selection squares sit in that margin).
    QRect Frame() const;
    static QRect FrameOf(const QRect& box) { return box.adjusted(-2, -2, 3, 3); }
    static QRect BoxOf(const QRect& frame) { return frame.adjusted(2, 2, -3, -3); }

    // ---- dragging
    // The resize zone (0 = move, 1..8) of `point` relative to a frame of `size` (both view
    // pixels); only a single selection has resize zones.
    int ZoneAt(QPoint point, QSize size) const;
    static int Zone(QPoint point, QSize size);
    // The mouse travel (layout pixels) clamped so the edges a zone moves stay on the panel.
    QPoint Clamped(int zone, QPoint travel) const;
    // Where a drag of `travel` in `zone` puts the selection box: the edges the zone moves
    // follow the mouse and land on the grid; sizes stay at least 5 × 5.
    QRect DraggedBox(int zone, QPoint travel) const;
    // Moves and sizes every unlocked selected object as the selection box goes to `box`.
    void MoveSelectionTo(const QRect& box);

    // Time of the last paste on this panel (milliseconds of Clock()).
    qint64 LastPaste = -1000000;
    // Milliseconds; tests set their own clock.
    static std::function<qint64()>& Clock();

private:
    int SnapX(int value) const { return value / GridX * GridX; }
    int SnapY(int value) const { return value / GridY * GridY; }

    TLBasePanel& Owner;
    std::vector<TLGraphicControl*> Selected;
    int RememberedX = 8;
    int RememberedY = 8;
};
