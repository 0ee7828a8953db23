// Keeps every window of the program within the screen: each window, as it is shown, is shrunk
// and moved so that its frame lies inside the screen's available area (TWindowPlacement::
// FitOnScreen). Windows that load a remembered placement fit it themselves, after this.
// Install() once, after the QApplication exists.
#pragma once

#include <QObject>

class TScreenFit final : public QObject {
public:
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
