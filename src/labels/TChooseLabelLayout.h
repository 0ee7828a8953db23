// "Label Layout": asks whether the stock comes from the template catalogue (the default) or is
// typed in by hand. The design screen's Layout command opens it, then the dialog chosen.
#pragma once

#include <QDialog>

class QRadioButton;

enum class TLabelLayoutChoice { lcTemplate, lcManual, lcCancelled };

class TChooseLabelLayout : public QDialog {
    Q_OBJECT
public:
    explicit TChooseLabelLayout(QWidget* parent = nullptr);
    // Shows the dialog centred over `parent` and answers the choice.
    static TLabelLayoutChoice Choose(QWidget* parent);

    TLabelLayoutChoice Choice() const;
    QRadioButton* TemplateButton() const { return FromTemplate; }
    QRadioButton* ManualButton() const { return Manual; }

private:
    QRadioButton* FromTemplate;
    QRadioButton* Manual;
};
