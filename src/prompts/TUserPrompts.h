// The one door through which the program asks the user anything: information boxes titled
// "Information", Yes/No questions with a caption and a default button, file dialogs, and the
// font and colour dialogs. Whoever starts the program installs the service: main() the real
// dialogs (TQtUserPrompts) for the windows, the command line its console prompts
// (TConsolePrompts), tests a TScriptedUserPrompts that records what was asked and answers from a
// script. With none installed, the console prompts answer on stderr.
//
// Callers use TUserPrompts::Current(); no other code shows a QMessageBox or QFileDialog itself.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

enum class TQuestionDefault { qdYes, qdNo };
enum class TYesNoCancel { yncYes, yncNo, yncCancel };

class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    // A notice or error in a box titled "Information" with one "OK" button.
    virtual void Information(const QString& text) = 0;
    // A Yes/No question whose window caption names the action; true only for Yes.
    virtual bool Question(const QString& caption, const QString& text,
                          TQuestionDefault defaultButton = TQuestionDefault::qdYes) = 0;
    // A Yes/No/Cancel question ("Save changes?" when a designer closes with unsaved work);
    // Cancel, Escape and the close box answer yncCancel. By default a plain Yes/No question.
    virtual TYesNoCancel YesNoCancel(const QString& caption, const QString& text)
    {
        return Question(caption, text) ? TYesNoCancel::yncYes : TYesNoCancel::yncNo;
    }
    // File dialogs; an empty result means the user cancelled. `filter` uses Qt's
    // "Description (*.ext)" form, several separated by ";;".
    virtual QString OpenFileName(const QString& caption, const QString& directory, const QString& filter) = 0;
    virtual QString SaveFileName(const QString& caption, const QString& directory, const QString& filter) = 0;
    // A save dialog that does not ask about an existing file, for callers that ask their own
    // question (and may change the name first); by default the plain save dialog.
    virtual QString SaveFileNameUnconfirmed(const QString& caption, const QString& directory, const QString& filter)
    {
        return SaveFileName(caption, directory, filter);
    }
    // A notice in a box with a caption of its own; by default the plain "Information" box.
    virtual void CaptionedInformation(const QString& /*caption*/, const QString& text) { Information(text); }
    virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> ChooseColor(const QColor& initial) = 0;

    // The service in force: the one installed, else the console prompts.
    static TUserPrompts& Current();
    // Installs `prompts` (not owned) as the service; nullptr leaves none installed.
    static void Install(TUserPrompts* prompts);
    // The service installed, nullptr when none is.
    static TUserPrompts* InstalledService();
};
