// A TUserPrompts for tests: every request is recorded (kind, caption, text, default button)
// and answered from a queue the test filled beforehand. A question or dialog with no scripted
// answer is answered "No"/cancelled and counted in Unanswered(), so a test can tell that the
// code asked something it did not expect. Installs itself for its lifetime.
#pragma once

#include "TUserPrompts.h"

#include <QStringList>
#include <deque>
#include <variant>
#include <vector>

enum class TPromptKind { pkInformation, pkQuestion, pkYesNoCancel, pkOpenFile, pkSaveFile, pkFont, pkColor };

struct TPromptRecord {
    TPromptKind Kind;
    QString Caption;
    QString Text;
    TQuestionDefault Default = TQuestionDefault::qdYes;
};

class TScriptedUserPrompts final : public TUserPrompts {
public:
    using TAnswer = std::variant<bool, QString, QFont, QColor, TYesNoCancel>;

    TScriptedUserPrompts();
    ~TScriptedUserPrompts() override;

    // Answers, consumed in order: bool for questions, QString for file dialogs (empty = cancel),
    // QFont / QColor for the font and colour dialogs, TYesNoCancel for a three-way question (an
    // unscripted one is answered Cancel, which keeps whatever the user had).
    void Answer(TAnswer answer) { Answers.push_back(std::move(answer)); }

    const std::vector<TPromptRecord>& Asked() const { return Records; }
    QStringList Texts() const;   // the text of every request, in order
    int Unanswered() const { return UnansweredCount; }
    void Clear();

    void Information(const QString& text) override;
    void CaptionedInformation(const QString& caption, const QString& text) override;
    bool Question(const QString& caption, const QString& text, TQuestionDefault defaultButton) override;
    TYesNoCancel YesNoCancel(const QString& caption, const QString& text) override;
    QString OpenFileName(const QString& caption, const QString& directory, const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& directory, const QString& filter) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    std::optional<QColor> ChooseColor(const QColor& initial) override;

private:
    template <typename T> std::optional<T> Take();

    std::deque<TAnswer> Answers;
    std::vector<TPromptRecord> Records;
    int UnansweredCount = 0;
};
