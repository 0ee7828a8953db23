// The real dialogs behind TUserPrompts, installed by main() for the windows,
// each over the window that asked (DialogParent).
#pragma once

#include "TUserPrompts.h"

class QWidget;

class TQtUserPrompts final : public TUserPrompts {
public:
    void Information(const QString& text) override;
    bool Question(const QString& caption, const QString& text, TQuestionDefault defaultButton) override;
    TYesNoCancel YesNoCancel(const QString& caption, const QString& text) override;
    QString OpenFileName(const QString& caption, const QString& directory, const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& directory, const QString& filter) override;
    QString SaveFileNameUnconfirmed(const QString& caption, const QString& directory, const QString& filter) override;
    void CaptionedInformation(const QString& caption, const QString& text) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    std::optional<QColor> ChooseColor(const QColor& initial) override;

    // The window dialogs are shown over (the main window once it exists).
    static void SetParentWindow(QWidget* parent);
    static QWidget* ParentWindow();
    // The window a box is shown over: the active modal window, else ParentWindow(), else the
    // active window.
    static QWidget* DialogParent();
};
