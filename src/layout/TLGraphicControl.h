// The base of every layout object: a named rectangle on a panel with the stored properties all
// objects share, and the operations a panel and the printing code call (paint, fill from the
// record, count, print). Bounds are always kept in layout pixels at zoom 1.0; `Zoom` only
// scales the view, so zooming never moves an object.
//
// A subclass adds its own stored properties by extending WriteProperties (after the base's) and
// ReadProperty. Objects belong to a panel (TLBasePanel); they are created by the panel, the
// layout reader or a test, and never own a widget.
#pragma once

#include "TLNames.h"
#include "TLStreamValue.h"

#include "output/TInches.h"

#include <QRect>
#include <QString>

class QPainter;
class TBaseReport;
class TLBasePanel;
class TLStreamWriter;
struct TLFont;

class TLGraphicControl {
public:
    virtual ~TLGraphicControl() = default;
    virtual QByteArray ClassName() const = 0;

    QString Name;
    int32_t Tag = 0;
    TCursor Cursor = crDefault;
    QString Hint;
    bool Locked = false;
    bool Unselectable = false;

    int Left() const { return Bounds.left(); }
    int Top() const { return Bounds.top(); }
    int Width() const { return Bounds.width(); }
    int Height() const { return Bounds.height(); }
    QRect BoundsRect() const { return Bounds; }
    // Runs BoundsChanged when the bounds differ, except while a layout is being read.
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const QRect& rect) { SetBounds(rect.left(), rect.top(), rect.width(), rect.height()); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    double Zoom() const { return ZoomFactor; }
    void SetZoom(double factor);
    // The object's rectangle on a view at its zoom.
    QRectF ViewRect() const;

    TLBasePanel* Panel() const { return Owner; }
    void SetPanel(TLBasePanel* panel) { Owner = panel; }
    // Whether the panel is printing (placeholders and markers are then suppressed).
    bool Printing() const;
    // Forwards to the panel's NotifyChanged.
    void NotifyChanged();

    // ---- the operations every kind may refine
    // Draws the object with the painter's origin at its top-left corner, at its zoom.
    virtual void Paint(QPainter& painter);
    virtual void BoundsChanged();
    virtual void PopupOpening() {}
    virtual void ApplyFont(const TLFont&) {}
    virtual void ShowData() {}
    virtual void ClearData() {}
    virtual void AdvanceCounter() {}
    virtual void ResetCounter() {}
    // Draws the object on the page at its rectangle in inches, moved by (x, y).
    virtual void Print(TBaseReport& report, TInches x, TInches y);

    // ---- storage
    virtual void WriteProperties(TLStreamWriter& writer) const;
    // Takes one stored property; false when the class has no property of that name, and
    // "Invalid property value" (thrown) for a value that does not fit.
    virtual bool ReadProperty(const QByteArray& name, const TLValue& value);
    // After the last property of a read: the object settles its derived state.
    virtual void Loaded() {}
    // Set by the reader while the object's properties are assigned.
    bool Reading = false;

    // The page rectangle of the object moved by (x, y), at the layout's pixels per inch.
    TInchRect PrintRect(TInches x, TInches y) const;

    // Only the space character counts as blank.
    static QString TrimLeft(const QString& text);
    static QString TrimRight(const QString& text);
    static QString Trim(const QString& text) { return TrimLeft(TrimRight(text)); }

protected:
    TLGraphicControl(int width, int height) : Bounds(0, 0, width, height) {}

private:
    QRect Bounds;
    QRect LastBounds;
    double ZoomFactor = 1.0;
    TLBasePanel* Owner = nullptr;
    bool InBoundsChanged = false;
};
