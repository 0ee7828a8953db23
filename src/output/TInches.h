// Lengths on the page. Every position the page-output engine takes or records is a TInches
// measured from the top-left corner of the physical sheet; only a renderer turns inches into
// device pixels, so inches and pixels never meet as bare doubles.
#pragma once

#include <QRectF>
#include <cmath>
#include <compare>

class TInches {
public:
    constexpr TInches() = default;
    constexpr explicit TInches(double inches) : InchValue(inches) {}

    static constexpr TInches FromHundredths(double hundredths) { return TInches(hundredths / 100.0); }
    static constexpr TInches FromPoints(double points) { return TInches(points / 72.0); }
    static constexpr TInches FromPixels(double pixels, double pixelsPerInch) { return TInches(pixels / pixelsPerInch); }

    constexpr double Value() const { return InchValue; }
    // Device pixels at `dotsPerInch`, not rounded: renderers keep sub-pixel positions.
    constexpr double ToDevice(double dotsPerInch) const { return InchValue * dotsPerInch; }
    int ToPixels(double dotsPerInch) const { return int(std::lround(InchValue * dotsPerInch)); }

    constexpr TInches operator+(TInches other) const { return TInches(InchValue + other.InchValue); }
    constexpr TInches operator-(TInches other) const { return TInches(InchValue - other.InchValue); }
    constexpr TInches operator-() const { return TInches(-InchValue); }
    constexpr TInches operator*(double factor) const { return TInches(InchValue * factor); }
    constexpr TInches operator/(double divisor) const { return TInches(InchValue / divisor); }
    constexpr double operator/(TInches other) const { return InchValue / other.InchValue; }
    constexpr TInches& operator+=(TInches other) { InchValue += other.InchValue; return *this; }
    constexpr TInches& operator-=(TInches other) { InchValue -= other.InchValue; return *this; }
    constexpr auto operator<=>(const TInches&) const = default;

private:
    double InchValue = 0.0;
};

constexpr TInches operator""_in(long double inches) { return TInches(double(inches)); }
constexpr TInches operator""_in(unsigned long long inches) { return TInches(double(inches)); }

struct TInchPoint {
    TInches X;
    TInches Y;
    bool operator==(const TInchPoint&) const = default;
};

struct TInchRect {
    TInches Left;
    TInches Top;
    TInches Right;
    TInches Bottom;

    TInches Width() const { return Right - Left; }
    TInches Height() const { return Bottom - Top; }
    bool operator==(const TInchRect&) const = default;

    // The rectangle in a device coordinate system whose origin sits at `origin` on the sheet.
    QRectF ToDevice(double dotsPerInchX, double dotsPerInchY, TInchPoint origin = {}) const
    {
        return QRectF(QPointF((Left - origin.X).ToDevice(dotsPerInchX), (Top - origin.Y).ToDevice(dotsPerInchY)),
                      QPointF((Right - origin.X).ToDevice(dotsPerInchX), (Bottom - origin.Y).ToDevice(dotsPerInchY)));
    }
};
