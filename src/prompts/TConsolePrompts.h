// The prompt service of the command line: notices go to stderr, questions are answered "No"
// (a script cannot answer), file dialogs are cancelled. An instance made with `install` is the
// service in force while it lives and puts the one before it back when it goes. It is also what
// answers when no service was installed at all.
#pragma once

#include "prompts/TUserPrompts.h"

class QTextStream;

class TConsolePrompts final : public TUserPrompts {
public:
    explicit TConsolePrompts(QTextStream& err, bool install = true);
    ~TConsolePrompts() override;

    void Information(const QString& text) override;
    bool Question(const QString& caption, const QString& text, TQuestionDefault defaultButton) override;
    QString OpenFileName(const QString&, const QString&, const QString&) override { return QString(); }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return QString(); }
    std::optional<QFont> ChooseFont(const QFont&) override { return std::nullopt; }
    std::optional<QColor> ChooseColor(const QColor&) override { return std::nullopt; }

private:
    QTextStream& Err;
    bool Installed;
    TUserPrompts* Previous = nullptr;
};
