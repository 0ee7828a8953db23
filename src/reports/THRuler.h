// The horizontal inch ruler above the report bands: a tick every 1/16 inch (a quarter of the
// height), half height at each half inch, full height at each inch with its number beside it,
// grey on yellow. `StartInch` is the inch value at its left edge, so the numbers count from the
// paper's left edge.
#pragma once

#include <QWidget>

class THRuler : public QWidget {
    Q_OBJECT
public:
    explicit THRuler(QWidget* parent = nullptr);

    double StartInch() const { return Start; }
    void SetStartInch(double inches);
    int AlignHRuler() const { return Align; }
    // Only 0, 1 and 2 are accepted (no alignment, top, bottom); others are ignored.
    void SetAlignHRuler(int align);
    // Pixels per inch the ticks are spaced for (the layout's, times the designer's zoom).
    void SetPixelsPerInch(double pixelsPerInch);

    // The tick at `x` pixels: its 1/16 index and its length; what paintEvent draws.
    struct TTick {
        int X;
        int Index;
        int Length;
    };
    std::vector<TTick> Ticks() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double Start = 0.0;
    int Align = 0;
    double Ppi;
};
