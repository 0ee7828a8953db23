// "Text 3D Effects": shadow and highlight of a single-line text (direction, depth 0..10, colour)
// and its font colour, edited on a sample of the object's text that is drawn as it changes.
// The object takes them on "Ok" only.
#pragma once

#include "TLPLabel.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;
class QWidget;

class TLFont3DEffects : public QDialog {
    Q_OBJECT
public:
    explicit TLFont3DEffects(const TLBaseLabel& label, QWidget* parent = nullptr);
    void ApplyTo(TLBaseLabel& label) const;

    const TLPLabel& Sample() const { return SampleText; }
    QComboBox* ShadowDirection() const { return ShadowBox; }
    QSpinBox* ShadowDepth() const { return ShadowDepthEdit; }
    QComboBox* HighlightDirection() const { return HighlightBox; }
    QSpinBox* HighlightDepth() const { return HighlightDepthEdit; }
    QWidget* SampleView() const { return View; }
    // The three colour buttons: shadow, highlight, font.
    void ColorButtonClick(int which);

private:
    void EffectChange();

    TLPLabel SampleText;
    QComboBox* ShadowBox;
    QSpinBox* ShadowDepthEdit;
    QComboBox* HighlightBox;
    QSpinBox* HighlightDepthEdit;
    QWidget* View;
};
