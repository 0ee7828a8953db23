// The designer's ruler in inches above the text: ticks every eighth of an inch, numbers every
// inch, the text area between the margins, the caret's paragraph indents (first line, left,
// right) as markers and its tab stops. Dragging an indent marker sets that indent on the
// selected paragraphs.
#pragma once

#include <QWidget>

class QTextEdit;

class TLetterRuler : public QWidget {
    Q_OBJECT
public:
    enum class TMarker { None, First, Left, Right };

    TLetterRuler(QTextEdit& editor, QWidget* parent = nullptr);
    // The width of the text area in screen pixels (page width less both margins).
    void SetTextWidth(double pixels);
    // Moves a marker to `x` (pixels from the left margin) and sets the indent it stands for.
    void SetMarker(TMarker marker, double x);
    double MarkerX(TMarker marker) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double Origin() const; // where the left margin is in the ruler
    TMarker MarkerAt(double x, double y) const;

    QTextEdit& Editor;
    double TextWidth = 0;
    TMarker Dragged = TMarker::None;
};
