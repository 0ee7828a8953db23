#include "TLBasePanel.h"

#include "TLLabelObjectFiler.h"

#include <QPainter>

QRect TLBasePanel::DrawnRect(const QRect& dragged)
{
    return QRect(dragged.left(), dragged.top(), dragged.width() < 25 ? 50 : dragged.width(),
                 std::max(dragged.height(), 15));
}

QSet<QString> TLOwner::ComponentNames() const
{
    QSet<QString> names;
    for (const TLBasePanel* panel : Panels)
        for (const auto& object : panel->Objects())
            names.insert(object->Name);
    return names;
}

TLBasePanel::TLBasePanel(TLOwner* owner)
{
    if (!owner) {
        PrivateOwner = std::make_unique<TLOwner>();
        owner = PrivateOwner.get();
    }
    OwnerWindow = owner;
    OwnerWindow->Attach(this);
}

TLBasePanel::~TLBasePanel()
{
    Children.clear();
    OwnerWindow->Detach(this);
}

void TLBasePanel::SetZoom(double factor)
{
    if (factor <= 0 || factor == ZoomFactor)
        return;
    Rescaling = true;
    ZoomFactor = factor;
    for (const auto& object : Children)
        object->SetZoom(factor);
    Rescaling = false;
}

TLGraphicControl* TLBasePanel::FindObject(const QString& name) const
{
    for (const auto& object : Children)
        if (object->Name.compare(name, Qt::CaseInsensitive) == 0)
            return object.get();
    return nullptr;
}

TLGraphicControl* TLBasePanel::AddObject(std::unique_ptr<TLGraphicControl> object, const QRect& rect)
{
    object->Name = UniqueName(QStringLiteral("Special"));
    object->SetPanel(this);
    object->SetBounds(rect.left(), rect.top(), std::max(rect.width(), 10), std::max(rect.height(), 15));
    object->SetZoom(ZoomFactor);
    TLGraphicControl* added = Adopt(std::move(object));
    NotifyChanged();
    return added;
}

TLGraphicControl* TLBasePanel::Adopt(std::unique_ptr<TLGraphicControl> object)
{
    object->SetPanel(this);
    object->SetZoom(ZoomFactor);
    Children.push_back(std::move(object));
    return Children.back().get();
}

std::unique_ptr<TLGraphicControl> TLBasePanel::Remove(TLGraphicControl* object)
{
    for (auto it = Children.begin(); it != Children.end(); ++it) {
        if (it->get() == object) {
            std::unique_ptr<TLGraphicControl> removed = std::move(*it);
            Children.erase(it);
            removed->SetPanel(nullptr);
            return removed;
        }
    }
    return nullptr;
}

void TLBasePanel::BringToFront(TLGraphicControl* object)
{
    if (std::unique_ptr<TLGraphicControl> moved = Remove(object))
        Adopt(std::move(moved));
}

void TLBasePanel::SendToBack(TLGraphicControl* object)
{
    if (std::unique_ptr<TLGraphicControl> moved = Remove(object)) {
        moved->SetPanel(this);
        Children.insert(Children.begin(), std::move(moved));
    }
}

QString TLBasePanel::UniqueName(const QString& prefix) const
{
    const QSet<QString> taken = OwnerWindow->ComponentNames();
    QSet<QString> folded;
    for (const QString& name : taken)
        folded.insert(name.toLower());
    for (int number = 1;; ++number) {
        const QString candidate = prefix + QString::number(number);
        if (!folded.contains(candidate.toLower()))
            return candidate;
    }
}

void TLBasePanel::WireObjects()
{
    for (const auto& object : Children)
        object->SetZoom(ZoomFactor);
}

void TLBasePanel::ClearAllData()
{
    for (const auto& object : Children)
        object->ClearData();
}

void TLBasePanel::ResetCounters()
{
    for (const auto& object : Children)
        object->ResetCounter();
}

void TLBasePanel::AdvanceCounters()
{
    for (const auto& object : Children)
        object->AdvanceCounter();
}

void TLBasePanel::DeleteAllObjects()
{
    while (!Children.empty())
        Children.pop_back();
}

void TLBasePanel::NotifyChanged()
{
    if (!Rescaling && LabelChangedEvent)
        LabelChangedEvent(this);
}

void TLBasePanel::SaveToFile(const QString& fileName)
{
    // Bounds are kept at zoom 1.0, so the zoom needs no undoing before writing.
    ClearAllData();
    try {
        TLLabelObjectFiler().WritePanel(*this, fileName);
    } catch (...) {
        RefreshData();
        throw;
    }
    RefreshData();
}

void TLBasePanel::LoadFromFile(const QString& fileName)
{
    TLLabelObjectFiler().ReadIntoPanel(*this, fileName);
    WireObjects();
    RefreshData();
}

void TLBasePanel::PrintObjects(TBaseReport& report, TInches x, TInches y)
{
    for (const auto& object : Children)
        object->Print(report, x, y);
}

void TLBasePanel::PullObjectsInside()
{
    for (const auto& object : Children) {
        if (object->Top() > Height - 10)
            object->SetTop(Height - 10);
        if (object->Left() > Width - 20)
            object->SetLeft(Width - 20);
    }
}

void TLBasePanel::DeleteObjectsOutside()
{
    std::erase_if(Children, [this](const std::unique_ptr<TLGraphicControl>& object) {
        return object->Top() > Height - 10 || object->Left() > Width - 10 || object->Width() < 1 || object->Height() < 1;
    });
}

QPainterPath TLBasePanel::ShapePath(double scale) const
{
    // Each shape spans one pixel more than the panel, as the outline is drawn inside it.
    return ShapePathIn(QRectF(0, 0, (Width + 1) * scale, (Height + 1) * scale), scale);
}

QPainterPath TLBasePanel::ShapePathIn(const QRectF& area, double scale) const
{
    QPainterPath path;
    switch (Shape) {
    case TLabelShapeType::lsRectangle: path.addRect(area); break;
    case TLabelShapeType::lsRoundRect: path.addRoundedRect(area, 12 * scale, 12 * scale); break;
    case TLabelShapeType::lsEllipse: path.addEllipse(area); break;
    }
    return path;
}

void TLBasePanel::PaintBackground(QPainter& painter, double scale) const
{
    const QRectF whole(0, 0, Width * scale, Height * scale);
    painter.fillRect(whole, Color);
    const QPainterPath shape = ShapePath(scale);
    for (const TLPicture* picture : {&Picture, &ColorPicture}) {
        if (picture->Empty())
            continue;
        painter.save();
        painter.setClipPath(shape);
        picture->Draw(painter, whole);
        painter.restore();
    }
    if (DrawOutline) {
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        // The outline runs half a pixel inside the panel's edge, so its right and bottom sides
        // stay on the panel instead of falling just outside it.
        painter.drawPath(ShapePathIn(QRectF(0.5, 0.5, Width * scale - 1, Height * scale - 1), scale));
        painter.restore();
    }
    if (ShowGrid) {
        // Green grid points every 4 or 8 layout pixels, inside the shape only.
        const int step = GridSize == TGridSize::gs4x4 ? 4 : 8;
        painter.save();
        painter.setClipPath(shape);
        // Combined by AND, so the points darken a background picture instead of hiding it.
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 1));
        for (int y = 0; y < Height; y += step)
            for (int x = 0; x < Width; x += step)
                painter.drawPoint(QPointF(x * scale, y * scale));
        painter.restore();
    }
}
