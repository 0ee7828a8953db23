#include "TSelectSpecificLabels.h"

#include "prompts/TUserPrompts.h"
#include "help/THelp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TLabelSheetPicture::TLabelSheetPicture(const TLabelStock& stock, TLabelPositionMask& mask, QWidget* parent)
    : QWidget(parent), Stock(stock), Mask(mask)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

double TLabelSheetPicture::PixelsPerInch() const { return logicalDpiX() * 0.2; }

QRect TLabelSheetPicture::PositionRect(int position) const
{
    if (Stock.Across <= 0)
        return {};
    const int column = position % Stock.Across;
    const int row = position / Stock.Across;
    const TInchRect place = Stock.Placement(column, row);
    const double ppi = PixelsPerInch();
    const int left = Inset + int(place.Left.Value() * ppi);
    const int top = Inset + int(place.Top.Value() * ppi);
    const int right = Inset + int(place.Right.Value() * ppi);
    const int bottom = Inset + int(place.Bottom.Value() * ppi);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int TLabelSheetPicture::PositionAt(QPoint point) const
{
    for (int position = 0; position < Mask.Size(); ++position)
        if (PositionRect(position).contains(point))
            return position;
    return -1;
}

QSize TLabelSheetPicture::sizeHint() const
{
    const double ppi = PixelsPerInch();
    return {2 * Inset + int(Stock.SheetWidth.Value() * ppi) + 1, 2 * Inset + int(Stock.SheetDepth.Value() * ppi) + 1};
}

void TLabelSheetPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double ppi = PixelsPerInch();
    painter.fillRect(rect(), palette().window());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(Inset, Inset, int(Stock.SheetWidth.Value() * ppi), int(Stock.SheetDepth.Value() * ppi));
    for (int position = 0; position < Mask.Size(); ++position) {
        painter.setBrush(Mask.IsSet(position) ? QColor(Qt::red) : QColor(Qt::white));
        painter.drawRect(PositionRect(position));
    }
}

void TLabelSheetPicture::mousePressEvent(QMouseEvent* event)
{
    const int position = PositionAt(event->position().toPoint());
    if (position < 0)
        return;
    Mask.Set(position, !Mask.IsSet(position));
    update();
}

TSelectSpecificLabels::TSelectSpecificLabels(const TLabelStock& stock, const TLabelPositionMask& mask,
                                             const QStringList& printers, const QString& printer, bool presort,
                                             QWidget* parent)
    : QDialog(parent), Stock(stock), Edited(mask.Size() == stock.Positions() ? mask : TLabelPositionMask(stock))
{
    setWindowTitle(QStringLiteral("Labels Print"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral(" Select Labels To Print"), this));
    Picture = new TLabelSheetPicture(Stock, Edited, this);
    left->addWidget(Picture);
    auto* allNone = new QHBoxLayout;
    auto* all = new QPushButton(QStringLiteral("&All"), this);
    auto* none = new QPushButton(QStringLiteral("&None"), this);
    allNone->addWidget(all);
    allNone->addWidget(none);
    left->addLayout(allNone);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Printer"), this));
    PrinterChoice = new QComboBox(this);
    PrinterChoice->addItems(printers);
    PrinterChoice->setCurrentText(printer);
    right->addWidget(PrinterChoice);
    CountLabel = new QLabel(QStringLiteral("Number of each label to print"), this);
    CountEdit = new QSpinBox(this);
    CountEdit->setRange(1, 99);
    CountEdit->setValue(1);
    right->addWidget(CountLabel);
    right->addWidget(CountEdit);
    CountLabel->setVisible(!presort);
    CountEdit->setVisible(!presort);
    right->addStretch();
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    ok->setDefault(true); // Enter means Ok, Escape Cancel
    right->addWidget(ok);
    right->addWidget(cancel);
    right->addWidget(help);
    layout->addLayout(right);

    connect(all, &QPushButton::clicked, this, &TSelectSpecificLabels::AllButtonClick);
    connect(none, &QPushButton::clicked, this, &TSelectSpecificLabels::NoneButtonClick);
    connect(ok, &QPushButton::clicked, this, &TSelectSpecificLabels::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
}

QString TSelectSpecificLabels::Printer() const { return PrinterChoice->currentText(); }

int TSelectSpecificLabels::LabelsPerRecord() const { return CountEdit->isVisibleTo(this) ? std::max(1, CountEdit->value()) : 1; }

void TSelectSpecificLabels::AllButtonClick()
{
    Edited.SetAll(true);
    Picture->update();
}

void TSelectSpecificLabels::NoneButtonClick()
{
    Edited.SetAll(false);
    Picture->update();
}

void TSelectSpecificLabels::OkButtonClick()
{
    if (Edited.CountSet() == 0) {
        TUserPrompts::Current().Information(QLatin1String(NoneSelectedMessage));
        return;
    }
    accept();
}
