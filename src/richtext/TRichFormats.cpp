#include "TRichFormats.h"

#include "TRichDocument.h"

#include <cmath>

namespace {
double Layout(int twips) { return TRichDocument::TwipsToLayout(twips); }
int Twips(double layout) { return TRichDocument::LayoutToTwips(layout); }
double Screen(int twips) { return TRichDocument::TwipsToScreen(twips); }
int ScreenTwips(double screen) { return TRichDocument::ScreenToTwips(screen); }
constexpr int TwipsPerLine = 240; // RTF's unit of a multiple line spacing
} // namespace

void TParagraphSettings::ApplyTo(QTextBlockFormat& format) const
{
    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
    format.setAlignment(aligns[Align]);
    format.setTextIndent(Layout(FirstIndent));
    format.setLeftMargin(Layout(LeftIndent));
    format.setRightMargin(Layout(RightIndent));
    format.setTopMargin(Screen(SpaceBefore));
    format.setBottomMargin(Screen(SpaceAfter));
    if (LineSpacing == 0)
        format.setLineHeight(100, QTextBlockFormat::SingleHeight);
    else if (LineMultiple)
        format.setLineHeight(std::abs(LineSpacing) * 100.0 / TwipsPerLine, QTextBlockFormat::ProportionalHeight);
    else if (LineSpacing > 0)
        format.setLineHeight(Screen(LineSpacing), QTextBlockFormat::MinimumHeight);
    else
        format.setLineHeight(Screen(-LineSpacing), QTextBlockFormat::FixedHeight);
    QList<QTextOption::Tab> tabs;
    static const QTextOption::TabType kinds[] = {QTextOption::LeftTab, QTextOption::RightTab, QTextOption::CenterTab,
                                                 QTextOption::DelimiterTab};
    for (const TTabStop& stop : Tabs) {
        // Qt measures tabs from the paragraph's left indent; a stop left of it never applies.
        if (stop.Position < LeftIndent)
            continue;
        QTextOption::Tab tab(Screen(stop.Position - LeftIndent), kinds[stop.Kind]);
        if (stop.Kind == TTabStop::tkDecimal)
            tab.delimiter = u'.';
        tabs << tab;
    }
    format.setTabPositions(tabs);
    format.setPageBreakPolicy(PageBreakBefore ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
}

TParagraphSettings TParagraphSettings::From(const QTextBlockFormat& format)
{
    TParagraphSettings settings;
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignJustify)
        settings.Align = paJustify;
    else if (align & Qt::AlignHCenter)
        settings.Align = paCenter;
    else if (align & (Qt::AlignRight))
        settings.Align = paRight;
    settings.FirstIndent = Twips(format.textIndent());
    settings.LeftIndent = Twips(format.leftMargin());
    settings.RightIndent = Twips(format.rightMargin());
    settings.SpaceBefore = ScreenTwips(format.topMargin());
    settings.SpaceAfter = ScreenTwips(format.bottomMargin());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        settings.LineMultiple = true;
        settings.LineSpacing = int(std::lround(format.lineHeight() * TwipsPerLine / 100.0));
        if (settings.LineSpacing == TwipsPerLine || settings.LineSpacing == 0) {
            settings.LineMultiple = false; // a multiple of exactly one line is single spacing
            settings.LineSpacing = 0;
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        settings.LineSpacing = ScreenTwips(format.lineHeight());
        break;
    case QTextBlockFormat::FixedHeight:
        settings.LineSpacing = -ScreenTwips(format.lineHeight());
        break;
    default:
        break;
    }
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        TTabStop stop;
        stop.Position = ScreenTwips(tab.position) + settings.LeftIndent;
        stop.Kind = tab.type == QTextOption::RightTab    ? TTabStop::tkRight
                    : tab.type == QTextOption::CenterTab ? TTabStop::tkCenter
                    : tab.type == QTextOption::DelimiterTab ? TTabStop::tkDecimal
                                                            : TTabStop::tkLeft;
        settings.Tabs << stop;
    }
    settings.PageBreakBefore = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    return settings;
}

QTextCharFormat TCharacterSettings::ToFormat() const
{
    QTextCharFormat format;
    if (!FontName.isEmpty())
        format.setFontFamilies(QStringList{FontName});
    if (!FamilyWord.isEmpty())
        format.setProperty(TRichDocument::FontFamilyWordProperty, FamilyWord);
    if (Charset != 0)
        format.setProperty(TRichDocument::FontCharsetProperty, Charset);
    format.setFontPointSize(HalfPoints / 2.0);
    format.setFontWeight(Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(Italic);
    format.setFontUnderline(Underline);
    if (Color)
        format.setForeground(*Color);
    if (Background)
        format.setBackground(*Background);
    return format;
}

TCharacterSettings TCharacterSettings::From(const QTextCharFormat& format)
{
    TCharacterSettings settings;
    const QVariant families = format.property(QTextFormat::FontFamilies);
    if (families.isValid() && !families.toStringList().isEmpty())
        settings.FontName = families.toStringList().constFirst();
    settings.FamilyWord = format.property(TRichDocument::FontFamilyWordProperty).toString();
    settings.Charset = format.property(TRichDocument::FontCharsetProperty).toInt();
    if (format.hasProperty(QTextFormat::FontPointSize))
        settings.HalfPoints = std::max(1, int(std::lround(format.fontPointSize() * 2)));
    settings.Bold = format.fontWeight() >= QFont::DemiBold;
    settings.Italic = format.fontItalic();
    settings.Underline = format.fontUnderline();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        settings.Color = format.foreground().color().toRgb();
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        settings.Background = format.background().color().toRgb();
    return settings;
}
