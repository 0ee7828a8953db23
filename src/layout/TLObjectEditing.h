// What the designer asks of the object dialogs and menus, so the designer component
// (TLayoutDesigner: selection frame, panel menu, the object menu's common entries, undo) and the
// dialogs of each object class (TLStandardObjectEditing) stay apart. A designer without an
// editing service (tests, thumbnails) draws objects with their defaults and shows only the
// common entries.
//
// The designer snapshots the layout before it calls in here and records one undo step when the
// layout changed afterwards, so implementations just change the object and need not report it.
#pragma once

class QMenu;
class QWidget;
class TLBasePanel;
class TLGraphicControl;

class TLObjectEditing {
public:
    virtual ~TLObjectEditing() = default;

    // The set-up step of an object just drawn on `panel` (the text editor of a text, "Select
    // Field" of a field, the counter, symbol and picture dialogs, ...). Returns false when the
    // user cancelled a step without which the object makes no sense; the designer then removes
    // the object again.
    virtual bool SetUpNewObject(TLBasePanel& panel, TLGraphicControl& object, QWidget* parent) = 0;

    // Appends the object class's own entries to `menu`, after the common ones, with their ticks
    // and enabling set as the menu opens. The entries act on `object` when they run.
    virtual void AddClassEntries(QMenu& menu, TLBasePanel& panel, TLGraphicControl& object,
                                 QWidget* parent) = 0;
};
