// The design panel as a model: the layout objects of one label, envelope or report band in
// child order (back to front), the panel's published state, and the operations the designer,
// setup and printing windows use (naming, adding, zoom, saving and loading, counters, printing,
// keeping objects inside). No widget: print runs, the command line and tests use it directly;
// TLPanelWidget shows one on screen.
//
// Every panel belongs to a TLOwner (the designer window) whose objects' names are unique
// across all its panels; a panel created without one owns a private owner.
#pragma once

#include "TLGraphicControl.h"
#include "TLPicture.h"

#include <QColor>
#include <QPainterPath>
#include <QSet>

#include <functional>
#include <memory>
#include <vector>

class TBaseReport;
class TIMbSerialRun;
class TLBasePanel;

enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum class TGridSize { gs4x4, gs8x8 };

class TLOwner {
public:
    void Attach(TLBasePanel* panel) { Panels.push_back(panel); }
    void Detach(TLBasePanel* panel) { std::erase(Panels, panel); }
    QSet<QString> ComponentNames() const;

private:
    std::vector<TLBasePanel*> Panels;
};

class TLBasePanel {
public:
    explicit TLBasePanel(TLOwner* owner = nullptr);
    virtual ~TLBasePanel();
    TLBasePanel(const TLBasePanel&) = delete;
    TLBasePanel& operator=(const TLBasePanel&) = delete;

    // ---- published state
    bool Pointing = true;
    bool DrawOutline = false;
    TLPicture Picture;
    TLPicture ColorPicture;
    bool Printing = false;
    // Set by a print run that numbers Intelligent Mail barcodes: their serials come from it while
    // printing (the run outlives the printing and writes the serials back when it finishes).
    TIMbSerialRun* SerialRun = nullptr;
    TLabelShapeType Shape = TLabelShapeType::lsRoundRect;
    TGridSize GridSize = TGridSize::gs4x4;
    bool ShowGrid = false;
    bool SnapToGrid = false;
    QColor Color = Qt::white;
    std::function<void(const QRect&)> DroppedObjectEvent;
    std::function<void(TLBasePanel*)> LabelChangedEvent;
    std::function<void()> OnDblClick;

    // Size in layout pixels at zoom 1.0.
    int Width = 300;
    int Height = 100;
    void SetSize(int width, int height) { Width = width; Height = height; }
    double Zoom() const { return ZoomFactor; }
    // Scales the view only: bounds stay at zoom 1.0, so zooming never moves anything.
    void SetZoom(double factor);

    TLOwner& Owner() { return *OwnerWindow; }
    const std::vector<std::unique_ptr<TLGraphicControl>>& Objects() const { return Children; }
    TLGraphicControl* FindObject(const QString& name) const;

    // ---- operations
    // Names, sizes (at least 10 × 15), hooks and shows a new object drawn on the panel.
    TLGraphicControl* AddObject(std::unique_ptr<TLGraphicControl> object, const QRect& rect);
    // Puts an object on the panel as it is (the reader, pasting, cloning).
    TLGraphicControl* Adopt(std::unique_ptr<TLGraphicControl> object);
    std::unique_ptr<TLGraphicControl> Remove(TLGraphicControl* object);
    // Child order is print order: the front-most object prints last.
    void BringToFront(TLGraphicControl* object);
    void SendToBack(TLGraphicControl* object);
    // prefix + "1", "2", ...; past 1000 the numbers go on, so a name is never empty.
    QString UniqueName(const QString& prefix) const;
    void WireObjects();
    void ClearAllData();
    void ResetCounters();
    void AdvanceCounters();
    void DeleteAllObjects();
    void NotifyChanged();

    // Writes every object to `fileName` at zoom 1.0 with record-derived text cleared, then
    // fills the objects again. Throws TLStreamError.
    void SaveToFile(const QString& fileName);
    // Reads the file's objects onto the panel; a missing file changes nothing. Throws
    // TLStreamError; objects read before the error stay.
    void LoadFromFile(const QString& fileName);

    // A dragged rectangle widened to the least size a drawn object gets (50 wide when the drag
    // was narrower than 25, at least 15 high).
    static QRect DrawnRect(const QRect& dragged);
    virtual void DropObject(const QRect&) {}
    virtual void RefreshData() {}
    virtual void PrintObjects(TBaseReport& report, TInches x, TInches y);
    virtual void PullObjectsInside();
    virtual void DeleteObjectsOutside();

    // The panel's background at `scale` (layout pixels to view pixels): white, the pictures
    // clipped to the shape, the outline and the grid.
    void PaintBackground(QPainter& painter, double scale) const;
    QPainterPath ShapePath(double scale) const;

protected:
    bool Rescaling = false;

private:
    QPainterPath ShapePathIn(const QRectF& area, double scale) const;

    std::unique_ptr<TLOwner> PrivateOwner;
    TLOwner* OwnerWindow;
    std::vector<std::unique_ptr<TLGraphicControl>> Children;
    double ZoomFactor = 1.0;
};
