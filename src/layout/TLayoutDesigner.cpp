#include "TLayoutDesigner.h"

#include "TLBaseLabel.h"
#include "TLClassRegistry.h"
#include "TLDesignView.h"
#include "TEnvelopePanel.h"
#include "TLLabelPanel.h"
#include "TReportPanel.h"
#include "TLMultiLineBaseLabel.h"
#include "TLObjectEditing.h"
#include "TLStreamError.h"
#include "TLSymbolLabel.h"

#include "prompts/TUserPrompts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

TLFont PanelFontOf(const TLBasePanel& panel)
{
    if (const auto* label = dynamic_cast<const TLLabelPanel*>(&panel))
        return label->PanelFont;
    if (const auto* band = dynamic_cast<const TReportPanel*>(&panel))
        return band->PanelFont;
    return TLFont();
}

} // namespace

std::vector<TLayoutDesigner::TTool> TLayoutDesigner::ToolsOf(TLDesignerKind kind)
{
    std::vector<TTool> tools;
    for (const TLToolRow* row : TLClassRegistry::Palette(kind))
        tools.push_back({QString::fromLatin1(row->Caption), row->State});
    return tools;
}

TLayoutDesigner::TLayoutDesigner(TLDesignerKind kind, QWidget* parent)
    : QWidget(parent), DesignerKind(kind), Tools(ToolsOf(kind))
{
    if (kind == TLDesignerKind::Envelope) {
        ZoomMinimum = 50;
        ZoomMaximum = 150;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildBars();
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(ToolBar);
    Scroller = new QScrollArea(this);
    Scroller->setBackgroundRole(QPalette::Dark);
    Column = new QWidget;
    ColumnLayout = new QVBoxLayout(Column);
    ColumnLayout->setContentsMargins(8, 8, 8, 8);
    ColumnLayout->setSpacing(4);
    ColumnLayout->setSizeConstraint(QLayout::SetFixedSize);
    Scroller->setWidget(Column);
    body->addWidget(Scroller, 1);
    layout->addWidget(Commands);
    layout->addLayout(body, 1);
    setFocusPolicy(Qt::StrongFocus);
}

TLayoutDesigner::~TLayoutDesigner()
{
    // The panels outlive the designer: let go of their change events.
    for (TLDesignView* view : Views)
        view->Panel().LabelChangedEvent = nullptr;
}

void TLayoutDesigner::BuildBars()
{
    ToolBar = new QToolBar(this);
    ToolBar->setOrientation(Qt::Vertical);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolGroup = new QActionGroup(this);
    for (int i = 0; i < int(Tools.size()); ++i) {
        QAction* action = ToolBar->addAction(Tools[size_t(i)].Caption);
        action->setCheckable(true);
        action->setChecked(i == 0);
        action->setToolTip(Tools[size_t(i)].Caption);
        ToolGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { SetTool(i); });
    }

    Commands = new QToolBar(this);
    GridAction = Commands->addAction(QStringLiteral("Show grid"), this, [this](bool on) { SetShowGrid(on); });
    GridAction->setCheckable(true);
    SnapAction = Commands->addAction(QStringLiteral("Snap to Grid"), this, [this](bool on) { SetSnapToGrid(on); });
    SnapAction->setCheckable(true);
    FieldNamesAction = Commands->addAction(QStringLiteral("Field names"), this,
                                           [this](bool on) { SetShowFieldNames(on); });
    FieldNamesAction->setCheckable(true);
    FieldNamesAction->setToolTip(QStringLiteral("Toggle display of field names or field values"));
    Commands->addSeparator();
    ZoomBox = new QSpinBox(Commands);
    ZoomBox->setSuffix(QStringLiteral("%"));
    ZoomBox->setSingleStep(10);
    ZoomBox->setRange(ZoomMinimum, ZoomMaximum);
    ZoomBox->setValue(Zoom);
    ZoomBox->setToolTip(QStringLiteral("Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage"));
    ZoomBox->setFocusPolicy(Qt::ClickFocus);
    connect(ZoomBox, &QSpinBox::valueChanged, this, [this](int percent) { SetZoomPercent(percent); });
    Commands->addWidget(ZoomBox);
    Commands->addSeparator();
    const std::pair<const char*, TLRecordStep> steps[] = {{"First", TLRecordStep::First},
                                                          {"Previous", TLRecordStep::Previous},
                                                          {"Next", TLRecordStep::Next},
                                                          {"Last", TLRecordStep::Last}};
    for (const auto& [caption, step] : steps)
        Commands->addAction(QString::fromLatin1(caption), this, [this, step = step] { MoveRecord(step); });
}

// ---- panels

TLDesignView* TLayoutDesigner::AddPanel(TLBasePanel& panel)
{
    auto* view = new TLDesignView(panel, *this, Column);
    Views.push_back(view);
    ColumnLayout->addWidget(view, 0, Qt::AlignLeft);
    panel.LabelChangedEvent = [this](TLBasePanel*) { PanelChanged(); };
    view->Handle().SetGridSize(panel.GridSize);
    view->Handle().SetSnapToGrid(SnapAction->isChecked());
    panel.ShowGrid = GridAction->isChecked();
    panel.SetZoom(Zoom / 100.0);
    ApplyTool(panel);
    view->Fit();
    if (!Active)
        Active = view;
    PanelsReset();
    return view;
}

void TLayoutDesigner::AddWidget(QWidget* widget) { ColumnLayout->addWidget(widget, 0, Qt::AlignLeft); }

TLBasePanel& TLayoutDesigner::Panel(int index) const { return Views.at(size_t(index))->Panel(); }

TLHandle& TLayoutDesigner::Handle(int index) const { return Views.at(size_t(index))->Handle(); }

void TLayoutDesigner::PanelsReset()
{
    std::vector<TLBasePanel*> panels;
    for (TLDesignView* view : Views) {
        view->Handle().Prune();
        view->Fit();
        panels.push_back(&view->Panel());
    }
    History.SetPanels(panels);
}

TLDesignView* TLayoutDesigner::ActiveView() const { return Active; }

void TLayoutDesigner::PanelChanged()
{
    emit Changed();
    // The frame re-fits once the current event is over, as objects may still be moving.
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void TLayoutDesigner::Refresh()
{
    for (TLDesignView* view : Views)
        view->FitToSelection();
}

// ---- tools

QStringList TLayoutDesigner::ToolCaptions() const
{
    QStringList captions;
    for (const TTool& tool : Tools)
        captions << tool.Caption;
    return captions;
}

void TLayoutDesigner::SetTool(const QString& caption)
{
    const int index = int(ToolCaptions().indexOf(caption));
    if (index >= 0)
        SetTool(index);
}

void TLayoutDesigner::SetTool(int index)
{
    if (index < 0 || index >= int(Tools.size()))
        return;
    CurrentTool = index;
    ToolGroup->actions().at(index)->setChecked(true);
    for (TLDesignView* view : Views) {
        ApplyTool(view->Panel());
        view->setCursor(index == 0 ? Qt::ArrowCursor : Qt::CrossCursor);
    }
    emit ToolChanged(index);
}

void TLayoutDesigner::ApplyTool(TLBasePanel& panel) const
{
    const int state = Tools[size_t(CurrentTool)].State;
    const bool fim = state == TLToolRow::NoState; // the envelope's FIM tool has no label state
    if (auto* envelope = dynamic_cast<TEnvelopePanel*>(&panel)) {
        envelope->FimTool = fim;
        envelope->SetPanelState(fim ? TLPanelState::psPointing : TLPanelState(state));
        if (fim)
            envelope->Pointing = false;
    } else if (auto* label = dynamic_cast<TLLabelPanel*>(&panel)) {
        label->SetPanelState(TLPanelState(std::max(state, 0)));
    } else if (auto* band = dynamic_cast<TReportPanel*>(&panel)) {
        band->SetPanelState(TRPanelState(state));
        band->DrawingAllowed = TReportPanel::ToolAllowed(TRPanelState(state), band->Kind);
    } else {
        panel.Pointing = true;
    }
}

// ---- toggles and zoom

bool TLayoutDesigner::ShowGrid() const { return GridAction->isChecked(); }

void TLayoutDesigner::SetShowGrid(bool on)
{
    GridAction->setChecked(on);
    for (TLDesignView* view : Views) {
        view->Panel().ShowGrid = on;
        view->update();
    }
}

bool TLayoutDesigner::SnapToGrid() const { return SnapAction->isChecked(); }

void TLayoutDesigner::SetSnapToGrid(bool on)
{
    SnapAction->setChecked(on);
    for (TLDesignView* view : Views) {
        view->Panel().SnapToGrid = on;
        view->Handle().SetSnapToGrid(on);
    }
}

void TLayoutDesigner::SetGridSize(TGridSize size)
{
    for (TLDesignView* view : Views) {
        view->Panel().GridSize = size;
        view->Handle().SetGridSize(size);
        view->update();
    }
}

void TLayoutDesigner::SetShowFieldNames(bool on)
{
    FieldNamesAction->setChecked(on);
    for (TLDesignView* view : Views) {
        if (auto* data = dynamic_cast<TLDataPanel*>(&view->Panel()))
            data->SetDisplayDataValues(!on);
        view->update();
    }
    History.Rebase();
}

void TLayoutDesigner::SetZoomRange(int minimumPercent, int maximumPercent)
{
    ZoomMinimum = minimumPercent;
    ZoomMaximum = std::max(minimumPercent, maximumPercent);
    const QSignalBlocker block(ZoomBox);
    ZoomBox->setRange(ZoomMinimum, ZoomMaximum);
    SetZoomPercent(std::clamp(Zoom, ZoomMinimum, ZoomMaximum));
}

void TLayoutDesigner::SetZoomPercent(int percent)
{
    percent = std::clamp(percent, ZoomMinimum, ZoomMaximum);
    {
        const QSignalBlocker block(ZoomBox);
        ZoomBox->setValue(percent);
    }
    if (percent == Zoom)
        return;
    Zoom = percent;
    for (TLDesignView* view : Views) {
        view->Handle().ClearSelection();
        view->SetZoom(percent / 100.0);
        view->Fit();
    }
    emit SelectionChanged();
    emit ZoomChanged(percent);
}

int TLayoutDesigner::ZoomToFitWindow() const
{
    if (Views.empty())
        return Zoom;
    const QSize shown = Views.front()->sizeHint();
    const QMargins margins = ColumnLayout->contentsMargins();
    const QSize room = Scroller->viewport()->size() - QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (shown.isEmpty() || room.isEmpty())
        return Zoom;
    const double scale = std::min(double(room.width()) / shown.width(), double(room.height()) / shown.height());
    int percent = int(std::floor(Zoom * scale / 10.0)) * 10;
    percent = std::min(percent, 100);
    return std::clamp(percent, ZoomMinimum, std::max(ZoomMinimum, std::min(ZoomMaximum, 100)));
}

void TLayoutDesigner::ZoomIn()
{
    if (Zoom + 10 <= ZoomMaximum)
        SetZoomPercent(Zoom + 10);
}

void TLayoutDesigner::ZoomOut()
{
    if (Zoom - 10 >= ZoomMinimum)
        SetZoomPercent(Zoom - 10);
}

QString TLayoutDesigner::ZoomCaption() const { return QString::number(Zoom) + QLatin1Char('%'); }

// ---- records

void TLayoutDesigner::MoveRecord(TLRecordStep step)
{
    if (!RecordMover || !RecordMover(step))
        return;
    for (TLDesignView* view : Views) {
        TLBasePanel& panel = view->Panel();
        panel.RefreshData();
        if (step == TLRecordStep::First)
            panel.ResetCounters();
        else
            panel.AdvanceCounters();
        view->update();
    }
    // New record texts are not an edit.
    History.Rebase();
}

bool TLayoutDesigner::DesignerKey(int key, Qt::KeyboardModifiers modifiers)
{
    QScrollBar* bar = Scroller->verticalScrollBar();
    switch (key) {
    case Qt::Key_PageUp: bar->setValue(bar->value() - bar->pageStep()); return true;
    case Qt::Key_PageDown: bar->setValue(bar->value() + bar->pageStep()); return true;
    case Qt::Key_Home: bar->setValue(bar->minimum()); return true;
    case Qt::Key_End: bar->setValue(bar->maximum()); return true;
    case Qt::Key_Plus:
        if (modifiers & Qt::KeypadModifier) { ZoomIn(); return true; }
        return false;
    case Qt::Key_Minus:
        if (modifiers & Qt::KeypadModifier) { ZoomOut(); return true; }
        return false;
    default: return false;
    }
}

void TLayoutDesigner::keyPressEvent(QKeyEvent* event)
{
    if (DesignerKey(event->key(), event->modifiers()))
        return;
    // Every other key goes to the panel, unless it came from there.
    if (Active && !ForwardingKey && !Active->hasFocus() && event->key() != Qt::Key_Tab) {
        const QScopedValueRollback guard(ForwardingKey, true);
        QApplication::sendEvent(Active, event);
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- drawing

void TLayoutDesigner::DropOn(TLDesignView& view, const QRect& rect)
{
    TLBasePanel& panel = view.Panel();
    Active = &view;
    if (auto* band = dynamic_cast<TReportPanel*>(&panel)) {
        if (!band->DrawingAllowed) {
            QApplication::beep();
            return;
        }
        if (const QString refusal = band->Refusal(); !refusal.isEmpty()) {
            QApplication::beep();
            TUserPrompts::Current().Information(refusal);
            return;
        }
    }
    // The host's event comes after the set-up, once the object is what the user made it.
    auto hostEvent = std::exchange(panel.DroppedObjectEvent, nullptr);
    const size_t before = panel.Objects().size();
    panel.DropObject(rect);
    panel.DroppedObjectEvent = hostEvent;
    if (panel.Objects().size() > before) {
        TLGraphicControl* object = panel.Objects().back().get();
        if (Editing && !Editing->SetUpNewObject(panel, *object, this)) {
            view.Handle().Unselect(object);
            panel.Remove(object);
            panel.NotifyChanged();
        } else if (Editing) {
            SettleNewObject(panel, *object);
        }
    }
    Commit();
    if (hostEvent)
        hostEvent(rect);
    emit ObjectDropped(&panel, rect);
    if (ReturnToSelectionAfterDrop)
        SetTool(0);
    view.update();
}

void TLayoutDesigner::SettleNewObject(TLBasePanel& panel, TLGraphicControl& object)
{
    // The set-up may have changed the text or the field: fill and size the object again.
    panel.RefreshData();
    if (auto* label = dynamic_cast<TLBaseLabel*>(&object); label && !dynamic_cast<TLSymbolLabel*>(&object))
        label->SizeToText();
    if (auto* lines = dynamic_cast<TLMultiLineBaseLabel*>(&object))
        lines->Rewrap();
}

// ---- editing

void TLayoutDesigner::Commit()
{
    History.Commit();
    Refresh();
}

void TLayoutDesigner::Undo()
{
    for (TLDesignView* view : Views)
        view->Handle().ClearSelection();
    History.Undo();
    Refresh();
    emit SelectionChanged();
}

void TLayoutDesigner::Redo()
{
    for (TLDesignView* view : Views)
        view->Handle().ClearSelection();
    History.Redo();
    Refresh();
    emit SelectionChanged();
}

void TLayoutDesigner::ClipboardCommand(TLDesignView& view, TLClipboardAction action, TLGraphicControl* target)
{
    try {
        TLPanelEditing::ClipboardAction(view.Handle(), action, target);
    } catch (const TLStreamError& error) {
        TUserPrompts::Current().Information(QString::fromStdString(error.what()));
    }
    Commit();
    view.SelectionUpdated();
}

QMenu* TLayoutDesigner::Popup(QMenu* menu, QPoint where)
{
    if (Menu)
        Menu->close();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever an entry changed becomes one undo step once it has run (dialogs included).
    connect(menu, &QMenu::triggered, this, [this] { Commit(); emit SelectionChanged(); });
    Menu = menu;
    menu->popup(where);
    return menu;
}

QMenu* TLayoutDesigner::OpenPanelMenu(TLDesignView& view, QPoint where)
{
    Active = &view;
    TLHandle& handle = view.Handle();
    TLBasePanel& panel = view.Panel();
    const bool selection = handle.Visible();
    const bool objects = !panel.Objects().empty();
    auto* menu = new QMenu(this);
    TLDesignView* v = &view;
    auto add = [&](const QString& caption, bool enabled, auto action) {
        QAction* entry = menu->addAction(caption, this, [v, action] {
            action();
            v->SelectionUpdated();
        });
        entry->setEnabled(enabled);
    };
    add(QStringLiteral("Undo"), CanUndo() || History.Commit(), [this] { Undo(); });
    add(QStringLiteral("Redo"), CanRedo(), [this] { Redo(); });
    menu->addSeparator();
    add(QStringLiteral("Bring To Front"), selection, [v] { TLPanelEditing::BringToFront(v->Handle()); });
    add(QStringLiteral("Send To Back"), selection, [v] { TLPanelEditing::SendToBack(v->Handle()); });
    menu->addSeparator();
    add(QStringLiteral("Cut"), selection, [this, v] { ClipboardCommand(*v, TLClipboardAction::Cut); });
    add(QStringLiteral("Copy"), selection, [this, v] { ClipboardCommand(*v, TLClipboardAction::Copy); });
    add(QStringLiteral("Paste"), TLPanelEditing::ClipboardHasContent(),
        [this, v] { ClipboardCommand(*v, TLClipboardAction::Paste); });
    menu->addSeparator();
    add(QStringLiteral("Delete"), selection, [this, v] { ClipboardCommand(*v, TLClipboardAction::Delete); });
    menu->addSeparator();
    add(QStringLiteral("Align Left"), selection, [v] { TLPanelEditing::AlignLefts(v->Handle()); });
    add(QStringLiteral("Align Right"), selection, [v] { TLPanelEditing::AlignRights(v->Handle()); });
    add(QStringLiteral("Align Tops"), selection, [v] { TLPanelEditing::AlignTops(v->Handle()); });
    add(QStringLiteral("Align Bottoms"), selection, [v] { TLPanelEditing::AlignBottoms(v->Handle()); });
    menu->addSeparator();
    add(QStringLiteral("Center Vertically"), selection, [v] {
        for (TLGraphicControl* object : v->Handle().Selection())
            TLPanelEditing::CenterVertically(*object);
    });
    add(QStringLiteral("Center Horizontally"), selection, [v] {
        for (TLGraphicControl* object : v->Handle().Selection())
            TLPanelEditing::CenterHorizontally(*object);
    });
    menu->addSeparator();
    add(QStringLiteral("Lock All"), objects, [v] { TLPanelEditing::LockAll(v->Panel(), true); });
    add(QStringLiteral("Unlock All"), objects, [v] { TLPanelEditing::LockAll(v->Panel(), false); });
    menu->addSeparator();
    add(QStringLiteral("Mark All Selectable"), true, [v] { TLPanelEditing::MarkAllSelectable(v->Handle(), true); });
    add(QStringLiteral("Mark All Unselectable"), true, [v] { TLPanelEditing::MarkAllSelectable(v->Handle(), false); });
    add(QStringLiteral("Select All"), true, [v] { TLPanelEditing::SelectAll(v->Handle()); });
    menu->addSeparator();
    add(QStringLiteral("Font"), selection, [this, v] { ChooseFont(*v); });
    return Popup(menu, where);
}

void TLayoutDesigner::ChooseFont(TLDesignView& view)
{
    const std::optional<QFont> font = TUserPrompts::Current().ChooseFont(PanelFontOf(view.Panel()).DialogFont());
    if (font)
        TLPanelEditing::ApplyFont(view.Handle(), TLFont::FromQFont(*font, PanelFontOf(view.Panel()).Color));
}

QMenu* TLayoutDesigner::OpenObjectMenu(TLDesignView& view, TLGraphicControl& object, QPoint where)
{
    Active = &view;
    auto* menu = new QMenu(this);
    AddCommonObjectEntries(*menu, view, object);
    if (Editing) {
        object.PopupOpening();
        Editing->AddClassEntries(*menu, view.Panel(), object, this);
    }
    return Popup(menu, where);
}

void TLayoutDesigner::AddCommonObjectEntries(QMenu& menu, TLDesignView& view, TLGraphicControl& object)
{
    TLDesignView* v = &view;
    TLGraphicControl* o = &object;
    auto add = [&](const QString& caption, auto action) {
        return menu.addAction(caption, this, [v, action] {
            action();
            v->SelectionUpdated();
        });
    };
    add(QStringLiteral("Bring To Front"), [v, o] { TLPanelEditing::BringToFront(v->Handle(), o); });
    add(QStringLiteral("Send To Back"), [v, o] { TLPanelEditing::SendToBack(v->Handle(), o); });
    add(QStringLiteral("Cut"), [this, v, o] { ClipboardCommand(*v, TLClipboardAction::Cut, o); });
    add(QStringLiteral("Copy"), [this, v, o] { ClipboardCommand(*v, TLClipboardAction::Copy, o); });
    add(QStringLiteral("Delete"), [this, v, o] { ClipboardCommand(*v, TLClipboardAction::Delete, o); });
    add(QStringLiteral("Clone"), [v, o] { TLPanelEditing::Clone(v->Handle(), *o); });
    menu.addSeparator();
    QAction* locked = add(QStringLiteral("Locked"), [o] {
        o->Locked = !o->Locked;
        o->NotifyChanged();
    });
    locked->setCheckable(true);
    locked->setChecked(object.Locked);
    add(QStringLiteral("Unselectable"), [v, o] {
        o->Unselectable = true;
        v->Handle().Unselect(o);
        o->NotifyChanged();
    });
    menu.addSeparator();
    add(QStringLiteral("Center Vertically"), [o] { TLPanelEditing::CenterVertically(*o); });
    add(QStringLiteral("Center Horizontally"), [o] { TLPanelEditing::CenterHorizontally(*o); });
}
