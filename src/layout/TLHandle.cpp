#include "TLHandle.h"

#include <QDateTime>

#include <algorithm>
#include <cstdlib>

void TLHandle::SetSnapToGrid(bool on)
{
    GridX = on ? RememberedX : 1;
    GridY = on ? RememberedY : 1;
}

void TLHandle::SetGridSize(TGridSize size)
{
    const bool snapping = SnapToGrid();
    RememberedX = RememberedY = size == TGridSize::gs4x4 ? 4 : 8;
    if (snapping)
        SetSnapToGrid(true);
}

void TLHandle::Select(TLGraphicControl* object)
{
    if (!object || object->Unselectable || IsSelected(object))
        return;
    Selected.push_back(object);
}

void TLHandle::Unselect(TLGraphicControl* object) { std::erase(Selected, object); }

void TLHandle::ClearSelection() { Selected.clear(); }

void TLHandle::Prune()
{
    std::erase_if(Selected, [this](TLGraphicControl* object) {
        return std::none_of(Owner.Objects().begin(), Owner.Objects().end(),
                            [object](const auto& child) { return child.get() == object; });
    });
}

TLGraphicControl* TLHandle::Item(int index) const
{
    return index >= 0 && index < Count() ? Selected[size_t(index)] : nullptr;
}

int TLHandle::IndexOf(const TLGraphicControl* object) const
{
    const auto found = std::find(Selected.begin(), Selected.end(), object);
    return found == Selected.end() ? -1 : int(found - Selected.begin());
}

QRect TLHandle::SelectionBox() const
{
    QRect box;
    for (const TLGraphicControl* object : Selected)
        box = box.isNull() ? object->BoundsRect() : box.united(object->BoundsRect());
    return box;
}

QRect TLHandle::Frame() const { return Selected.empty() ? QRect(0, 0, 24, 24) : FrameOf(SelectionBox()); }

int TLHandle::ZoneAt(QPoint point, QSize size) const { return Count() == 1 ? Zone(point, size) : 0; }

int TLHandle::Zone(QPoint point, QSize size)
{
    const int x = point.x(), y = point.y(), w = size.width(), h = size.height();
    const bool left = std::abs(x) < 8, right = std::abs(x - w) < 8;
    const bool top = std::abs(y) < 8, bottom = std::abs(y - h) < 8;
    // Later tests win, so the middle of a short side beats its corners.
    int zone = 0;
    if (left && top) zone = 1;
    if (right && bottom) zone = 4;
    if (right && top) zone = 2;
    if (left && bottom) zone = 3;
    if (std::abs(x - w / 2) < 6 && top) zone = 5;
    if (std::abs(x - w / 2) < 6 && bottom) zone = 7;
    if (std::abs(y - h / 2) < 6 && left) zone = 6;
    if (std::abs(y - h / 2) < 6 && right) zone = 8;
    return zone;
}

namespace {
bool MovesLeft(int zone) { return zone == 0 || zone == 1 || zone == 3 || zone == 6; }
bool MovesRight(int zone) { return zone == 2 || zone == 4 || zone == 8; }
bool MovesTop(int zone) { return zone == 0 || zone == 1 || zone == 2 || zone == 5; }
bool MovesBottom(int zone) { return zone == 3 || zone == 4 || zone == 7; }
} // namespace

QPoint TLHandle::Clamped(int zone, QPoint travel) const
{
    const QRect box = SelectionBox();
    const int right = box.left() + box.width(), bottom = box.top() + box.height();
    int dx = travel.x(), dy = travel.y();
    if (MovesLeft(zone))
        dx = std::clamp(dx, -box.left(), Owner.Width - box.left());
    else if (MovesRight(zone))
        dx = std::clamp(dx, -right, Owner.Width - right);
    if (MovesTop(zone))
        dy = std::clamp(dy, -box.top(), Owner.Height - box.top());
    else if (MovesBottom(zone))
        dy = std::clamp(dy, -bottom, Owner.Height - bottom);
    return {dx, dy};
}

QRect TLHandle::DraggedBox(int zone, QPoint travel) const
{
    const QRect box = SelectionBox();
    const int l = box.left(), t = box.top(), r = l + box.width(), b = t + box.height();
    int left = l, top = t, right = r, bottom = b;
    // The edges the zone moves follow the mouse and land on the grid; a move keeps the size.
    if (zone == 0) {
        left = SnapX(l + travel.x());
        top = SnapY(t + travel.y());
        return QRect(left, top, box.width(), box.height());
    }
    if (MovesLeft(zone)) left = SnapX(l + travel.x());
    if (MovesRight(zone)) right = SnapX(r + travel.x());
    if (MovesTop(zone)) top = SnapY(t + travel.y());
    if (MovesBottom(zone)) bottom = SnapY(b + travel.y());
    // At least 5 × 5, keeping the edge that did not move.
    if (right - left < 5) {
        if (MovesLeft(zone)) left = right - 5; else right = left + 5;
    }
    if (bottom - top < 5) {
        if (MovesTop(zone)) top = bottom - 5; else bottom = top + 5;
    }
    return QRect(left, top, right - left, bottom - top);
}

void TLHandle::MoveSelectionTo(const QRect& box)
{
    const QRect old = SelectionBox();
    for (TLGraphicControl* object : Selected) {
        if (object->Locked)
            continue;
        object->SetBounds(box.left() + object->Left() - old.left(), box.top() + object->Top() - old.top(),
                          std::max(1, object->Width() + box.width() - old.width()),
                          std::max(1, object->Height() + box.height() - old.height()));
    }
}

std::function<qint64()>& TLHandle::Clock()
{
    static std::function<qint64()> clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    return clock;
}
