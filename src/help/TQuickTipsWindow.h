// The "Quick Tips" window: one tip at a time under its topic, "Back" and "Next" to page through
// the tips of every topic, a topic list to jump, "Close". The main window and the designers
// open it on their own topic.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class TQuickTipsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TQuickTipsWindow(const QString& topic = QString(), QWidget* parent = nullptr);
    // Opens a window that frees itself when closed.
    static TQuickTipsWindow* Open(const QString& topic, QWidget* parent);

    void NextButtonClick();
    void BackButtonClick();
    int Page() const { return Current; }

    QComboBox* TopicCombo = nullptr;
    QLabel* TipLabel = nullptr;
    QLabel* CountLabel = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    void ShowTip(int page);
    int Current = 0;
};
