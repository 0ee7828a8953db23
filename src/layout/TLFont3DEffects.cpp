#include "TLFont3DEffects.h"

#include "TLDialogParts.h"

#include "prompts/TUserPrompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Draws the sample centred in its box, as the object would look.
class TSampleView : public QWidget {
public:
    TSampleView(const TLPLabel& sample, QWidget* parent) : QWidget(parent), Sample(sample)
    {
        setMinimumSize(320, 90);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PaintSampleBox(painter, rect());
        auto& sample = const_cast<TLPLabel&>(Sample);
        painter.translate((width() - sample.Width()) / 2, (height() - sample.Height()) / 2);
        sample.DrawText(painter, 1.0);
    }

private:
    const TLPLabel& Sample;
};

// What the dialog edits: the font (for its colour) and the shadow and highlight.
void CopyEffects(const TLBaseLabel& from, TLBaseLabel& to)
{
    to.Font = from.Font;
    to.DepthShadow = from.DepthShadow;
    to.DirectionShadow = from.DirectionShadow;
    to.colorShadow = from.colorShadow;
    to.DepthHighlight = from.DepthHighlight;
    to.DirectionHighlight = from.DirectionHighlight;
    to.colorHighlight = from.colorHighlight;
    to.MarkStale();
}

QComboBox* DirectionBox(QWidget* parent, const QStringList& names, int current)
{
    auto* box = new QComboBox(parent);
    box->addItems(names);
    box->setCurrentIndex(current);
    return box;
}

QSpinBox* DepthEdit(QWidget* parent, int depth)
{
    auto* edit = new QSpinBox(parent);
    edit->setRange(0, 10);
    edit->setValue(std::clamp(depth, 0, 10));
    return edit;
}

} // namespace

TLFont3DEffects::TLFont3DEffects(const TLBaseLabel& label, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    SampleText.SetCaption(label.Caption.trimmed().isEmpty() ? QStringLiteral("Sample") : label.Caption);
    CopyEffects(label, SampleText);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    ShadowBox = DirectionBox(this, {"None", "Right", "Left", "Lower Right", "Lower Left", "Down"},
                             int(label.DirectionShadow));
    ShadowDepthEdit = DepthEdit(this, label.DepthShadow);
    HighlightBox = DirectionBox(this, {"None", "Right", "Left", "Upper Right", "Upper Left", "Up"},
                                int(label.DirectionHighlight));
    HighlightDepthEdit = DepthEdit(this, label.DepthHighlight);
    grid->addWidget(new QLabel(QStringLiteral("Shadow direction"), this), 0, 0);
    grid->addWidget(ShadowBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Shadow depth"), this), 0, 2);
    grid->addWidget(ShadowDepthEdit, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Highlight direction"), this), 1, 0);
    grid->addWidget(HighlightBox, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Highlight depth"), this), 1, 2);
    grid->addWidget(HighlightDepthEdit, 1, 3);
    auto* colours = new QHBoxLayout;
    layout->addLayout(colours);
    const QString colourCaptions[3] = {"Shadow Color...", "Highlight Color...", "Font Color..."};
    for (int which = 0; which < 3; ++which) {
        auto* button = new QPushButton(colourCaptions[which], this);
        colours->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, which] { ColorButtonClick(which); });
    }
    View = new TSampleView(SampleText, this);
    layout->addWidget(View);
    layout->addWidget(AddOkCancelButtons(this));

    connect(ShadowBox, &QComboBox::currentIndexChanged, this, &TLFont3DEffects::EffectChange);
    connect(HighlightBox, &QComboBox::currentIndexChanged, this, &TLFont3DEffects::EffectChange);
    connect(ShadowDepthEdit, &QSpinBox::valueChanged, this, &TLFont3DEffects::EffectChange);
    connect(HighlightDepthEdit, &QSpinBox::valueChanged, this, &TLFont3DEffects::EffectChange);
    EffectChange();
}

void TLFont3DEffects::EffectChange()
{
    SampleText.DirectionShadow = TShadowDirection(ShadowBox->currentIndex());
    SampleText.DepthShadow = ShadowDepthEdit->value();
    SampleText.DirectionHighlight = THighlightDirection(HighlightBox->currentIndex());
    SampleText.DepthHighlight = HighlightDepthEdit->value();
    SampleText.MarkStale();
    // Shrunk first, so the sample takes the size of its text with the new offsets.
    SampleText.SetBounds(0, 0, 6, 6);
    SampleText.SizeToText();
    View->update();
}

void TLFont3DEffects::ColorButtonClick(int which)
{
    TColor* colour = which == 0 ? &SampleText.colorShadow
                   : which == 1 ? &SampleText.colorHighlight
                                : &SampleText.Font.Color;
    if (const std::optional<QColor> chosen = TUserPrompts::Current().ChooseColor(TLNames::ToQColor(*colour))) {
        *colour = TLNames::FromQColor(*chosen);
        EffectChange();
    }
}

void TLFont3DEffects::ApplyTo(TLBaseLabel& label) const
{
    CopyEffects(SampleText, label);
}
