// The question every designer asks when it is cancelled or closed with unsaved work: "Save
// changes?" in a Yes/No/Cancel box titled "Save". Yes saves (the designer's own Save, which
// closes it when the save succeeds), No lets the work go, Cancel keeps the designer open.
#pragma once

#include <functional>

class TSaveChangesQuestion {
public:
    static constexpr const char* Caption = "Save";
    static constexpr const char* Text = "Save changes?";

    // True when the designer may close without saving: nothing is unsaved, or the user said No.
    // On Yes runs `save` and returns false (the save closes the window itself, or leaves it
    // open with its message when it fails); on Cancel returns false.
    static bool MayDiscard(bool unsaved, const std::function<void()>& save);
};
