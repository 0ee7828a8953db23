// What the two match windows share: the grid "Field Match" with one row per address field an
// import can fill ("Quorvane Field") and the source column or field that fills it, the menu of
// "&Select Field" (also on a double click or a right click), "&Clear Current", "Clear &All",
// "Ok" and "Cancel". Above the grid each window shows its source (the sample lines of a text
// file, the records of a DBF table).
//
// The window edits a copy of the match; Match() gives it back after "Ok".
#pragma once

#include "TImportMatch.h"

#include <QDialog>

class QBoxLayout;
class QMenu;
class QPushButton;
class QTableWidget;

class TMatchFieldsForm : public QDialog {
    Q_OBJECT
public:
    TMatchFieldsForm(QWidget* parent, const QString& title, const TImportMatch& match, const QString& fileName);

    const TImportMatch& Match() const { return Edited; }

    QTableWidget* FieldMatchGrid = nullptr;
    QPushButton* SelectFieldButton = nullptr;
    QPushButton* ClearCurrentButton = nullptr;
    QPushButton* ClearAllButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The menu of "&Select Field" for the current row: "(none)" and the sources that may fill it.
    QMenu* FieldMenu();
    void SelectFieldClick();
    void ClearCurrentClick();
    void ClearAllClick();
    // Puts a source in the current row (-1: none), as choosing it from the menu does.
    void ChooseSource(int source);

protected:
    // The source's own panel goes here, above the grid.
    QBoxLayout* SourceArea() { return Source; }

private:
    void ShowRows();

    TImportMatch Edited;
    QBoxLayout* Source = nullptr;
    QMenu* Menu = nullptr;
};
