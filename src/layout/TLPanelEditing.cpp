#include "TLPanelEditing.h"

#include "TLLabelObjectFiler.h"

#include "settings/TProgramFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

QString& ClipboardName()
{
    static QString name;
    return name;
}

// Removes the clipboard file when the program ends (not when a panel is freed).
void RemoveClipboardAtExit()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    qAddPostRoutine([] {
        if (!ClipboardName().isEmpty())
            QFile::remove(ClipboardName());
    });
}

} // namespace

QString TLPanelEditing::ClipboardFile()
{
    if (ClipboardName().isEmpty())
        ClipboardName() = TProgramFolder::Path() + QStringLiteral("Clipbrd.tmp");
    RemoveClipboardAtExit();
    return ClipboardName();
}

void TLPanelEditing::SetClipboardFile(const QString& fileName) { ClipboardName() = fileName; }

bool TLPanelEditing::ClipboardHasContent() { return QFile::exists(ClipboardFile()); }

std::vector<TLGraphicControl*> TLPanelEditing::Targets(const TLHandle& handle, TLGraphicControl* target)
{
    if (target && !handle.IsSelected(target))
        return {target};
    return handle.Selection();
}

bool TLPanelEditing::ClipboardAction(TLHandle& handle, TLClipboardAction action, TLGraphicControl* target)
{
    TLBasePanel& panel = handle.Panel();
    if (action == TLClipboardAction::Paste) {
        const qint64 now = TLHandle::Clock()();
        // Repeated paste keystrokes within a second paste once.
        if (now - handle.LastPaste < 1000 || !ClipboardHasContent())
            return false;
        TLLabelObjectFiler().ReadShifted(panel, ClipboardFile());
        panel.WireObjects();
        panel.RefreshData();
        panel.NotifyChanged();
        handle.LastPaste = now;
        return true;
    }
    const std::vector<TLGraphicControl*> objects = Targets(handle, target);
    if (objects.empty())
        return false;
    if (action == TLClipboardAction::Copy || action == TLClipboardAction::Cut)
        TLLabelObjectFiler().WriteSelection({objects.begin(), objects.end()}, ClipboardFile());
    if (action == TLClipboardAction::Cut || action == TLClipboardAction::Delete) {
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            handle.Unselect(*it);
            panel.Remove(*it);
        }
        panel.NotifyChanged();
    }
    return true;
}

void TLPanelEditing::BringToFront(TLHandle& handle, TLGraphicControl* target)
{
    const std::vector<TLGraphicControl*> objects = target ? std::vector{target} : handle.Selection();
    for (TLGraphicControl* object : objects)
        handle.Panel().BringToFront(object);
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::SendToBack(TLHandle& handle, TLGraphicControl* target)
{
    const std::vector<TLGraphicControl*> objects = target ? std::vector{target} : handle.Selection();
    // Backwards, so the selection keeps its own order at the back.
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        handle.Panel().SendToBack(*it);
    handle.ClearSelection();
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::AlignLefts(TLHandle& handle)
{
    const int left = handle.SelectionBox().left();
    for (TLGraphicControl* object : handle.Selection())
        object->SetLeft(left);
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::AlignRights(TLHandle& handle)
{
    const QRect box = handle.SelectionBox();
    for (TLGraphicControl* object : handle.Selection())
        object->SetLeft(box.left() + box.width() - object->Width());
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::AlignTops(TLHandle& handle)
{
    const int top = handle.SelectionBox().top();
    for (TLGraphicControl* object : handle.Selection())
        object->SetTop(top);
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::AlignBottoms(TLHandle& handle)
{
    const QRect box = handle.SelectionBox();
    for (TLGraphicControl* object : handle.Selection())
        object->SetTop(box.top() + box.height() - object->Height());
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::CenterVertically(TLGraphicControl& object)
{
    if (!object.Panel())
        return;
    object.SetTop(object.Panel()->Height / 2 - object.Height() / 2);
    object.NotifyChanged();
}

void TLPanelEditing::CenterHorizontally(TLGraphicControl& object)
{
    if (!object.Panel())
        return;
    object.SetLeft(object.Panel()->Width / 2 - object.Width() / 2);
    object.NotifyChanged();
}

void TLPanelEditing::LockAll(TLBasePanel& panel, bool locked)
{
    for (const auto& object : panel.Objects())
        object->Locked = locked;
    panel.NotifyChanged();
}

void TLPanelEditing::MarkAllSelectable(TLHandle& handle, bool selectable)
{
    for (const auto& object : handle.Panel().Objects()) {
        object->Unselectable = !selectable;
        if (!selectable)
            handle.Unselect(object.get());
    }
    handle.Panel().NotifyChanged();
}

void TLPanelEditing::SelectAll(TLHandle& handle)
{
    handle.ClearSelection();
    for (const auto& object : handle.Panel().Objects())
        handle.Select(object.get());
}

void TLPanelEditing::ApplyFont(TLHandle& handle, const TLFont& font)
{
    for (TLGraphicControl* object : handle.Selection())
        object->ApplyFont(font);
    handle.Panel().NotifyChanged();
}

TLGraphicControl* TLPanelEditing::Clone(TLHandle& handle, TLGraphicControl& object)
{
    TLBasePanel& panel = handle.Panel();
    TLGraphicControl* copy = TLLabelObjectFiler::CloneObject(object, panel);
    if (!copy)
        return nullptr;
    copy->SetTop(object.Top() + 25);
    panel.BringToFront(copy);
    panel.RefreshData();
    if (handle.IsSelected(&object)) {
        handle.Unselect(&object);
        handle.Select(copy);
    }
    panel.WireObjects();
    panel.NotifyChanged();
    return copy;
}
