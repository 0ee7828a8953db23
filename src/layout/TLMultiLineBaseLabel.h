// Multi-line text: fixed lines, a memo or an address block. Lines are drawn from the top, each
// the height of "XXX", aligned left, right or centred and clipped to the object; with
// `WordWrap` the lines are broken at blanks to the object's width first. On screen an empty
// text shows "<blank>" ("<blank memo>" for a memo); nothing of the kind is printed.
#pragma once

#include "TLFont.h"
#include "TLGraphicControl.h"

#include <QStringList>

class TLMultiLineBaseLabel : public TLGraphicControl {
public:
    QStringList Items;
    bool AutoSize = false;   // stored, no effect
    TAlignment Alignment = TAlignment::taLeftJustify;
    TLFont Font;

    bool WordWrap() const { return Wrap; }
    void SetWordWrap(bool wrap);
    // The lines drawn: the wrapped lines with WordWrap, else Items.
    const QStringList& Lines() const { return Wrap ? Wrapped : Items; }
    // Recomputes the wrapped lines (only with WordWrap); a memo fills itself again.
    virtual void Rewrap();
    // Widens to the widest line and takes the height of all lines.
    void SizeToText();
    // `text` broken at blanks into lines no wider than `width` in the object's font.
    QStringList WrapText(const QStringList& lines, int width) const;

    void Paint(QPainter& painter) override;
    void BoundsChanged() override;
    void ApplyFont(const TLFont& font) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

    void DrawLines(QPainter& painter, double zoom, bool printing) const;

protected:
    TLMultiLineBaseLabel() : TLGraphicControl(190, 33) {}
    bool ShowsMemo = false;
    QStringList Wrapped;

private:
    bool Wrap = false;
};

class TLMultiLineLabel : public TLMultiLineBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLMultiLineLabel"); }
};
