#include "TGetCounter.h"

#include "TLCounterLabel.h"
#include "TLDialogParts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <climits>

namespace {

QSpinBox* NumberField(QWidget* parent, int low, int high, int value)
{
    auto* field = new QSpinBox(parent);
    field->setRange(low, high);
    field->setValue(std::clamp(value, low, high));
    return field;
}

} // namespace

TGetCounter::TGetCounter(const TLCounterLabel& counter, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Counter"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    Start = NumberField(this, INT_MIN, INT_MAX, counter.Startingnumber());
    Repeat = NumberField(this, 1, 999, counter.RepeatEach);
    Before = new QLineEdit(counter.TextBefore, this);
    After = new QLineEdit(counter.TextAfter, this);
    Zeros = NumberField(this, 0, 9, counter.LeadingZeros);
    form->addRow(QStringLiteral("Starting Number"), Start);
    form->addRow(QStringLiteral("Repeat number for #of  labels?"), Repeat);
    form->addRow(QStringLiteral("Text  before"), Before);
    form->addRow(QStringLiteral("Text after"), After);
    auto* zerosRow = new QHBoxLayout;
    zerosRow->addWidget(Zeros);
    zerosRow->addWidget(new QLabel(QStringLiteral("digits"), this));
    zerosRow->addStretch();
    form->addRow(QStringLiteral("Leading zeros to "), zerosRow);
    layout->addWidget(AddOkCancelButtons(this));
}

void TGetCounter::ApplyTo(TLCounterLabel& counter) const
{
    counter.RepeatEach = Repeat->value();
    counter.LeadingZeros = Zeros->value();
    counter.TextBefore = Before->text();
    counter.TextAfter = After->text();
    counter.SetStartingnumber(Start->value());
}
