#include "TLabelLayoutView.h"

#include "TChooseLabelLayout.h"
#include "TLabelEdit.h"
#include "TSelectLabel.h"

#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLPanelWidget.h"
#include "layout/TLayoutUnits.h"
#include "settings/TProgramFolder.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

TLabelLayoutView::TLabelLayoutView(const TLabelSetup& setup, bool isNew, TLDataSource* data, QWidget* parent)
    : QDialog(parent), LabelStock(setup.Stock)
{
    setWindowTitle(QStringLiteral("Label Design Screen"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Description:"), this));
    DescriptionEdit = new QLineEdit(isNew ? QString::fromLatin1(NewLabelDescription) : setup.Description, this);
    DescriptionEdit->setMaxLength(TLabelSetups::DescriptionWidth);
    top->addWidget(DescriptionEdit, 1);
    auto* change = new QPushButton(QStringLiteral("Change &Layout"), this);
    top->addWidget(change);
    layout->addLayout(top);
    LayoutCaption = new QLabel(this);
    layout->addWidget(LayoutCaption);

    Panel.DataSet = data;
    SizeToStock();
    const QString file = TProgramFolder::SysdataFolder() + setup.LayoutFile;
    if (!isNew && !setup.LayoutFile.isEmpty() && QFileInfo::exists(file)) {
        Panel.LoadFromFile(file);
    } else if (isNew) {
        const QRect area(5, 5, Panel.Width - 15, Panel.Height - 15);
        Panel.AddObject(Panel.CreateObject(TLPanelState::psAddressLabel), area);
    }
    Panel.SetDisplayDataValues(data != nullptr);
    Panel.RefreshData();

    View = new TLPanelWidget(Panel, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(View);
    scroll->setWidgetResizable(false);
    scroll->setMinimumSize(420, 200);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(SaveButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(change, &QPushButton::clicked, this, &TLabelLayoutView::ChangeLayoutButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TLabelLayoutView::Description() const { return DescriptionEdit->text().left(TLabelSetups::CloneDescriptionWidth); }

void TLabelLayoutView::SizeToStock()
{
    const int ppi = TLayoutUnits::PixelsPerInch();
    Panel.SetSize(int(std::lround(LabelStock.LabelWidth.Value() * ppi)), int(std::lround(LabelStock.LabelHeight.Value() * ppi)));
    LayoutCaption->setText(QStringLiteral("Layout:  ") + LabelStock.SheetName());
    if (View) {
        View->updateGeometry();
        View->resize(View->sizeHint());
        View->update();
    }
}

void TLabelLayoutView::ChangeLayoutButtonClick()
{
    TLabelStock stock = LabelStock;
    bool changed = false;
    switch (TChooseLabelLayout::Choose(this)) {
    case TLabelLayoutChoice::lcTemplate: changed = TSelectLabel::Select(stock, this); break;
    case TLabelLayoutChoice::lcManual: changed = TLabelEdit::Edit(stock, this); break;
    case TLabelLayoutChoice::lcCancelled: break;
    }
    if (!changed)
        return;
    LabelStock = stock;
    SizeToStock();
}
