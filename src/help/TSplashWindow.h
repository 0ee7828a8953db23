// The splash window shown while the program starts: its name, version and a picture of its
// own. It closes itself as soon as any other window is shown (the main window or a dialog
// of the start-up), so it never covers one. Switched off in the preferences.
#pragma once

#include <QSplashScreen>

class TSplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    TSplashWindow();
    ~TSplashWindow() override;

    // Shows a splash unless the preferences switch it off; nullptr when not shown.
    static TSplashWindow* ShowIfWanted(bool wanted);
    static QPixmap Picture(); // drawn here, in the program's colours

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
