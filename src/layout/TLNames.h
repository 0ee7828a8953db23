// The names a layout stream uses for values: colours and cursors (written by name when they have
// one, else as integers; reading takes either), and the identifier tables of the enumerations.
// An enumeration is stored as the index into its table.
#pragma once

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <optional>
#include <span>

// 0x00BBGGRR, or 0x800000nn for a system colour; clNone is 0x1FFFFFFF.
using TColor = int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;

using TLNameTable = std::span<const char* const>;

class TLNames {
public:
    static std::optional<QByteArray> ColorName(TColor color);
    static std::optional<TColor> ColorFromName(const QByteArray& name);
    static std::optional<QByteArray> CursorName(int cursor);
    static std::optional<int> CursorFromName(const QByteArray& name);
    // What a colour looks like on screen and paper; system colours take their usual look.
    static QColor ToQColor(TColor color);
    static TColor FromQColor(const QColor& color);

    // Index of `name` in `table` (exact, as the stream spells it), or -1.
    static int IndexOf(TLNameTable table, const QByteArray& name);
};

// Identifier tables, in the order of their enumerations.
inline constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
inline constexpr const char* kHighlightDirectionNames[] = {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};
inline constexpr const char* kShadowDirectionNames[] = {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};
inline constexpr const char* kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
inline constexpr const char* kDateFormatNames[] = {"dtfDateNone", "dtfDateShort", "dtfDateLong"};
inline constexpr const char* kTimeFormatNames[] = {"dtfTimeNone", "dtfTimeShort", "dtfTimeLong"};
inline constexpr const char* kZipOptionNames[] = {"zoAfterState", "zoBeforeCity", "zoAfterCountry", "zoBeforeCountry"};
inline constexpr const char* kPostNetTypeNames[] = {"pnbc5Digit", "pnbc9Digit", "pnbc11Digit"};
inline constexpr const char* kFimTypeNames[] = {"fimTypeA", "fimTypeB", "fimTypeC"};
inline constexpr const char* kIMbRoutingNames[] = {"imbrNone", "imbr5Digit", "imbr9Digit", "imbr11Digit"};
inline constexpr const char* kShapeTypeNames[] = {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"};
inline constexpr const char* kLineStyleNames[] = {"stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown"};
inline constexpr const char* kFontPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};
inline constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
inline constexpr const char* kPenModeNames[] = {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                                "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                                "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
inline constexpr const char* kPenStyleNames[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
inline constexpr const char* kBrushStyleNames[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                   "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum class TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TDateFormat { dtfDateNone, dtfDateShort, dtfDateLong };
enum class TTimeFormat { dtfTimeNone, dtfTimeShort, dtfTimeLong };
enum class TZipOptions { zoAfterState, zoBeforeCity, zoAfterCountry, zoBeforeCountry };
enum class TPostNetBarCodeType { pnbc5Digit, pnbc9Digit, pnbc11Digit };
enum class TFIMBarCodeType { fimTypeA, fimTypeB, fimTypeC };
enum class TIMbRoutingType { imbrNone, imbr5Digit, imbr9Digit, imbr11Digit };
enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
enum class TPenModeValue { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                           pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
enum class TPenStyleValue { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyleValue { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
