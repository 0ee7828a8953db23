#include "TLetterRuler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace {
constexpr int RulerHeight = 26;
constexpr double GrabDistance = 5;
}

TLetterRuler::TLetterRuler(QTextEdit& editor, QWidget* parent) : QWidget(parent), Editor(editor)
{
    setMouseTracking(false);
    setFixedHeight(RulerHeight);
    connect(&Editor, &QTextEdit::cursorPositionChanged, this, qOverload<>(&QWidget::update));
    connect(Editor.horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize TLetterRuler::sizeHint() const { return {400, RulerHeight}; }

void TLetterRuler::SetTextWidth(double pixels)
{
    TextWidth = pixels;
    update();
}

double TLetterRuler::Origin() const
{
    // The ruler and the editor are siblings: they meet in screen coordinates.
    const int viewportLeft = Editor.viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    return viewportLeft + Editor.document()->documentMargin()
        - Editor.horizontalScrollBar()->value();
}

double TLetterRuler::MarkerX(TMarker marker) const
{
    const QTextBlockFormat format = Editor.textCursor().blockFormat();
    switch (marker) {
    case TMarker::First: return format.leftMargin() + format.textIndent();
    case TMarker::Left: return format.leftMargin();
    case TMarker::Right: return TextWidth - format.rightMargin();
    case TMarker::None: break;
    }
    return 0;
}

void TLetterRuler::SetMarker(TMarker marker, double x)
{
    QTextCursor caret = Editor.textCursor();
    QTextBlock block = Editor.document()->findBlock(caret.selectionStart());
    const QTextBlock last = Editor.document()->findBlock(caret.selectionEnd());
    x = std::clamp(x, 0.0, TextWidth);
    for (; block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const double first = format.leftMargin() + format.textIndent();
        switch (marker) {
        case TMarker::First: format.setTextIndent(x - format.leftMargin()); break;
        case TMarker::Left:
            format.setLeftMargin(x);
            format.setTextIndent(first - x); // the first line stays where it was
            break;
        case TMarker::Right: format.setRightMargin(TextWidth - x); break;
        case TMarker::None: break;
        }
        QTextCursor(block).setBlockFormat(format);
        if (block == last)
            break;
    }
    update();
}

TLetterRuler::TMarker TLetterRuler::MarkerAt(double x, double y) const
{
    const double at = x - Origin();
    // The first-line marker hangs from the top, the left one stands at the bottom.
    if (std::abs(at - MarkerX(TMarker::First)) <= GrabDistance && y < height() / 2.0)
        return TMarker::First;
    if (std::abs(at - MarkerX(TMarker::Left)) <= GrabDistance)
        return TMarker::Left;
    if (std::abs(at - MarkerX(TMarker::Right)) <= GrabDistance)
        return TMarker::Right;
    return TMarker::None;
}

void TLetterRuler::mousePressEvent(QMouseEvent* event) { Dragged = MarkerAt(event->position().x(), event->position().y()); }

void TLetterRuler::mouseMoveEvent(QMouseEvent* event)
{
    if (Dragged != TMarker::None)
        SetMarker(Dragged, event->position().x() - Origin());
}

void TLetterRuler::mouseReleaseEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
    Dragged = TMarker::None;
}

void TLetterRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const double origin = Origin();
    painter.fillRect(QRectF(origin, 3, TextWidth, height() - 6), palette().base());
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    painter.setPen(palette().text().color());
    QFont small = font();
    small.setPointSizeF(7);
    painter.setFont(small);
    for (int eighth = 0; eighth * dpi / 8 <= TextWidth; ++eighth) {
        const double x = origin + eighth * dpi / 8;
        const int tick = eighth % 8 == 0 ? 0 : (eighth % 4 == 0 ? 8 : (eighth % 2 == 0 ? 5 : 3));
        if (tick == 0 && eighth > 0)
            painter.drawText(QRectF(x - 10, 4, 20, height() - 8), Qt::AlignCenter, QString::number(eighth / 8));
        else if (tick > 0)
            painter.drawLine(QPointF(x, height() / 2.0 - tick / 2.0), QPointF(x, height() / 2.0 + tick / 2.0));
    }
    // Tab stops.
    for (const QTextOption::Tab& tab : Editor.textCursor().blockFormat().tabPositions())
        painter.drawLine(QPointF(origin + tab.position, height() - 8), QPointF(origin + tab.position, height() - 3));
    // Indent markers: first line hangs from the top, left and right stand at the bottom.
    painter.setBrush(palette().highlight());
    const auto triangle = [&](double x, bool fromTop) {
        const double y = fromTop ? 0 : height();
        const double d = fromTop ? 7 : -7;
        painter.drawPolygon(QPolygonF({QPointF(x - 5, y), QPointF(x + 5, y), QPointF(x, y + d)}));
    };
    triangle(origin + MarkerX(TMarker::First), true);
    triangle(origin + MarkerX(TMarker::Left), false);
    triangle(origin + MarkerX(TMarker::Right), false);
}
