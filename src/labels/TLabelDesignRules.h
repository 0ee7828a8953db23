// The rules of the label design screen that are not windows: the design surface sized and shaped
// from the stock, the "Layout:" and "Default Font:" captions, the default font for new objects
// (settings section "Label"), and the width rules of the postal barcodes (a POSTNET barcode
// needs a label 2.85 inches wide; an Intelligent Mail barcode needs room for its bars and the
// clear zones on both sides). Used by TLabelDesignScreen and its tests.
#pragma once

#include "TLabelStock.h"

#include "layout/TLBasePanel.h"
#include "layout/TLFont.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

class TIniFile;

// One barcode kind whose bars must fit across the label.
struct TLabelBarcodeRule {
    QString ToolCaption;   // the tool that draws it
    QByteArray ClassName;  // the object it draws
    TInches MinimumWidth;  // the narrowest label that takes it
    QString Refusal;       // shown instead of taking up the tool
    QString RemovalWarning; // shown when a layout change removes one
};

class TLabelDesignRules {
public:
    static constexpr int DescriptionTyped = 60;
    static constexpr int DescriptionKept = 50;
    static constexpr int ZoomMinimum = 40;
    static constexpr int ZoomMaximum = 160;

    // The surface of one label at 100 %, in layout pixels.
    static QSize SurfaceSize(const TLabelStock& stock);
    static TLabelShapeType SurfaceShape(const QString& shapeCode);
    // Gives the panel the stock's size and outline; false when they were already so.
    static bool SizeSurface(TLBasePanel& panel, const TLabelStock& stock);

    // "Layout:  " + the sheet's template, or the user-defined text for a typed stock.
    static QString LayoutCaption(const TLabelStock& stock);
    static QString DefaultFontCaption(const TLFont& font);
    static QString KeptDescription(const QString& typed) { return typed.left(DescriptionKept); }

    // The default font of new objects, read from and written to the section "Label".
    static TLFont ReadDefaultFont(const TIniFile& settings);
    static void WriteDefaultFont(TIniFile& settings, const TLFont& font);

    // POSTNET first, then the Intelligent Mail barcode.
    static const std::vector<TLabelBarcodeRule>& BarcodeRules();
    static const TLabelBarcodeRule* BarcodeRuleOfTool(const QString& toolCaption);
    // The message to show when the tool cannot be used on this stock; empty when it can.
    static QString ToolRefusal(const QString& toolCaption, const TLabelStock& stock);
    // After a layout change: for each barcode kind too wide for the stock now, the first such
    // object on the panel (front to back order as stored). The caller unselects and removes it.
    struct TRemoval {
        TLGraphicControl* Object;
        QString Warning;
    };
    static std::vector<TRemoval> BarcodesTooWide(const TLBasePanel& panel, const TLabelStock& stock);
};
