// "Counter": the five settings of a counter text. Starting numbers may be any integer; a number
// repeats on 1 to 999 labels and is padded to 0 to 9 digits.
#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;
class TLCounterLabel;

class TGetCounter : public QDialog {
    Q_OBJECT
public:
    explicit TGetCounter(const TLCounterLabel& counter, QWidget* parent = nullptr);
    // Gives the counter the settings and restarts its count.
    void ApplyTo(TLCounterLabel& counter) const;

    QSpinBox* StartEdit() const { return Start; }
    QSpinBox* RepeatEdit() const { return Repeat; }
    QLineEdit* BeforeEdit() const { return Before; }
    QLineEdit* AfterEdit() const { return After; }
    QSpinBox* ZerosEdit() const { return Zeros; }

private:
    QSpinBox* Start;
    QSpinBox* Repeat;
    QLineEdit* Before;
    QLineEdit* After;
    QSpinBox* Zeros;
};
