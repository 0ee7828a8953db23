#include "TLMultiLineBaseLabel.h"

#include "TLStreamWriter.h"
#include "TLSymbolFonts.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include "output/TBaseReport.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

void TLMultiLineBaseLabel::SetWordWrap(bool wrap)
{
    Wrap = wrap;
    Rewrap();
}

QStringList TLMultiLineBaseLabel::WrapText(const QStringList& lines, int width) const
{
    const QFontMetrics metrics(Font.ToQFont());
    QStringList wrapped;
    for (const QString& line : lines) {
        const QStringList words = line.split(u' ');
        QString current;
        for (const QString& word : words) {
            const QString candidate = current.isEmpty() ? word : current + u' ' + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
                wrapped << current;
                current = word;
            } else {
                current = candidate;
            }
        }
        wrapped << current;
    }
    return wrapped;
}

void TLMultiLineBaseLabel::Rewrap()
{
    if (Wrap)
        Wrapped = WrapText(Items, Width());
}

void TLMultiLineBaseLabel::SizeToText()
{
    const QFontMetrics metrics(Font.ToQFont());
    int widest = Width();
    for (const QString& line : Lines())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    SetBounds(Left(), Top(), widest, std::max<int>(1, int(Lines().size())) * metrics.height());
}

void TLMultiLineBaseLabel::DrawLines(QPainter& painter, double zoom, bool printing) const
{
    QStringList lines = Lines();
    if (!printing) {
        const QString placeholder = ShowsMemo ? QStringLiteral("<blank memo>") : QStringLiteral("<blank>");
        if (lines.isEmpty())
            lines << placeholder;
        else if (lines.size() == 1 && Trim(lines.first()).isEmpty())
            lines << placeholder;
    }
    const QFont font = Font.ToQFont(zoom);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const int clientWidth = int(std::lround(Width() * zoom));
    painter.save();
    painter.setClipRect(QRectF(0, 0, Width() * zoom, Height() * zoom));
    painter.setFont(font);
    painter.setPen(Font.QtColor());
    int y = 0;
    for (const QString& line : lines) {
        const QString drawn = TLSymbolFonts::DrawingText(Font.Name, line);
        const int lineWidth = metrics.horizontalAdvance(drawn);
        int x = 0;
        if (Alignment == TAlignment::taRightJustify)
            x = clientWidth - lineWidth - 1;
        else if (Alignment == TAlignment::taCenter)
            x = clientWidth / 2 - lineWidth / 2;
        painter.drawText(QPoint(x, y + metrics.ascent()), drawn);
        y += lineHeight;
    }
    painter.restore();
}

void TLMultiLineBaseLabel::Paint(QPainter& painter) { DrawLines(painter, Zoom(), Printing()); }

void TLMultiLineBaseLabel::BoundsChanged()
{
    if (!Reading)
        Rewrap();
    TLGraphicControl::BoundsChanged();
}

void TLMultiLineBaseLabel::ApplyFont(const TLFont& font)
{
    Font = font;
    ShowData();
    Rewrap();
}

void TLMultiLineBaseLabel::Print(TBaseReport& report, TInches x, TInches y)
{
    bool anyText = false;
    for (const QString& line : Lines())
        anyText = anyText || !Trim(line).isEmpty();
    if (!anyText)
        return;
    // The lines as the screen places them, put on the page as real text clipped to the object.
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics(font);
    const TInchRect whole = PrintRect(x, y);
    Font.ApplyTo(report, font);
    int top = 0;
    for (const QString& line : Lines()) {
        const QString drawn = TLSymbolFonts::DrawingText(Font.Name, line);
        const int lineWidth = metrics.horizontalAdvance(drawn);
        int left = 0;
        if (Alignment == TAlignment::taRightJustify)
            left = Width() - lineWidth - 1;
        else if (Alignment == TAlignment::taCenter)
            left = Width() / 2 - lineWidth / 2;
        report.TextRect(whole, TLayoutUnits::ToInches(Left() + left) + x,
                        TLayoutUnits::ToInches(Top() + top + metrics.ascent()) + y, drawn);
        top += metrics.height();
    }
}

void TLMultiLineBaseLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (!Items.isEmpty())
        writer.Strings("Items.Strings", Items);
    writer.Boolean("AutoSize", AutoSize);
    if (Alignment != TAlignment::taLeftJustify)
        writer.Ident("Alignment", kAlignmentNames, int(Alignment));
    Font.Write(writer);
    if (Wrap)
        writer.Boolean("WordWrap", Wrap);
}

bool TLMultiLineBaseLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name.startsWith("Font."))
        return Font.Read(name.mid(5), value);
    if (name == "Items.Strings")
        Items = Strings(value);
    else if (name == "AutoSize")
        AutoSize = Boolean(value);
    else if (name == "Alignment")
        Alignment = EnumOf<TAlignment>(value, kAlignmentNames);
    else if (name == "WordWrap")
        Wrap = Boolean(value);
    else
        return TLGraphicControl::ReadProperty(name, value);
    return true;
}
