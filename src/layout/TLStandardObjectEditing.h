// The object dialogs and each object class's own menu entries, for the designer component: the
// set-up step of an object just drawn (the text editor of a text, "Select Field" of a data text,
// the symbol selector, the picture browser, ...) and the entries after the common ones of an
// object's menu, whose ticks and enabling follow the object each time the menu opens.
//
// Dialogs are shown through RunDialog, modal by default; tests replace it to fill a dialog in
// and answer it. Font and colour dialogs go through the prompt service.
#pragma once

#include "TLObjectEditing.h"

#include <functional>

class QDialog;
class TLBaseLabel;
class TLCounterLabel;
class TLDMultiLineAddressLabel;
class TLDMultiLineLabel;
class TLIMBarCode;
class TLImage;
class TLMultiLineBaseLabel;
class TLMultiLineLabel;
class TLPDLabel;
class TLPLabel;
class TLSymbolLabel;

class TLStandardObjectEditing : public TLObjectEditing {
public:
    TLStandardObjectEditing();

    // A new object is removed again only when the cancelled step leaves it printing nothing:
    // a data text without a field, a multi-line text without lines, a picture without a picture.
    bool SetUpNewObject(TLBasePanel& panel, TLGraphicControl& object, QWidget* parent) override;
    void AddClassEntries(QMenu& menu, TLBasePanel& panel, TLGraphicControl& object, QWidget* parent) override;

    // Shows a dialog and tells whether it was confirmed.
    std::function<bool(QDialog&)> RunDialog;

    // The commands behind the entries; each returns whether the object changed.
    bool EditText(TLPLabel& label, QWidget* parent);
    bool EditLines(TLMultiLineLabel& text, QWidget* parent);
    bool EditField(TLBasePanel& panel, TLPDLabel& label, QWidget* parent);
    bool EditMemoField(TLBasePanel& panel, TLDMultiLineLabel& memo, QWidget* parent);
    bool EditCounter(TLCounterLabel& counter, QWidget* parent);
    bool EditSymbol(TLSymbolLabel& symbol, QWidget* parent);
    bool Edit3DEffects(TLBaseLabel& label, QWidget* parent);
    bool EditAddressLayout(TLBasePanel& panel, TLDMultiLineAddressLabel& block, QWidget* parent);
    bool LoadImage(TLImage& image, QWidget* parent);
    bool EditIMbSettings(TLIMBarCode& barcode, QWidget* parent);
    bool EditFont(TLBaseLabel& label);
    bool EditFont(TLMultiLineBaseLabel& text);

private:
    bool Run(QDialog& dialog, QWidget* parent);
};
