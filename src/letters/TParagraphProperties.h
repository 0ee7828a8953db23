// The paragraph settings dialog ("Paragraph Properties"): first, left and right indents in
// inches or centimetres ("Inch"/"Cm"), the first line "Same as Left Indent" or "Indented by",
// and the spacing before, after and the line height in points. Values are kept in twips:
// inches x 1440, centimetres x 566.929, points x 20, each truncated.
#pragma once

#include "richtext/TRichFormats.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

class TParagraphProperties : public QDialog {
    Q_OBJECT
public:
    enum class TUnit { Inch, Cm };
    static constexpr double TwipsPerCm = 566.929;

    static int ToTwips(double value, TUnit unit);
    static int PointsToTwips(double points);
    static QString Shown(int twips, TUnit unit); // two decimals

    explicit TParagraphProperties(const TParagraphSettings& settings, QWidget* parent = nullptr);
    // The settings as the dialog's fields give them.
    TParagraphSettings Settings() const;
    void SetUnit(TUnit unit);

    QComboBox* UnitBox;
    QRadioButton* SameAsLeftButton;
    QRadioButton* IndentedByButton;
    QLineEdit* FirstIndentEdit;
    QLineEdit* LeftIndentEdit;
    QLineEdit* RightIndentEdit;
    QLineEdit* SpaceBeforeEdit;
    QLineEdit* SpaceAfterEdit;
    QLineEdit* LineHeightEdit;

private:
    void ReadFields();
    void ShowFields();

    TParagraphSettings Values;
    TUnit Unit = TUnit::Inch;
};
