#include "TLUndoHistory.h"

#include "TLBasePanel.h"
#include "TLLabelObjectFiler.h"
#include "TLStreamReader.h"

void TLUndoHistory::SetPanels(std::vector<TLBasePanel*> panels)
{
    Panels = std::move(panels);
    Clear();
}

void TLUndoHistory::Clear()
{
    UndoSteps.clear();
    RedoSteps.clear();
    Current = Take();
}

TLUndoHistory::TState TLUndoHistory::Take() const
{
    TState state;
    for (const TLBasePanel* panel : Panels) {
        const std::vector<const TLGraphicControl*> objects = TLLabelObjectFiler::ObjectsOf(*panel);
        state.Lists.push_back(TLLabelObjectFiler::ObjectListBytes(objects));
        QStringList names;
        for (const TLGraphicControl* object : objects)
            names << object->Name;
        state.Names.push_back(names);
    }
    return state;
}

bool TLUndoHistory::Commit()
{
    TState now = Take();
    if (now == Current)
        return false;
    UndoSteps.push_back(std::move(Current));
    if (int(UndoSteps.size()) > Depth)
        UndoSteps.pop_front();
    RedoSteps.clear();
    Current = std::move(now);
    return true;
}

void TLUndoHistory::Rebase() { Current = Take(); }

bool TLUndoHistory::Undo()
{
    // An edit not yet committed is an undo step of its own.
    Commit();
    if (UndoSteps.empty())
        return false;
    RedoSteps.push_back(std::move(Current));
    Current = std::move(UndoSteps.back());
    UndoSteps.pop_back();
    Restore(Current);
    return true;
}

bool TLUndoHistory::Redo()
{
    if (RedoSteps.empty())
        return false;
    UndoSteps.push_back(std::move(Current));
    Current = std::move(RedoSteps.back());
    RedoSteps.pop_back();
    Restore(Current);
    return true;
}

void TLUndoHistory::Restore(const TState& state)
{
    for (TLBasePanel* panel : Panels)
        panel->DeleteAllObjects();
    std::vector<std::vector<TLGraphicControl*>> read;
    for (size_t i = 0; i < Panels.size(); ++i) {
        TLStreamReader reader(state.Lists[i]);
        read.push_back(TLLabelObjectFiler().ReadObjectList(reader, *Panels[i]));
    }
    // Names last: all the stored names are free once every panel has been read.
    for (size_t i = 0; i < Panels.size(); ++i) {
        for (size_t j = 0; j < read[i].size() && j < size_t(state.Names[i].size()); ++j)
            read[i][j]->Name = state.Names[i][int(j)];
        Panels[i]->WireObjects();
        Panels[i]->RefreshData();
        Panels[i]->NotifyChanged();
    }
}
