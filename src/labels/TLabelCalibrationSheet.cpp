#include "TLabelCalibrationSheet.h"

#include "output/TBaseReport.h"

namespace {

// Tick lengths: the zero mark longest, then half, eighth and plain 1/32 inch marks.
TInches TickLength(int tick)
{
    if (tick == 0)
        return 0.12_in;
    if (tick % 16 == 0)
        return 0.09_in;
    if (tick % 4 == 0)
        return 0.06_in;
    return 0.03_in;
}

void HorizontalRuler(TBaseReport& report, TInches zeroX, TInches y)
{
    const int half = int(TLabelCalibrationSheet::RulerHalfLength * TLabelCalibrationSheet::TicksPerInch);
    report.MoveTo(zeroX - TInches(TLabelCalibrationSheet::RulerHalfLength), y);
    report.LineTo(zeroX + TInches(TLabelCalibrationSheet::RulerHalfLength), y);
    for (int tick = -half; tick <= half; ++tick) {
        const TInches x = zeroX + TInches(double(tick) / TLabelCalibrationSheet::TicksPerInch);
        report.MoveTo(x, y);
        report.LineTo(x, y + TickLength(tick < 0 ? -tick : tick));
    }
}

void VerticalRuler(TBaseReport& report, TInches x, TInches zeroY)
{
    const int half = int(TLabelCalibrationSheet::RulerHalfLength * TLabelCalibrationSheet::TicksPerInch);
    report.MoveTo(x, zeroY - TInches(TLabelCalibrationSheet::RulerHalfLength));
    report.LineTo(x, zeroY + TInches(TLabelCalibrationSheet::RulerHalfLength));
    for (int tick = -half; tick <= half; ++tick) {
        const TInches y = zeroY + TInches(double(tick) / TLabelCalibrationSheet::TicksPerInch);
        report.MoveTo(x, y);
        report.LineTo(x + TickLength(tick < 0 ? -tick : tick), y);
    }
}

} // namespace

void TLabelCalibrationSheet::Draw(TBaseReport& report, const TLabelStock& stock)
{
    report.SetPen(Qt::black, Qt::SolidLine, 0);
    report.SetBrush(Qt::white, Qt::NoBrush);
    report.SetFont(QStringLiteral("Arial"), 6);
    for (int row = 0; row < stock.Down; ++row) {
        for (int column = 0; column < stock.Across; ++column) {
            const TInchRect place = stock.Placement(column, row);
            report.Rectangle(place);
            const TInches midX = (place.Left + place.Right) / 2.0;
            const TInches midY = (place.Top + place.Bottom) / 2.0;
            const TInches arm = std::min({0.15_in, place.Width() / 4.0, place.Height() / 4.0});
            report.MoveTo(midX - arm, midY);
            report.LineTo(midX + arm, midY);
            report.MoveTo(midX, midY - arm);
            report.LineTo(midX, midY + arm);
            // Rulers across the left and top edges, read where the die-cut edge crosses them.
            HorizontalRuler(report, place.Left, midY);
            VerticalRuler(report, midX + arm + 0.1_in, place.Top);
            report.PrintAt(place.Left + 0.05_in, place.Bottom - 0.05_in,
                           QStringLiteral("%1").arg(stock.PositionNumber(column, row) + 1));
        }
    }
    report.SetFont(QStringLiteral("Arial"), 8);
    report.PrintAt(0.25_in, stock.SheetDepth - 0.1_in,
                   QStringLiteral("Calibration sheet: the rulers' long marks lie on the label edges the program "
                                  "uses; read where the real edges fall, in 1/32 inch."));
}
