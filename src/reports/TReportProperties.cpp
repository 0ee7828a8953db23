#include "TReportProperties.h"

#include "layout/TLayoutUnits.h"
#include "prompts/TUserPrompts.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char* const BandNames[] = {"Header", "Detail", "Memo", "Footer"};

// The page at 1/20 of its size: margins dotted, each band shaded and outlined in its place.
class TMiniature : public QWidget {
public:
    explicit TMiniature(TReportProperties& dialog) : QWidget(&dialog), Dialog(dialog) { setFixedSize(60, 60); }

    static constexpr double Scale = 1.0 / 20.0;
    // Band rectangles in miniature pixels (the memo a thin strip below the detail).
    std::array<QRect, 4> BandRects(const TLReportSettings& s) const
    {
        const auto px = [](int layoutPixels) { return int(std::lround(layoutPixels * Scale)); };
        const int left = px(s.LeftMargin), right = px(s.PageWidth - s.RightMargin);
        const int top = px(s.TopMargin), bottom = px(s.PageHeight - s.BottomMargin);
        const int header = std::max(2, px(s.HeaderHeight)), detail = std::max(2, px(s.DetailHeight));
        const int footer = std::max(2, px(s.FooterHeight));
        return {QRect(QPoint(left, top), QPoint(right, top + header)),
                QRect(QPoint(left, top + header + 1), QPoint(right, top + header + detail)),
                QRect(QPoint(left, top + header + detail + 1), QPoint(right, top + header + detail + 3)),
                QRect(QPoint(left, bottom - footer), QPoint(right, bottom))};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const TLReportSettings s = Dialog.Settings();
        setFixedSize(int(s.PageWidth * Scale) + 1, int(s.PageHeight * Scale) + 1);
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const std::array<QRect, 4> rects = BandRects(s);
        const bool used[] = {s.UseHeader, s.UseDetail, s.UseMemo, s.UseFooter};
        for (int i = 0; i < 4; ++i) {
            if (!used[i])
                continue;
            const TLBandFrame& frame = s.Bands[size_t(i)];
            if (frame.ShadePercent > 0)
                painter.fillRect(rects[size_t(i)], TReportPaper::ShadeColor(frame.ShadeColor, frame.ShadePercent));
            painter.setPen(QPen(Qt::black, 1));
            const QRect r = rects[size_t(i)];
            if (frame.Top) painter.drawLine(r.topLeft(), r.topRight());
            if (frame.Bottom) painter.drawLine(r.bottomLeft(), r.bottomRight());
            if (frame.Left) painter.drawLine(r.topLeft(), r.bottomLeft());
            if (frame.Right) painter.drawLine(r.topRight(), r.bottomRight());
        }
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        const int left = int(s.LeftMargin * Scale), top = int(s.TopMargin * Scale);
        const int right = int((s.PageWidth - s.RightMargin) * Scale), bottom = int((s.PageHeight - s.BottomMargin) * Scale);
        painter.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    }
    void mousePressEvent(QMouseEvent* event) override { Dialog.MiniatureClick(event->position().toPoint()); }

private:
    TReportProperties& Dialog;
};

} // namespace

TReportProperties::TReportProperties(const TLReportSettings& settings, QWidget* parent) : QDialog(parent), Copy(settings)
{
    setWindowTitle(QStringLiteral("Report Layout"));
    setModal(true);
    Pages = new QTabWidget(this);
    Pages->addTab(PagePage(), QStringLiteral("Page"));
    for (int band = 0; band < 4; ++band)
        Pages->addTab(BandPage(band), QLatin1String(BandNames[band]));

    auto* defaults = new QPushButton(QStringLiteral("Defaults"), this);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(defaults, &QPushButton::clicked, this, &TReportProperties::DefaultsButtonClick);
    connect(save, &QPushButton::clicked, this, &TReportProperties::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TReportProperties::CancelButtonClick);
    save->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(Pages, 1);
    Miniature = new TMiniature(*this);
    body->addWidget(Miniature, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    Show(Copy);
    setMinimumWidth(520);
}

QWidget* TReportProperties::PagePage()
{
    auto* page = new QWidget;
    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), page);
    PortraitButton = new QRadioButton(QStringLiteral("Portrait"), orientation);
    LandscapeButton = new QRadioButton(QStringLiteral("Landscape"), orientation);
    auto* o = new QVBoxLayout(orientation);
    o->addWidget(PortraitButton);
    o->addWidget(LandscapeButton);
    auto* size = new QGroupBox(QStringLiteral("Size"), page);
    LetterButton = new QRadioButton(QStringLiteral("Letter"), size);
    A4Button = new QRadioButton(QStringLiteral("A4"), size);
    auto* sz = new QVBoxLayout(size);
    sz->addWidget(LetterButton);
    sz->addWidget(A4Button);
    auto* margins = new QGroupBox(QStringLiteral("Margins (in inches)"), page);
    auto* form = new QFormLayout(margins);
    const char* names[] = {"Left", "Top", "Right", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QDoubleSpinBox(margins);
        edit->setRange(0.5, 2.5);
        edit->setDecimals(2);
        edit->setSingleStep(0.05);
        form->addRow(QLatin1String(names[i]), edit);
        MarginEdits[size_t(i)] = edit;
        connect(edit, &QDoubleSpinBox::valueChanged, this, [this] { if (Miniature) Miniature->update(); });
    }
    for (QRadioButton* button : {PortraitButton, LandscapeButton, LetterButton, A4Button})
        connect(button, &QRadioButton::toggled, this, [this] { if (Miniature) Miniature->update(); });
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(orientation);
    left->addWidget(size);
    left->addStretch(1);
    layout->addLayout(left);
    layout->addWidget(margins);
    return page;
}

QWidget* TReportProperties::BandPage(int band)
{
    auto* page = new QWidget;
    TBandControls& c = Bands[size_t(band)];
    c.Top = new QCheckBox(QStringLiteral("Top"), page);
    c.Left = new QCheckBox(QStringLiteral("Left"), page);
    c.Bottom = new QCheckBox(QStringLiteral("Bottom"), page);
    c.Right = new QCheckBox(QStringLiteral("Right"), page);
    c.LineWidth = new QSpinBox(page);
    c.LineWidth->setRange(1, 3);
    c.ShadePercent = new QSpinBox(page);
    c.ShadePercent->setRange(0, 100);
    c.ShadePercent->setSingleStep(20);
    c.ShadeColor = new QPushButton(page);
    connect(c.ShadeColor, &QPushButton::clicked, this, [this, band] {
        TBandControls& controls = Bands[size_t(band)];
        if (const auto color = TUserPrompts::Current().ChooseColor(TReportPaper::FromColorValue(controls.Color))) {
            controls.Color = TReportPaper::ToColorValue(*color);
            ShowColor(band);
        }
    });
    for (QCheckBox* box : {c.Top, c.Left, c.Bottom, c.Right})
        connect(box, &QCheckBox::toggled, this, [this] { Miniature->update(); });
    for (QSpinBox* box : {c.LineWidth, c.ShadePercent})
        connect(box, &QSpinBox::valueChanged, this, [this] { Miniature->update(); });
    auto* outline = new QGroupBox(QStringLiteral("Outline"), page);
    auto* sides = new QVBoxLayout(outline);
    for (QCheckBox* box : {c.Top, c.Left, c.Bottom, c.Right})
        sides->addWidget(box);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Line Width"), c.LineWidth);
    form->addRow(QStringLiteral("Shade Percent"), c.ShadePercent);
    form->addRow(QStringLiteral("Shade Color"), c.ShadeColor);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(outline);
    layout->addLayout(form);
    return page;
}

void TReportProperties::ShowColor(int band)
{
    TBandControls& c = Bands[size_t(band)];
    c.ShadeColor->setStyleSheet(QStringLiteral("background-color: %1").arg(TReportPaper::FromColorValue(c.Color).name()));
    if (Miniature)
        Miniature->update();
}

void TReportProperties::Show(const TLReportSettings& s)
{
    const TReportPaper paper = TReportPaper::Detect(s.PageWidth, s.PageHeight, TLayoutUnits::PixelsPerInch());
    (paper.Size == TReportPaper::TSize::rsA4 ? A4Button : LetterButton)->setChecked(true);
    (paper.Landscape ? LandscapeButton : PortraitButton)->setChecked(true);
    const int margins[] = {s.LeftMargin, s.TopMargin, s.RightMargin, s.BottomMargin};
    for (int i = 0; i < 4; ++i)
        MarginEdits[size_t(i)]->setValue(double(margins[i]) / TLayoutUnits::PixelsPerInch());
    for (int band = 0; band < 4; ++band) {
        const TLBandFrame& frame = s.Bands[size_t(band)];
        TBandControls& c = Bands[size_t(band)];
        c.Top->setChecked(frame.Top);
        c.Left->setChecked(frame.Left);
        c.Bottom->setChecked(frame.Bottom);
        c.Right->setChecked(frame.Right);
        c.LineWidth->setValue(std::clamp(frame.LineWidth, 1, 3));
        c.ShadePercent->setValue(frame.ShadePercent);
        c.Color = frame.ShadeColor;
        ShowColor(band);
    }
}

TReportPaper TReportProperties::Paper() const
{
    TReportPaper paper;
    paper.Size = A4Button->isChecked() ? TReportPaper::TSize::rsA4 : TReportPaper::TSize::rsLetter;
    paper.Landscape = LandscapeButton->isChecked();
    return paper;
}

TLReportSettings TReportProperties::Settings() const
{
    TLReportSettings s = Copy;
    const int ppi = TLayoutUnits::PixelsPerInch();
    std::tie(s.PageWidth, s.PageHeight) = Paper().PagePixels(ppi);
    int* margins[] = {&s.LeftMargin, &s.TopMargin, &s.RightMargin, &s.BottomMargin};
    for (int i = 0; i < 4; ++i)
        *margins[i] = int(std::lround(MarginEdits[size_t(i)]->value() * ppi));
    for (int band = 0; band < 4; ++band) {
        const TBandControls& c = Bands[size_t(band)];
        s.Bands[size_t(band)] = TLBandFrame{c.Left->isChecked(), c.Top->isChecked(), c.Right->isChecked(), c.Bottom->isChecked(),
                                            c.LineWidth->value(), c.ShadePercent->value(), c.Color};
    }
    return s;
}

void TReportProperties::DefaultsButtonClick()
{
    TLReportSettings defaults = Copy;
    const TLReportSettings fresh;
    defaults.PageWidth = fresh.PageWidth;
    defaults.PageHeight = fresh.PageHeight;
    defaults.LeftMargin = defaults.TopMargin = defaults.RightMargin = defaults.BottomMargin = fresh.LeftMargin;
    for (TLBandFrame& frame : defaults.Bands)
        frame = TLBandFrame{false, false, false, false, 1, 0, 0xFFFFFF};
    Show(defaults);
}

int TReportProperties::BandAt(QPoint point) const
{
    const auto rects = static_cast<const TMiniature*>(Miniature)->BandRects(Settings());
    for (int band = 0; band < 4; ++band)
        if (rects[size_t(band)].contains(point))
            return band;
    return -1;
}

void TReportProperties::MiniatureClick(QPoint point)
{
    if (const int band = BandAt(point); band >= 0)
        Pages->setCurrentIndex(band + 1);
}
