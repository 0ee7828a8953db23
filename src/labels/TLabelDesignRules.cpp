#include "TLabelDesignRules.h"

#include "layout/TBarcodeConstants.h"
#include "layout/TLBasePanel.h"
#include "layout/TLayoutUnits.h"
#include "settings/TIniFile.h"

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Label");

// The Intelligent Mail barcode's bars plus the clear zone on each side, rounded up to the
// hundredth the message names, so the rule and its message agree.
TInches IMbNeededWidth()
{
    using namespace TBarcodeConstants;
    const double bars = (IMbBars - 1) * IMbPitch + IMbBarWidth;
    return TInches(std::ceil((bars + 2 * IMbClearZoneSide) * 100.0) / 100.0);
}

QString Hundredths(TInches length) { return QString::number(length.Value(), 'f', 2); }

} // namespace

QSize TLabelDesignRules::SurfaceSize(const TLabelStock& stock)
{
    const int ppi = TLayoutUnits::PixelsPerInch();
    return {stock.LabelWidth.ToPixels(ppi), stock.LabelHeight.ToPixels(ppi)};
}

TLabelShapeType TLabelDesignRules::SurfaceShape(const QString& shapeCode)
{
    if (shapeCode == QLatin1String("SR"))
        return TLabelShapeType::lsRectangle;
    if (shapeCode == QLatin1String("EL"))
        return TLabelShapeType::lsEllipse;
    return TLabelShapeType::lsRoundRect;
}

bool TLabelDesignRules::SizeSurface(TLBasePanel& panel, const TLabelStock& stock)
{
    const QSize size = SurfaceSize(stock);
    const TLabelShapeType shape = SurfaceShape(stock.Shape);
    if (panel.Width == size.width() && panel.Height == size.height() && panel.Shape == shape)
        return false;
    panel.Shape = shape;
    panel.SetSize(size.width(), size.height());
    return true;
}

QString TLabelDesignRules::LayoutCaption(const TLabelStock& stock)
{
    return QStringLiteral("Layout:  ") +
           (stock.UserDefined() ? QStringLiteral("User Defined Label Layout") : stock.TemplateName);
}

QString TLabelDesignRules::DefaultFontCaption(const TLFont& font)
{
    QString caption = QStringLiteral("Default Font: ") + font.Name + QStringLiteral(", ") +
                      QString::number(font.PointSize()) + QStringLiteral(" pt ");
    if (font.Style & fsBold)
        caption += QStringLiteral(", bold");
    if (font.Style & fsItalic)
        caption += QStringLiteral(", italic");
    return caption;
}

TLFont TLabelDesignRules::ReadDefaultFont(const TIniFile& settings)
{
    unsigned style = 0;
    if (settings.ReadBool(kSection, QStringLiteral("DefaultFontBold"), false))
        style |= fsBold;
    if (settings.ReadBool(kSection, QStringLiteral("DefaultFontItalic"), false))
        style |= fsItalic;
    const int size = settings.ReadInteger(kSection, QStringLiteral("DefaultFontSize"), 10);
    return TLFont::Make(settings.ReadString(kSection, QStringLiteral("DefaultFontName"), QStringLiteral("Arial")),
                        size > 0 ? size : 10, style);
}

void TLabelDesignRules::WriteDefaultFont(TIniFile& settings, const TLFont& font)
{
    settings.WriteString(kSection, QStringLiteral("DefaultFontName"), font.Name);
    settings.WriteInteger(kSection, QStringLiteral("DefaultFontSize"), font.PointSize());
    settings.WriteBool(kSection, QStringLiteral("DefaultFontBold"), (font.Style & fsBold) != 0);
    settings.WriteBool(kSection, QStringLiteral("DefaultFontItalic"), (font.Style & fsItalic) != 0);
}

const std::vector<TLabelBarcodeRule>& TLabelDesignRules::BarcodeRules()
{
    static const std::vector<TLabelBarcodeRule> rules = [] {
        const QString postnet = QStringLiteral("This label is not wide enough for a \npostnet barcode. At least 2.85 "
                                               "inches are needed");
        const TInches imbWidth = IMbNeededWidth();
        const QString imb = QStringLiteral("This label is not wide enough for an \nIntelligent Mail barcode and its "
                                           "clear zones. At least %1 inches are needed")
                                .arg(Hundredths(imbWidth));
        return std::vector<TLabelBarcodeRule>{
            {QStringLiteral("Postnet Barcode tool"), QByteArrayLiteral("TLPostNetBarCode"), TInches(2.85), postnet,
             QStringLiteral("Warning: ") + postnet},
            {QStringLiteral("Intelligent Mail Barcode tool"), QByteArrayLiteral("TLIMBarCode"), imbWidth, imb,
             QStringLiteral("Warning: ") + imb}};
    }();
    return rules;
}

const TLabelBarcodeRule* TLabelDesignRules::BarcodeRuleOfTool(const QString& toolCaption)
{
    for (const TLabelBarcodeRule& rule : BarcodeRules())
        if (rule.ToolCaption == toolCaption)
            return &rule;
    return nullptr;
}

namespace {

// Stored widths are kept to thousandths, so 2.85 read back as a single-precision 2.8499999
// still takes a POSTNET barcode.
bool TooNarrow(const TLabelStock& stock, const TLabelBarcodeRule& rule)
{
    return RoundToThousandths(stock.LabelWidth).Value() < rule.MinimumWidth.Value() - 1e-9;
}

} // namespace

QString TLabelDesignRules::ToolRefusal(const QString& toolCaption, const TLabelStock& stock)
{
    const TLabelBarcodeRule* rule = BarcodeRuleOfTool(toolCaption);
    if (!rule || !TooNarrow(stock, *rule))
        return QString();
    // The way out with the figures: how wide this label is, and where a wider one is chosen.
    return rule->Refusal + QStringLiteral(";\nthis label is %1 inches wide.\n\nTo use the barcode, choose a wider label "
                                          "in Settings > Layout.")
                               .arg(Hundredths(stock.LabelWidth));
}

std::vector<TLabelDesignRules::TRemoval> TLabelDesignRules::BarcodesTooWide(const TLBasePanel& panel,
                                                                           const TLabelStock& stock)
{
    std::vector<TRemoval> removals;
    for (const TLabelBarcodeRule& rule : BarcodeRules()) {
        if (!TooNarrow(stock, rule))
            continue;
        for (const auto& object : panel.Objects())
            if (object->ClassName() == rule.ClassName) {
                removals.push_back({object.get(), rule.RemovalWarning});
                break; // only the first one of each kind goes
            }
    }
    return removals;
}
