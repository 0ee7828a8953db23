// The letter preview ("Preview Letters Page n"): the template merged with the main window's
// current record, one page at a time on white paper at a zoom. Zoom starts at the page width;
// in x1.25 while under 150 (button or left click), out x0.75 while over 50 (button or any other
// mouse button); next and previous pages through a stack of page starts; the record buttons
// move the main window's record and merge again from page 1.
#pragma once

#include "richtext/TRichDocument.h"

#include <QDate>
#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class TAddressTable;

class TRTFPreviewForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaximumZoomToGrow = 150;
    static constexpr int MinimumZoomToShrink = 50;

    TRTFPreviewForm(TAddressTable& table, const TRichDocument& letter, QWidget* parent = nullptr);
    static void Execute(QWidget* parent, TAddressTable& table, const TRichDocument& letter);

    int Zoom() const { return ZoomPercent; }
    void SetZoom(int percent);
    void ZoomInClick();
    void ZoomOutClick();
    void PageWidthClick();
    void WholePageClick();
    void NextPageClick();
    void PreviousPageClick();
    // -1 first, -2 previous, +2 next, +1 last.
    void MoveRecord(int how);
    int PageNumber() const { return Page; }
    void SetToday(const QDate& today) { Today = today; }
    // Merges the template with the current record again and shows page 1.
    void Remerge();

    QLabel* PageView;
    QScrollArea* Scroller;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Draw();
    double ScreenDpi() const;

    TAddressTable& Table;
    const TRichDocument& Template;
    TRichDocument Working;
    QDate Today = QDate::currentDate();
    int ZoomPercent = 100;
    int Start = 0;
    int NextStart = 0;
    std::vector<int> Starts;
    int Page = 1;
    bool Activated = false;
};
