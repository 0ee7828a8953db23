// The "Address Browse" window: a read-only grid of the shown fields of the address view over the
// main window's record set and order, with the column order kept in FIELDS.LST, record buttons,
// and "&Tag" (or a double click) to tag or untag the selected record.
//
// Contract: the table is open and not being edited; the caller installed the record set's
// condition and order. On closing the table stands on the selected row's record.
#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableView;
class QToolButton;
class TAddressBrowseModel;
class TAddressFilter;
class TAddressTable;

class TAddressBrowseForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 780;
    static constexpr int DesignHeight = 440;

    // `fieldOrder`: every view field in the order FIELDS.LST gave them. `filter`, the main
    // window's, is applied again when tagging empties the record set (untagging the last match
    // of a Tagged filter), as the main window's own tag toggle does.
    TAddressBrowseForm(TAddressTable& table, const QStringList& fieldOrder, QWidget* parent = nullptr,
                       TAddressFilter* filter = nullptr);

    // Reads FIELDS.LST, shows the window modally, and writes the column order back. An engine
    // error while laying out the rows is thrown before the window shows.
    static void Execute(QWidget* parent, TAddressTable& table, TAddressFilter* filter = nullptr);
    // The design size, scaled above 96 pixels per inch by (pixels per inch / 96) x 0.95.
    static QSize ScaledDesignSize(int pixelsPerInch);

    // Every view field in its order now, the grid's column moves included.
    QStringList FieldOrder() const;
    int SelectedRow() const;
    void SelectRow(int row);
    TAddressBrowseModel& Model() { return *BrowseModel; }

    QTableView* Grid = nullptr;
    QToolButton* FirstButton = nullptr;
    QToolButton* PriorButton = nullptr;
    QToolButton* NextButton = nullptr;
    QToolButton* LastButton = nullptr;
    QPushButton* TagButton = nullptr;
    QPushButton* OkButton = nullptr;

public slots:
    void FirstClick();
    void PriorClick();
    void NextClick();
    void LastClick();
    void TagClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // A click on a "Tagged" cell, and Space on a row, toggle its tag as "Tag" does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* NavigatorButton(const QString& name, int icon, const QString& hint, void (TAddressBrowseForm::*handler)());
    void SizeColumns();

    TAddressTable& Table;
    TAddressFilter* Filter;
    QStringList Order;
    TAddressBrowseModel* BrowseModel = nullptr;
    bool PlacementLoaded = false;
};
