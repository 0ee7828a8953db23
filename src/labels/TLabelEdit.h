// "User Defined Label Layout": the stock's sizes typed by hand, in inches or millimetres, with
// the paper presets and the pitch that follows a wider or taller label. Ok checks the rules in
// their order; the first broken one is shown and nothing of the stock changes until all pass.
#pragma once

#include "TLabelStockRules.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class TLabelEdit : public QDialog {
    Q_OBJECT
public:
    // The eight lengths in the order of the form.
    enum TLength { lnLabelWidth, lnLabelHeight, lnHorizontalPitch, lnVerticalPitch, lnLeftMargin, lnTopMargin,
                   lnPaperWidth, lnPaperHeight, lnCount };

    explicit TLabelEdit(const TLabelStock& stock, QWidget* parent = nullptr);
    // Shows the dialog centred over `parent`; on Ok the stock takes the values.
    static bool Edit(TLabelStock& stock, QWidget* parent);

    const TLabelStock& Stock() const { return Result; }
    TLabelEntry Entry() const;

    QLineEdit* LengthEdit(TLength length) const { return Lengths[size_t(length)]; }
    QSpinBox* AcrossBox() const { return Across; }
    QSpinBox* DownBox() const { return Down; }
    QComboBox* PaperSizeBox() const { return PaperSize; }
    QComboBox* ShapeBox() const { return Shape; }
    QRadioButton* InchesButton() const { return Inches; }
    QRadioButton* MillimetresButton() const { return Millimetres; }

    void PaperSizeChange(int index);
    void LabelWidthExit();
    void LabelHeightExit();
    void UnitChange();
    void OkButtonClick();

private:
    double Value(TLength length) const;
    void Show(TLength length, double value);

    TLabelStock Result;
    TLengthUnit Unit = TLengthUnit::luInches;
    std::array<QLineEdit*, lnCount> Lengths{};
    QSpinBox* Across;
    QSpinBox* Down;
    QComboBox* PaperSize;
    QComboBox* Shape;
    QRadioButton* Inches;
    QRadioButton* Millimetres;
};
