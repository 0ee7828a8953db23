// The bars around a report band on the design screen: the caption bar with the band's check
// box ("Header", "Detail", "Memo", "Footer"; the memo's also with its "Properties" button) and
// the sizer bar below it that the user drags to change the band's height.
#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QToolButton;

class TReportCaptionBar : public QWidget {
    Q_OBJECT
public:
    TReportCaptionBar(const QString& caption, QWidget* parent = nullptr);
    QCheckBox* Check = nullptr;
    QToolButton* PropertiesButton = nullptr; // the memo band's only

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TReportSizerBar : public QWidget {
    Q_OBJECT
public:
    explicit TReportSizerBar(QWidget* parent = nullptr);
    // Called with the pointer's travel since the press while dragging, and on release.
    std::function<void()> OnPress;
    std::function<void(int travel)> OnDrag;
    std::function<void()> OnRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Dragging = false;
    int PressY = 0;
};

// The memo band's strip: the current record's memo, read-only, in the memo font and alignment,
// black on white whatever the page area around it looks like.
class TReportMemoStrip : public QWidget {
    Q_OBJECT
public:
    explicit TReportMemoStrip(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetText(const QString& text, Qt::Alignment alignment);
    QString text() const { return Text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString Text;
    Qt::Alignment Alignment = Qt::AlignLeft;
};
