// How the result grids of the list tools are laid out for reading at a glance: each column as
// wide as its content (within a limit, so one long street does not push the rest away), the
// columns a tool is about moved up front, and the window widened to show them on the screen.
#pragma once

#include <QStringList>

class QDialog;
class QTableView;
class TToolGridModel;

class TToolGridSizing {
public:
    static constexpr int WidestColumn = 220;

    // Sizes every column to its caption and content, at most WidestColumn pixels.
    static void FitColumns(QTableView& grid);
    // Moves the columns of `fields` (in that order) to the visual places after the first.
    static void BringForward(QTableView& grid, const TToolGridModel& model, const QStringList& fields);
    // Widens `window` (never beyond the available screen) so that the grid's columns show
    // without scrolling where they can, and gives it at least `minimumHeight`.
    static void WidenFor(QDialog& window, const QTableView& grid, int minimumHeight);
};
