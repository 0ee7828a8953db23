#include "TLNames.h"

#include <cstring>

namespace {

struct TNamedValue {
    const char* Name;
    int32_t Value;
};

constexpr TNamedValue kColors[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clScrollBar", int32_t(0x80000000u)},        {"clBackground", int32_t(0x80000001u)},
    {"clActiveCaption", int32_t(0x80000002u)},    {"clInactiveCaption", int32_t(0x80000003u)},
    {"clMenu", int32_t(0x80000004u)},             {"clWindow", int32_t(0x80000005u)},
    {"clWindowFrame", int32_t(0x80000006u)},      {"clMenuText", int32_t(0x80000007u)},
    {"clWindowText", int32_t(0x80000008u)},       {"clCaptionText", int32_t(0x80000009u)},
    {"clActiveBorder", int32_t(0x8000000Au)},     {"clInactiveBorder", int32_t(0x8000000Bu)},
    {"clAppWorkSpace", int32_t(0x8000000Cu)},     {"clHighlight", int32_t(0x8000000Du)},
    {"clHighlightText", int32_t(0x8000000Eu)},    {"clBtnFace", int32_t(0x8000000Fu)},
    {"clBtnShadow", int32_t(0x80000010u)},        {"clGrayText", int32_t(0x80000011u)},
    {"clBtnText", int32_t(0x80000012u)},          {"clInactiveCaptionText", int32_t(0x80000013u)},
    {"clBtnHighlight", int32_t(0x80000014u)},     {"cl3DDkShadow", int32_t(0x80000015u)},
    {"cl3DLight", int32_t(0x80000016u)},          {"clInfoText", int32_t(0x80000017u)},
    {"clInfoBk", int32_t(0x80000018u)},           {"clNone", 0x1FFFFFFF},
};

constexpr TNamedValue kCursors[] = {
    {"crDefault", 0},     {"crArrow", -2},      {"crCross", -3},     {"crIBeam", -4},      {"crSize", -5},
    {"crSizeNESW", -6},   {"crSizeNS", -7},     {"crSizeNWSE", -8},  {"crSizeWE", -9},     {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12},      {"crNoDrop", -13},   {"crHSplit", -14},    {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17},   {"crNo", -18},       {"crAppStart", -19},  {"crHelp", -20},
};

template <size_t N> std::optional<QByteArray> NameOf(const TNamedValue (&table)[N], int32_t value)
{
    for (const TNamedValue& entry : table)
        if (entry.Value == value)
            return QByteArray(entry.Name);
    return std::nullopt;
}

template <size_t N> std::optional<int32_t> ValueOf(const TNamedValue (&table)[N], const QByteArray& name)
{
    for (const TNamedValue& entry : table)
        if (name.compare(entry.Name, Qt::CaseInsensitive) == 0)
            return entry.Value;
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> TLNames::ColorName(TColor color) { return NameOf(kColors, color); }
std::optional<TColor> TLNames::ColorFromName(const QByteArray& name) { return ValueOf(kColors, name); }
std::optional<QByteArray> TLNames::CursorName(int cursor) { return NameOf(kCursors, cursor); }
std::optional<int> TLNames::CursorFromName(const QByteArray& name) { return ValueOf(kCursors, name); }

QColor TLNames::ToQColor(TColor color)
{
    if (color == clNone)
        return Qt::transparent;
    if (uint32_t(color) & 0x80000000u) {
        // The usual look of the system colours: dark texts and frames, light faces and windows.
        switch (uint32_t(color) & 0xFF) {
        case 0x05: case 0x0E: case 0x14: case 0x16: case 0x18: return Qt::white;
        case 0x0F: case 0x04: case 0x0B: case 0x03: return QColor(0xF0, 0xF0, 0xF0);
        case 0x10: case 0x11: case 0x0C: return QColor(0x80, 0x80, 0x80);
        case 0x0D: case 0x02: return QColor(0x00, 0x78, 0xD7);
        default: return Qt::black;
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor TLNames::FromQColor(const QColor& color)
{
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

int TLNames::IndexOf(TLNameTable table, const QByteArray& name)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (name.compare(table[i], Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}
