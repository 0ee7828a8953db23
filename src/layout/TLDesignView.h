// One design panel on screen inside a TLayoutDesigner: paints the panel with the selection
// squares, the rubber band and the drag and nudge outlines over it, and turns the mouse and
// the keyboard into selecting, drawing, moving, resizing and nudging through its selection
// frame (TLHandle). Commands, menus and undo belong to the designer.
//
// The outlines are drawn by exclusive-or on the composed picture before it is copied to the
// screen, so they show on any background.
#pragma once

#include "TLHandle.h"
#include "TLPanelWidget.h"

#include <memory>

class TLayoutDesigner;

class TLDesignView : public TLPanelWidget {
    Q_OBJECT
public:
    TLDesignView(TLBasePanel& panel, TLayoutDesigner& designer, QWidget* parent = nullptr);
    ~TLDesignView() override;

    TLHandle& Handle() const { return *Frame; }

    // Layout pixels of a view point, and the view rectangle of a layout rectangle.
    QPoint ToLayout(QPointF view) const;
    QRect ToView(const QRect& layout) const;
    // The front-most object under a layout point.
    TLGraphicControl* ObjectAt(QPoint layout) const;
    // The frame in view pixels (the selection squares' margin included).
    QRect FrameView() const;
    // The composed panel with the selection and outlines over it (what is shown).
    QImage Picture();

    // Selecting by a press on `object` (what every object's press is hooked to).
    void ObjectMouseDown(TLGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         QPoint view, QPoint global);
    // Sizes the widget to the panel at the current zoom and repaints.
    void Fit();
    void SelectionUpdated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; } // arrow and tab keys stay here

private:
    enum class TMouse { Idle, Banding, FramePressed, Dragging };
    void BackgroundPress(QMouseEvent* event);
    void FramePress(QMouseEvent* event);
    void StartFramePress(QPoint view, int zone);
    void BandReleased(Qt::KeyboardModifiers modifiers);
    void DragReleased();
    void Hover(QPoint view);
    bool Nudge(int key, bool shift);
    QPoint Travel(QPoint view) const;
    void PaintSelection(QPainter& painter) const;
    void PaintOutline(QPainter& painter, const QRect& layout) const;

    TLayoutDesigner& Designer;
    std::unique_ptr<TLHandle> Frame;
    TMouse Mouse = TMouse::Idle;
    QPoint BandStart, BandEnd;  // layout pixels
    QPoint PressPoint;          // view pixels
    qint64 PressTime = 0;
    int Zone = 0;
    QPoint DragTravel;          // layout pixels, clamped
    bool Nudging = false;
    QRect NudgeBox;             // layout pixels
};
