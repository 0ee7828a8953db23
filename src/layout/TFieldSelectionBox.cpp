#include "TFieldSelectionBox.h"

#include "TLDialogParts.h"

#include <QListWidget>
#include <QVBoxLayout>

TFieldSelectionBox::TFieldSelectionBox(std::vector<TLDataField> fields, const QString& currentLabel, QWidget* parent)
    : QDialog(parent), Fields(std::move(fields))
{
    setWindowTitle(QStringLiteral("Select Field"));
    auto* layout = new QVBoxLayout(this);
    FieldList = new QListWidget(this);
    FieldList->setMinimumSize(240, 260);
    int current = Fields.empty() ? -1 : 0;
    for (int i = 0; i < int(Fields.size()); ++i) {
        FieldList->addItem(Fields[i].DisplayLabel);
        // Binding takes the last field of a label, so the list points at that one too.
        if (Fields[i].DisplayLabel == currentLabel)
            current = i;
    }
    FieldList->setCurrentRow(current);
    layout->addWidget(FieldList);
    QDialogButtonBox* buttons = AddOkCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!Fields.empty());
    layout->addWidget(buttons);
    connect(FieldList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::vector<TLDataField> TFieldSelectionBox::Candidates(const TLDataSource* source, bool memo)
{
    std::vector<TLDataField> fields;
    if (!source)
        return fields;
    for (const TLDataField& field : source->Fields()) {
        const bool fits = memo ? field.Kind == TLDataField::TKind::Memo
                               : field.Kind == TLDataField::TKind::String && field.Tag >= 0 && field.Visible;
        if (fits)
            fields.push_back(field);
    }
    return fields;
}

std::optional<TLDataField> TFieldSelectionBox::Selected() const
{
    const int row = FieldList->currentRow();
    if (row < 0 || row >= int(Fields.size()))
        return std::nullopt;
    return Fields[row];
}
