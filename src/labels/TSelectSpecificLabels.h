// "Labels Print": the options a label run starts with. A picture of the sheet at one fifth of
// its real size shows every position filled red (printed) or white (left blank); a click flips
// a position, "&All" and "&None" set or clear them all. Also the printer and "Number of each
// label to print" (1..99, hidden when presorting: the presort order gives one label a record).
// Ok with no position set says "You must select at least one card to print" and stays open.
#pragma once

#include "TLabelPositionMask.h"
#include "TLabelStock.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The sheet picture: positions as rectangles at the screen's pixels per inch x 0.2.
class TLabelSheetPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int Inset = 10;
    TLabelSheetPicture(const TLabelStock& stock, TLabelPositionMask& mask, QWidget* parent = nullptr);

    double PixelsPerInch() const;
    // Each position's rectangle in the picture's pixels, each term truncated to whole pixels.
    QRect PositionRect(int position) const;
    // The position under a point, -1 for none.
    int PositionAt(QPoint point) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TLabelStock& Stock;
    TLabelPositionMask& Mask;
};

class TSelectSpecificLabels : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* NoneSelectedMessage = "You must select at least one card to print";

    // `mask` is edited in place only when the dialog ends with Ok.
    TSelectSpecificLabels(const TLabelStock& stock, const TLabelPositionMask& mask, const QStringList& printers,
                          const QString& printer, bool presort, QWidget* parent = nullptr);

    TLabelPositionMask Mask() const { return Edited; }
    QString Printer() const;
    int LabelsPerRecord() const;

    void AllButtonClick();
    void NoneButtonClick();
    // Ok: refuses an empty mask, else accepts.
    void OkButtonClick();

    TLabelSheetPicture* Picture = nullptr;
    QComboBox* PrinterChoice = nullptr;
    QSpinBox* CountEdit = nullptr;
    QLabel* CountLabel = nullptr;

private:
    TLabelStock Stock;
    TLabelPositionMask Edited;
};
