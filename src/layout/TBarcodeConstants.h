// Every measure of the three postal barcodes in one place, in inches. POSTNET and the FIM follow
// the postal standard's figures as the designers have always printed them; the Intelligent Mail
// barcode sits at the middle of each tolerance the postal service allows, so a printer that
// spreads or shrinks ink a little still lands inside the range.
#pragma once

namespace TBarcodeConstants {

// POSTNET: frame bar, five bars per digit, frame bar; all bars stand on one base line.
inline constexpr double PostNetBarWidth = 0.015;
inline constexpr double PostNetPitch = 0.046;       // bar to bar (0.031 gap)
inline constexpr double PostNetFullHeight = 0.125;
inline constexpr double PostNetHalfHeight = 0.055;
// Bars of each digit 0..9, left to right, '1' a full bar and '0' a half bar.
inline constexpr const char* PostNetDigitBars[10] = {"11000", "00011", "00101", "00110", "01001",
                                                     "01010", "01100", "10001", "10010", "10100"};

// FIM: 17 slots of 1/32 inch; only the odd slots (nine bar positions) can hold a bar.
inline constexpr int FimSlots = 17;
inline constexpr double FimSlotWidth = 0.03125;
inline constexpr double FimBarHeight = 0.5625;
inline constexpr double FimScreenSide = 0.625;      // the square the designers show
// The nine bar positions of types A, B and C ('1' = bar).
inline constexpr const char* FimPatterns[3] = {"110010011", "101101101", "110101011"};

// Intelligent Mail barcode: 65 bars, each a tracker with or without an ascender and a descender.
// Tolerances: bar 0.015-0.025, pitch 0.0416-0.050, full bar 0.125-0.165, tracker 0.039-0.057.
inline constexpr int IMbBars = 65;
inline constexpr double IMbBarWidth = 0.020;
inline constexpr double IMbPitch = 0.0458;
inline constexpr double IMbFullHeight = 0.145;
inline constexpr double IMbTrackerHeight = 0.048;
// The tracker is centred in the full bar; ascender and descender each reach past it by this much.
inline constexpr double IMbExtender = (IMbFullHeight - IMbTrackerHeight) / 2;
// Space to keep free of print around the bars.
inline constexpr double IMbClearZoneSide = 0.125;
inline constexpr double IMbClearZoneAboveBelow = 0.028;

} // namespace TBarcodeConstants
