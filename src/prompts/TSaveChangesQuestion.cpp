#include "TSaveChangesQuestion.h"

#include "TUserPrompts.h"

bool TSaveChangesQuestion::MayDiscard(bool unsaved, const std::function<void()>& save)
{
    if (!unsaved)
        return true;
    switch (TUserPrompts::Current().YesNoCancel(QLatin1String(Caption), QLatin1String(Text))) {
    case TYesNoCancel::yncNo: return true;
    case TYesNoCancel::yncYes: save(); return false;
    case TYesNoCancel::yncCancel: return false;
    }
    return false;
}
