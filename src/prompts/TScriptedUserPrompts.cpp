#include "TScriptedUserPrompts.h"

TScriptedUserPrompts::TScriptedUserPrompts() { Install(this); }
TScriptedUserPrompts::~TScriptedUserPrompts() { Install(nullptr); }

template <typename T> std::optional<T> TScriptedUserPrompts::Take()
{
    if (Answers.empty() || !std::holds_alternative<T>(Answers.front())) {
        ++UnansweredCount;
        return std::nullopt;
    }
    T value = std::get<T>(Answers.front());
    Answers.pop_front();
    return value;
}

QStringList TScriptedUserPrompts::Texts() const
{
    QStringList texts;
    for (const auto& record : Records)
        texts << record.Text;
    return texts;
}

void TScriptedUserPrompts::Clear()
{
    Answers.clear();
    Records.clear();
    UnansweredCount = 0;
}

void TScriptedUserPrompts::Information(const QString& text)
{
    Records.push_back({TPromptKind::pkInformation, QStringLiteral("Information"), text});
}

void TScriptedUserPrompts::CaptionedInformation(const QString& caption, const QString& text)
{
    Records.push_back({TPromptKind::pkInformation, caption, text});
}

bool TScriptedUserPrompts::Question(const QString& caption, const QString& text, TQuestionDefault defaultButton)
{
    Records.push_back({TPromptKind::pkQuestion, caption, text, defaultButton});
    return Take<bool>().value_or(false);
}

TYesNoCancel TScriptedUserPrompts::YesNoCancel(const QString& caption, const QString& text)
{
    Records.push_back({TPromptKind::pkYesNoCancel, caption, text});
    return Take<TYesNoCancel>().value_or(TYesNoCancel::yncCancel);
}

QString TScriptedUserPrompts::OpenFileName(const QString& caption, const QString& directory, const QString&)
{
    Records.push_back({TPromptKind::pkOpenFile, caption, directory});
    return Take<QString>().value_or(QString());
}

QString TScriptedUserPrompts::SaveFileName(const QString& caption, const QString& directory, const QString&)
{
    Records.push_back({TPromptKind::pkSaveFile, caption, directory});
    return Take<QString>().value_or(QString());
}

std::optional<QFont> TScriptedUserPrompts::ChooseFont(const QFont& initial)
{
    Records.push_back({TPromptKind::pkFont, QStringLiteral("Font"), initial.family()});
    return Take<QFont>();
}

std::optional<QColor> TScriptedUserPrompts::ChooseColor(const QColor& initial)
{
    Records.push_back({TPromptKind::pkColor, QStringLiteral("Color"), initial.name()});
    return Take<QColor>();
}
