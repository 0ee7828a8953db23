// The Getting Started window shown after start-up: a short page of help shipped with the
// program, and "Do not show this screen at start up", written back to Misc/GettingStarted.
#pragma once

#include <QDialog>

class QCheckBox;
class QTextBrowser;

class TGettingStartedForm : public QDialog {
    Q_OBJECT
public:
    explicit TGettingStartedForm(QWidget* parent = nullptr);
    static QString PageHtml();

    QTextBrowser* Page = nullptr;
    QCheckBox* DoNotShowCheck = nullptr;

protected:
    void done(int result) override;
};
