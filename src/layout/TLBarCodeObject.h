// What the postal barcode objects share: the mapping of their stored types onto the encoders'
// kinds, the text of the ZIP and address fields of the current record, and the dashed outline
// an object shows on screen when it has nothing better to show.
#pragma once

#include "TLGraphicControl.h"
#include "TFimEncoder.h"
#include "TRoutingDigits.h"

class TLBarCodeObject : public TLGraphicControl {
public:
    void Paint(QPainter& painter) override;
    // A barcode drawn at one size keeps its frame on what it draws: a drag or a resize that
    // asks for another size gets this one (clicks on the bars then select the object). A
    // stored layout is read as it was written.
    virtual QSize DrawnSize() const { return {}; }
    void BoundsChanged() override;

    // The ZIP and address line of the current record, read by ShowAddress (empty when a field is
    // missing), the address line in its postal standard form; ClearData empties them.
    QString ZipText;
    QString StreetText;
    void ClearData() override;

    static TRoutingDigits RoutingOf(TPostNetBarCodeType type);
    static TRoutingDigits RoutingOf(TIMbRoutingType type);
    static TFimKind KindOf(TFIMBarCodeType type);

protected:
    using TLGraphicControl::TLGraphicControl;

    // The field's text in the current record of the panel's data set; empty when there is no
    // data set, the field is missing or cannot be read.
    QString FieldText(const QString& fieldName) const;
    void ShowAddress(const QString& zipField, const QString& streetField);
    // Where the barcode's top-left corner lands on the page when the panel prints at (x, y).
    TInchPoint PrintOrigin(TInches x, TInches y) const;
};
