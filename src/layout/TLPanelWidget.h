// Shows a layout panel on screen at its zoom, scaled for the screen's pixels per inch. The
// background and every object are composed off screen and copied in one step; objects are
// drawn by their own Paint, back to front. Mouse handling (selection, dragging, drawing new
// objects) belongs to the designer that hosts this widget.
#pragma once

#include <QWidget>

class TLBasePanel;

class TLPanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit TLPanelWidget(TLBasePanel& panel, QWidget* parent = nullptr);

    TLBasePanel& Panel() const { return Model; }
    // View pixels per layout pixel: the zoom times the screen's pixels per inch over 96.
    double ViewScale() const;
    void SetZoom(double zoom);
    // The panel composed at the current view scale (what paintEvent copies to the screen).
    QImage Compose() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLBasePanel& Model;
};
