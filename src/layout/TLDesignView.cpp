#include "TLDesignView.h"

#include "TLayoutDesigner.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Cursors of the frame's resize zones (0 = move).
Qt::CursorShape ZoneCursor(int zone)
{
    switch (zone) {
    case 1: case 4: return Qt::SizeFDiagCursor;
    case 2: case 3: return Qt::SizeBDiagCursor;
    case 5: case 7: return Qt::SizeVerCursor;
    case 6: case 8: return Qt::SizeHorCursor;
    default: return Qt::OpenHandCursor; // HANDGRAB
    }
}

constexpr Qt::CursorShape kHandPoint = Qt::PointingHandCursor;
constexpr Qt::CursorShape kDrawing = Qt::CrossCursor;

bool IsArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

} // namespace

TLDesignView::TLDesignView(TLBasePanel& panel, TLayoutDesigner& designer, QWidget* parent)
    : TLPanelWidget(panel, parent), Designer(designer), Frame(std::make_unique<TLHandle>(panel))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    Fit();
}

TLDesignView::~TLDesignView() = default;

void TLDesignView::Fit()
{
    setFixedSize(sizeHint());
    update();
}

QPoint TLDesignView::ToLayout(QPointF view) const
{
    const double scale = ViewScale();
    return QPoint(int(std::floor(view.x() / scale)), int(std::floor(view.y() / scale)));
}

QRect TLDesignView::ToView(const QRect& layout) const
{
    const double scale = ViewScale();
    return QRect(int(std::lround(layout.left() * scale)), int(std::lround(layout.top() * scale)),
                 int(std::lround(layout.width() * scale)), int(std::lround(layout.height() * scale)));
}

TLGraphicControl* TLDesignView::ObjectAt(QPoint layout) const
{
    const auto& objects = Panel().Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if ((*it)->BoundsRect().contains(layout))
            return it->get();
    return nullptr;
}

QRect TLDesignView::FrameView() const { return TLHandle::FrameOf(ToView(Frame->SelectionBox())); }

void TLDesignView::FitToSelection()
{
    // The frame is computed from the selected objects, so re-fitting is dropping the freed ones.
    Frame->Prune();
    update();
}

void TLDesignView::SelectionUpdated()
{
    FitToSelection();
    emit Designer.SelectionChanged();
}

// ---- painting

QImage TLDesignView::Picture()
{
    Frame->Prune();
    QImage image = Compose();
    QPainter painter(&image);
    PaintSelection(painter);
    if (Mouse == TMouse::Banding)
        PaintOutline(painter, QRect(BandStart, BandEnd).normalized());
    else if (Mouse == TMouse::Dragging)
        PaintOutline(painter, Frame->DraggedBox(Zone, DragTravel));
    if (Nudging)
        PaintOutline(painter, NudgeBox);
    return image;
}

void TLDesignView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void TLDesignView::PaintSelection(QPainter& painter) const
{
    const int count = Frame->Count();
    const QColor color = count == 1 ? Frame->Color : Frame->SecondaryColor;
    for (const TLGraphicControl* object : Frame->Selection()) {
        const QRect r = ToView(object->BoundsRect()).adjusted(-2, -2, 2, 2);
        const int right = r.left() + r.width(), bottom = r.top() + r.height();
        std::vector<QPoint> points{r.topLeft(), {right, r.top()}, {r.left(), bottom}, {right, bottom}};
        if (count == 1)
            points.insert(points.end(), {{(r.left() + right) / 2, r.top()}, {(r.left() + right) / 2, bottom},
                                         {r.left(), (r.top() + bottom) / 2}, {right, (r.top() + bottom) / 2}});
        for (const QPoint& point : points)
            painter.fillRect(QRect(point.x() - 2, point.y() - 2, 5, 5), color);
    }
}

void TLDesignView::PaintOutline(QPainter& painter, const QRect& layout) const
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToView(layout));
    painter.restore();
}

// ---- mouse

QPoint TLDesignView::Travel(QPoint view) const
{
    const double scale = ViewScale();
    const QPoint delta = view - PressPoint;
    return Frame->Clamped(Zone, QPoint(int(std::lround(delta.x() / scale)), int(std::lround(delta.y() / scale))));
}

void TLDesignView::mousePressEvent(QMouseEvent* event)
{
    Frame->Prune();
    setFocus(Qt::MouseFocusReason);
    const QPoint view = event->position().toPoint();
    if (Frame->Visible() && FrameView().contains(view)) {
        FramePress(event);
        return;
    }
    if (TLGraphicControl* object = ObjectAt(ToLayout(view))) {
        ObjectMouseDown(*object, event->button(), event->modifiers(), view, event->globalPosition().toPoint());
        return;
    }
    BackgroundPress(event);
}

void TLDesignView::ObjectMouseDown(TLGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                   QPoint view, QPoint global)
{
    // While drawing, and on objects that cannot be selected, a press starts a rectangle.
    if (!Panel().Pointing || object.Unselectable) {
        QMouseEvent press(QEvent::MouseButtonPress, view, mapToGlobal(view), button, button, modifiers);
        BackgroundPress(&press);
        return;
    }
    if (!(modifiers & Qt::ShiftModifier))
        Frame->ClearSelection();
    Frame->Select(&object);
    setCursor(Qt::OpenHandCursor); // HANDGRAB
    SelectionUpdated();
    if (button == Qt::RightButton && Frame->Count() == 1)
        Designer.OpenObjectMenu(*this, object, global);
    else if (button == Qt::LeftButton)
        StartFramePress(view, 0); // holding the button on the new selection drags it
}

void TLDesignView::BackgroundPress(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        Designer.OpenPanelMenu(*this, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    BandStart = BandEnd = ToLayout(event->position());
    Mouse = TMouse::Banding;
    setCursor(Panel().Pointing ? kHandPoint : kDrawing);
    update();
}

void TLDesignView::StartFramePress(QPoint view, int zone)
{
    PressTime = TLHandle::Clock()();
    PressPoint = view;
    Zone = zone;
    DragTravel = {};
    Mouse = Frame->Locked ? TMouse::FramePressed : TMouse::Dragging;
}

void TLDesignView::FramePress(QMouseEvent* event)
{
    const QPoint view = event->position().toPoint();
    const QPoint layout = ToLayout(view);
    TLGraphicControl* beneath = ObjectAt(layout);
    if (event->button() == Qt::RightButton) {
        TLGraphicControl* single = Frame->Item(0);
        if (Frame->Count() == 1 && single->BoundsRect().adjusted(-2, -2, 2, 2).contains(layout))
            Designer.OpenObjectMenu(*this, *single, event->globalPosition().toPoint());
        else
            Designer.OpenPanelMenu(*this, event->globalPosition().toPoint());
        return;
    }
    const bool passOn = event->button() == Qt::MiddleButton || !Panel().Pointing;
    if (passOn || event->button() != Qt::LeftButton) {
        if (beneath)
            ObjectMouseDown(*beneath, event->button(), event->modifiers(), view, event->globalPosition().toPoint());
        else
            BackgroundPress(event);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        // Shift-click drops the selected objects under the point.
        for (TLGraphicControl* object : std::vector(Frame->Selection()))
            if (object->BoundsRect().contains(layout))
                Frame->Unselect(object);
        SelectionUpdated();
        return;
    }
    const QRect frame = FrameView();
    const int zone = Frame->ZoneAt(view - frame.topLeft(), frame.size());
    // An unselected object inside a multiple selection's frame is taken by a plain click.
    if (zone == 0 && beneath && !Frame->IsSelected(beneath)) {
        ObjectMouseDown(*beneath, Qt::LeftButton, event->modifiers(), view, event->globalPosition().toPoint());
        return;
    }
    StartFramePress(view, zone);
}

void TLDesignView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint view = event->position().toPoint();
    // A drag whose release never came here (a message box took the mouse, the button was let
    // go outside) ends now, so no outline is left behind on the panel.
    if ((Mouse == TMouse::Dragging || Mouse == TMouse::Banding) && !(event->buttons() & Qt::LeftButton)) {
        Mouse = TMouse::Idle;
        DragTravel = {};
        update();
    }
    switch (Mouse) {
    case TMouse::Banding:
        BandEnd = ToLayout(view);
        update();
        return;
    case TMouse::Dragging:
        DragTravel = Travel(view);
        update();
        return;
    case TMouse::FramePressed:
        // Held after a double-click: the drag starts once 10 ms have passed.
        if ((event->buttons() & Qt::LeftButton) && !Frame->Locked && TLHandle::Clock()() - PressTime > 10) {
            Mouse = TMouse::Dragging;
            DragTravel = Travel(view);
            update();
        }
        return;
    case TMouse::Idle:
        Hover(view);
        return;
    }
}

void TLDesignView::Hover(QPoint view)
{
    if (Frame->Visible() && FrameView().contains(view)) {
        if (Frame->Locked) {
            setCursor(Qt::ForbiddenCursor);
        } else {
            const QRect frame = FrameView();
            setCursor(ZoneCursor(Frame->ZoneAt(view - frame.topLeft(), frame.size())));
        }
    } else if (!Panel().Pointing) {
        setCursor(kDrawing);
    } else if (ObjectAt(ToLayout(view))) {
        setCursor(kHandPoint);
    } else {
        unsetCursor();
    }
}

void TLDesignView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TMouse was = Mouse;
    Mouse = TMouse::Idle;
    if (was == TMouse::Banding) {
        BandEnd = ToLayout(event->position());
        BandReleased(event->modifiers());
    } else if (was == TMouse::Dragging) {
        DragTravel = Travel(event->position().toPoint());
        DragReleased();
    }
    unsetCursor();
    Hover(event->position().toPoint());
    update();
}

void TLDesignView::BandReleased(Qt::KeyboardModifiers modifiers)
{
    const QRect band = QRect(BandStart, BandEnd).normalized();
    if (!Panel().Pointing) {
        Designer.DropOn(*this, QRect(band.topLeft(), QSize(band.width() - 1, band.height() - 1)));
        return;
    }
    const bool toggle = modifiers & Qt::ShiftModifier;
    if (!toggle)
        Frame->ClearSelection();
    for (const auto& object : Panel().Objects()) {
        if (!object->BoundsRect().intersects(band))
            continue;
        if (toggle && Frame->IsSelected(object.get()))
            Frame->Unselect(object.get());
        else
            Frame->Select(object.get());
    }
    SelectionUpdated();
}

void TLDesignView::DragReleased()
{
    // A release within 150 ms is a click, however far the mouse went.
    if (TLHandle::Clock()() - PressTime < 150 || DragTravel.isNull())
        return;
    Frame->MoveSelectionTo(Frame->DraggedBox(Zone, DragTravel));
    Designer.Commit();
    SelectionUpdated();
}

void TLDesignView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint view = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() != Qt::LeftButton)
        return;
    if (Frame->Visible() && FrameView().contains(view)) {
        if (Frame->Count() == 1)
            Designer.OpenObjectMenu(*this, *Frame->Item(0), global);
        StartFramePress(view, 0);
        Mouse = TMouse::FramePressed; // the drag is cancelled until the 10 ms rule restarts it
        return;
    }
    if (TLGraphicControl* object = ObjectAt(ToLayout(view)); object && Panel().Pointing) {
        Designer.OpenObjectMenu(*this, *object, global);
        return;
    }
    if (Panel().OnDblClick)
        Panel().OnDblClick();
    emit Designer.PanelDoubleClicked(&Panel());
}

// ---- keys

void TLDesignView::keyPressEvent(QKeyEvent* event)
{
    Frame->Prune();
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    if (IsArrow(key) && Frame->Visible()) {
        Nudge(key, modifiers & Qt::ShiftModifier);
        return;
    }
    if (control && key == Qt::Key_C) {
        Designer.ClipboardCommand(*this, TLClipboardAction::Copy);
    } else if (control && key == Qt::Key_V) {
        Designer.ClipboardCommand(*this, TLClipboardAction::Paste);
    } else if (control && key == Qt::Key_X) {
        Designer.ClipboardCommand(*this, TLClipboardAction::Cut);
    } else if (!control && key == Qt::Key_Delete) {
        Designer.ClipboardCommand(*this, TLClipboardAction::Delete);
    } else if (control && key == Qt::Key_Z) {
        Designer.Undo();
    } else if (control && key == Qt::Key_Y) {
        Designer.Redo();
    } else if (!Designer.DesignerKey(key, modifiers)) {
        TLPanelWidget::keyPressEvent(event);
    }
}

bool TLDesignView::Nudge(int key, bool shift)
{
    if (!Nudging) {
        NudgeBox = Frame->SelectionBox();
        Nudging = true;
    }
    QRect& box = NudgeBox;
    const int right = box.left() + box.width(), bottom = box.top() + box.height();
    if (shift && Frame->Count() == 1) {
        if (key == Qt::Key_Left && box.width() > 10) box.setWidth(box.width() - 1);
        if (key == Qt::Key_Right && right < Panel().Width) box.setWidth(box.width() + 1);
        if (key == Qt::Key_Up && box.height() > 10) box.setHeight(box.height() - 1);
        if (key == Qt::Key_Down && bottom < Panel().Height) box.setHeight(box.height() + 1);
    } else {
        if (key == Qt::Key_Left && box.left() > 0) box.translate(-1, 0);
        if (key == Qt::Key_Right && right < Panel().Width) box.translate(1, 0);
        if (key == Qt::Key_Up && box.top() > 0) box.translate(0, -1);
        if (key == Qt::Key_Down && bottom < Panel().Height) box.translate(0, 1);
    }
    update();
    return true;
}

void TLDesignView::keyReleaseEvent(QKeyEvent* event)
{
    if (!Nudging || !IsArrow(event->key()) || event->isAutoRepeat()) {
        TLPanelWidget::keyReleaseEvent(event);
        return;
    }
    ApplyNudge();
}

void TLDesignView::ApplyNudge()
{
    Nudging = false;
    Frame->MoveSelectionTo(NudgeBox);
    Designer.Commit();
    SelectionUpdated();
}

void TLDesignView::focusOutEvent(QFocusEvent* event)
{
    // A key released elsewhere still ends the nudge where the outline shows it.
    if (Nudging)
        ApplyNudge();
    TLPanelWidget::focusOutEvent(event);
}
