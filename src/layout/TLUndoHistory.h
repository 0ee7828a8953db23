// Undo and redo for a designer: the layout of all its panels kept as layout-stream snapshots in
// memory. The designer commits after every editing command; a commit that finds the layout
// changed since the last one makes the previous state an undo step. Things that change the
// stored bytes without being edits (stepping through records refills data texts) rebase
// instead, so they never become steps.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <deque>
#include <vector>

class TLBasePanel;

class TLUndoHistory {
public:
    static constexpr int Depth = 50;

    void SetPanels(std::vector<TLBasePanel*> panels);
    // Records an undo step when the layout differs from the last commit; true if it did.
    bool Commit();
    // Takes the current layout as the state of the last commit without recording a step.
    void Rebase();
    void Clear();
    bool CanUndo() const { return !UndoSteps.empty(); }
    bool CanRedo() const { return !RedoSteps.empty(); }
    // Put the panels back to the previous or the next state (the caller clears selections
    // first). False when there is nothing to undo or redo.
    bool Undo();
    bool Redo();

private:
    struct TState {
        std::vector<QByteArray> Lists; // one object list per panel
        std::vector<QStringList> Names; // the objects' names, which reading would renumber
        bool operator==(const TState& other) const { return Lists == other.Lists; }
    };
    TState Take() const;
    void Restore(const TState& state);

    std::vector<TLBasePanel*> Panels;
    TState Current;
    std::deque<TState> UndoSteps;
    std::vector<TState> RedoSteps;
};
