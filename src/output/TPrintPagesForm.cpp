#include "TPrintPagesForm.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TPrintPagesForm::TPrintPagesForm(int pageCount, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Print"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    FromEdit = new QSpinBox(this);
    ToEdit = new QSpinBox(this);
    for (QSpinBox* edit : {FromEdit, ToEdit})
        edit->setRange(1, std::max(1, pageCount));
    FromEdit->setValue(1);
    ToEdit->setValue(std::max(1, pageCount));
    row->addWidget(new QLabel(QStringLiteral("Pages from"), this));
    row->addWidget(FromEdit);
    row->addWidget(new QLabel(QStringLiteral("to"), this));
    row->addWidget(ToEdit);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The range never runs backwards.
    connect(FromEdit, &QSpinBox::valueChanged, this, [this](int from) { if (ToEdit->value() < from) ToEdit->setValue(from); });
    connect(ToEdit, &QSpinBox::valueChanged, this, [this](int to) { if (FromEdit->value() > to) FromEdit->setValue(to); });
}

int TPrintPagesForm::FromPage() const { return FromEdit->value(); }
int TPrintPagesForm::ToPage() const { return ToEdit->value(); }

bool TPrintPagesForm::Ask(QWidget* parent, int pageCount, int* fromPage, int* toPage)
{
    TPrintPagesForm form(pageCount, parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    *fromPage = form.FromPage();
    *toPage = form.ToPage();
    return true;
}
