#include "TPrinterCalibration.h"

#include "settings/TIniFile.h"

#include <algorithm>
#include <type_traits>

TPrinterCalibration TPrinterCalibration::Clamped() const
{
    TPrinterCalibration clamped = *this;
    clamped.OffsetX = TInches(std::clamp(OffsetX.Value(), -MaximumOffset, MaximumOffset));
    clamped.OffsetY = TInches(std::clamp(OffsetY.Value(), -MaximumOffset, MaximumOffset));
    clamped.ScalePercent = std::clamp(ScalePercent, MinimumScale, MaximumScale);
    return clamped;
}

TPrinterCalibration TPrinterCalibration::Load(const QString& settingsFile, const QString& printerName)
{
    const QString text = TIniFile(settingsFile).ReadString(QLatin1String(Section), printerName, QString());
    const QStringList parts = text.split(u',');
    TPrinterCalibration calibration;
    if (parts.size() != 3)
        return calibration;
    bool okX = false, okY = false, okScale = false;
    const double x = parts[0].trimmed().toDouble(&okX);
    const double y = parts[1].trimmed().toDouble(&okY);
    const double scale = parts[2].trimmed().toDouble(&okScale);
    if (!okX || !okY || !okScale)
        return calibration;
    calibration.OffsetX = TInches(x);
    calibration.OffsetY = TInches(y);
    calibration.ScalePercent = scale;
    return calibration.Clamped();
}

void TPrinterCalibration::Save(const QString& settingsFile, const QString& printerName) const
{
    TIniFile settings(settingsFile);
    const TPrinterCalibration kept = Clamped();
    if (kept.IsIdentity()) {
        settings.DeleteKey(QLatin1String(Section), printerName);
        return;
    }
    settings.WriteString(QLatin1String(Section), printerName,
                         QStringLiteral("%1,%2,%3")
                             .arg(kept.OffsetX.Value(), 0, 'f', 5)
                             .arg(kept.OffsetY.Value(), 0, 'f', 5)
                             .arg(kept.ScalePercent, 0, 'f', 2));
}

TInchPoint TPrinterCalibration::Map(TInchPoint point) const
{
    const double factor = ScalePercent / 100.0;
    return {point.X * factor + OffsetX, point.Y * factor + OffsetY};
}

TInchRect TPrinterCalibration::Map(const TInchRect& rect) const
{
    const TInchPoint topLeft = Map(TInchPoint{rect.Left, rect.Top});
    const TInchPoint bottomRight = Map(TInchPoint{rect.Right, rect.Bottom});
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

TDisplayList TPrinterCalibration::Apply(const TDisplayList& page) const
{
    const double factor = ScalePercent / 100.0;
    TDisplayList mapped(page.PageWidth(), page.PageHeight());
    for (const TDisplayOp& op : page.Operations()) {
        std::visit(
            [&](const auto& original) {
                using T = std::decay_t<decltype(original)>;
                T changed = original;
                if constexpr (std::is_same_v<T, TFontOp>) {
                    changed.PointSize = original.PointSize * factor;
                } else if constexpr (std::is_same_v<T, TPenOp>) {
                    changed.Width = original.Width * factor;
                } else if constexpr (std::is_same_v<T, TTextOp>) {
                    changed.Anchor = Map(original.Anchor);
                } else if constexpr (std::is_same_v<T, TClippedTextOp>) {
                    changed.Clip = Map(original.Clip);
                    changed.Start = Map(original.Start);
                } else if constexpr (std::is_same_v<T, TRoundRectOp>) {
                    changed.Rect = Map(original.Rect);
                    changed.CornerWidth = original.CornerWidth * factor;
                    changed.CornerHeight = original.CornerHeight * factor;
                } else if constexpr (std::is_same_v<T, TLineOp>) {
                    changed.From = Map(original.From);
                    changed.To = Map(original.To);
                } else if constexpr (std::is_same_v<T, TBrushOp>) {
                    // a brush has no place
                } else {
                    changed.Rect = Map(original.Rect); // rectangles, ellipses, fills, images, pictures
                }
                mapped.Add(std::move(changed));
            },
            op);
    }
    return mapped;
}
