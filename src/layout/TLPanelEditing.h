// The editing commands of a design panel and its selection frame: the layout clipboard (the
// file "Clipbrd.tmp" in the program folder), z-order, alignment, centring, locking,
// selectability, Select All, the selection's font and cloning. Plain model code: the designer's
// menus and keys call these, and so do tests.
//
// The clipboard file outlives every panel: print runs and thumbnails free hidden panels, and a
// copy must survive them, so it is removed only when the program ends.
#pragma once

#include "TLHandle.h"

struct TLFont;

enum class TLClipboardAction { Cut, Copy, Paste, Delete };

class TLPanelEditing {
public:
    // The clipboard file; the program folder's "Clipbrd.tmp" unless a test set another.
    static QString ClipboardFile();
    static void SetClipboardFile(const QString& fileName);
    static bool ClipboardHasContent();

    // On the selection, or with `target` (an object's own menu) on that object alone when it
    // is not selected. Paste ignores `target`; a paste within 1000 ms of the last is ignored.
    // Returns false when nothing happened. Throws TLStreamError when the file cannot be
    // written or read.
    static bool ClipboardAction(TLHandle& handle, TLClipboardAction action, TLGraphicControl* target = nullptr);

    static void BringToFront(TLHandle& handle, TLGraphicControl* target = nullptr);
    // Sends the selection (or `target`) to the back and clears the selection.
    static void SendToBack(TLHandle& handle, TLGraphicControl* target = nullptr);

    static void AlignLefts(TLHandle& handle);
    static void AlignRights(TLHandle& handle);
    static void AlignTops(TLHandle& handle);
    static void AlignBottoms(TLHandle& handle);
    static void CenterVertically(TLGraphicControl& object);
    static void CenterHorizontally(TLGraphicControl& object);

    static void LockAll(TLBasePanel& panel, bool locked);
    // Sets or clears Unselectable on every object; marking them unselectable also unselects them.
    static void MarkAllSelectable(TLHandle& handle, bool selectable);
    static void SelectAll(TLHandle& handle);
    static void ApplyFont(TLHandle& handle, const TLFont& font);
    // A copy 25 pixels below `object`, in front; the selection moves to it when `object` was
    // selected. Returns the copy.
    static TLGraphicControl* Clone(TLHandle& handle, TLGraphicControl& object);

private:
    static std::vector<TLGraphicControl*> Targets(const TLHandle& handle, TLGraphicControl* target);
};
