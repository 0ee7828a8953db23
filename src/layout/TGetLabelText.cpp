#include "TGetLabelText.h"

#include "TLDialogParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TGetLabelText::TGetLabelText(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Enter Text"), this);
    Edit = new QLineEdit(text, this);
    Edit->setMinimumWidth(320);
    Edit->selectAll();
    caption->setBuddy(Edit);
    layout->addWidget(caption);
    layout->addWidget(Edit);
    layout->addWidget(AddOkCancelButtons(this));
}

QString TGetLabelText::Text() const { return Edit->text(); }
