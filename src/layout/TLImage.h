// A picture on the layout: a bitmap, icon or metafile kept in the layout itself. The picture
// always fills the object on screen; `Stretch` is always the opposite of `AutoSize`, and with
// AutoSize the object takes the picture's size. `Flip` and `Reverse` mirror bitmaps only.
#pragma once

#include "TLGraphicControl.h"
#include "TLPicture.h"

class TLImage : public TLGraphicControl {
public:
    TLImage() : TLGraphicControl(105, 105) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLImage"); }

    TLPicture Picture;
    TBorderStyle BorderStyle = TBorderStyle::bsNone;
    bool Flip = false;
    bool Reverse = false;

    bool AutoSize() const { return AutoSizing; }
    bool Stretch() const { return !AutoSizing; }
    void SetAutoSize(bool autoSize);
    void SetStretch(bool stretch) { AutoSizing = !stretch; }
    // Takes a new picture and re-applies AutoSize.
    void SetPicture(const TLPicture& picture);

    void Paint(QPainter& painter) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

private:
    void ApplyAutoSize();
    bool AutoSizing = false;
};
