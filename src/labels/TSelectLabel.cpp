#include "TSelectLabel.h"

#include "TLabelTemplateQuery.h"

#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Inches(TInches length) { return QString::number(length.Value(), 'f', 3); }

} // namespace

TSelectLabel::TSelectLabel(const TLabelStock& stock, std::unique_ptr<TLabelCatalogue> catalogue, QWidget* parent)
    : QDialog(parent), Catalogue(std::move(catalogue)), Result(stock)
{
    setWindowTitle(QStringLiteral("Select Label Template"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QFormLayout;
    layout->addLayout(choices);
    Manufacturer = new QComboBox(this);
    Manufacturer->addItems(TLabelTemplateQuery::ManufacturerChoices());
    choices->addRow(QStringLiteral("Manufacturer"), Manufacturer);
    ProductType = new QComboBox(this);
    ProductType->addItems(TLabelTemplateQuery::ProductTypeChoices());
    choices->addRow(QStringLiteral("Product Type"), ProductType);
    European = new QCheckBox(QStringLiteral("European paper sizes only (A4, A5)"), this);
    layout->addWidget(European);

    layout->addWidget(new QLabel(QStringLiteral("Description"), this));
    List = new QListWidget(this);
    List->setMinimumWidth(360);
    List->installEventFilter(this);
    layout->addWidget(List);

    auto* detailGrid = new QGridLayout;
    layout->addLayout(detailGrid);
    const QStringList captions = {QStringLiteral("Label Height"), QStringLiteral("Label Width"), QStringLiteral("# Across"),
                                  QStringLiteral("# Down"),       QStringLiteral("Paper Width"), QStringLiteral("Paper Height")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* value = new QLabel(this);
        detailGrid->addWidget(new QLabel(captions[i], this), i / 2, (i % 2) * 2);
        detailGrid->addWidget(value, i / 2, (i % 2) * 2 + 1);
        Details.push_back(value);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    Ok = buttons->button(QDialogButtonBox::Ok);
    connect(Ok, &QPushButton::clicked, this, &TSelectLabel::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The choices the stock opens on, then the query, then the stock's own template.
    const auto opening = TLabelTemplateQuery::Opening(stock);
    Manufacturer->setCurrentIndex(TLabelTemplateQuery::ManufacturerChoices().indexOf(opening.ManufacturerChoice));
    ProductType->setCurrentIndex(opening.ProductTypeIndex);
    ChoiceChange();
    if (opening.LookForTemplate && !Rows.empty()) {
        QStringList names;
        for (const TLabelStock& row : Rows)
            names << row.TemplateName;
        List->setCurrentRow(TLabelTemplateQuery::RowOfTemplate(names, stock.TemplateName));
        CursorChange();
    }
    connect(Manufacturer, &QComboBox::currentIndexChanged, this, &TSelectLabel::ChoiceChange);
    connect(ProductType, &QComboBox::currentIndexChanged, this, &TSelectLabel::ChoiceChange);
    connect(European, &QCheckBox::toggled, this, &TSelectLabel::ChoiceChange);
    connect(List, &QListWidget::currentRowChanged, this, &TSelectLabel::CursorChange);
    connect(List, &QListWidget::itemDoubleClicked, this, &TSelectLabel::OkButtonClick);
}

TSelectLabel::~TSelectLabel() = default;

bool TSelectLabel::Select(TLabelStock& stock, QWidget* parent)
{
    auto catalogue = TLabelCatalogue::Open();
    if (!catalogue)
        return false;
    TSelectLabel dialog(stock, std::move(catalogue), parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    stock = dialog.Stock();
    return true;
}

void TSelectLabel::ChoiceChange()
{
    const std::string condition =
        TLabelTemplateQuery::Build(Manufacturer->currentText(), ProductType->currentIndex(), European->isChecked());
    Catalogue->SetQuery(condition);
    Rows = Catalogue->Rows();
    const QSignalBlocker quiet(List);
    List->clear();
    for (const TLabelStock& row : Rows)
        List->addItem(row.TemplateName);
    const bool any = !Rows.empty();
    List->setEnabled(any);
    Ok->setEnabled(any);
    List->setCurrentRow(any ? 0 : -1);
    CursorChange();
}

void TSelectLabel::CursorChange()
{
    const int row = List->currentRow();
    if (row < 0 || row >= int(Rows.size())) {
        for (QLabel* label : Details)
            label->clear();
        return;
    }
    const TLabelStock& stock = Rows[size_t(row)];
    Details[0]->setText(Inches(stock.LabelHeight));
    Details[1]->setText(Inches(stock.LabelWidth));
    Details[2]->setText(QString::number(stock.Across));
    Details[3]->setText(QString::number(stock.Down));
    Details[4]->setText(Inches(stock.SheetWidth));
    Details[5]->setText(Inches(stock.SheetDepth));
}

void TSelectLabel::OkButtonClick()
{
    const int row = List->currentRow();
    if (row < 0 || row >= int(Rows.size()))
        return;
    Result.TakeTemplate(Rows[size_t(row)]);
    accept();
}

bool TSelectLabel::eventFilter(QObject* watched, QEvent* event)
{
    // The list is a choice, not a table: Insert adds nothing.
    if (watched == List && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
        return true;
    return QDialog::eventFilter(watched, event);
}
