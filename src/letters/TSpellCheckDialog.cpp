#include "TSpellCheckDialog.h"

#include "prompts/TUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "spelling/TSpellingFiles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

TSpellCheckDialog::TSpellCheckDialog(TRichDocument& document, QWidget* parent)
    : QDialog(parent), Document(document), Words(document)
{
    setWindowTitle(QStringLiteral("Spell Check"));
    ErrorLabel = new QLabel;
    ErrorLabel->setMinimumWidth(200);
    ReplaceWithEdit = new QLineEdit;
    SuggestionList = new QListWidget;
    ReplaceButton = new QPushButton(QStringLiteral("Replace "));
    ReplaceAllButton = new QPushButton(QStringLiteral("Replace &All"));
    SkipButton = new QPushButton(QStringLiteral("&Skip Word"));
    AddButton = new QPushButton(QStringLiteral("&Add Word"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Possible spelling error")), 0, 0);
    grid->addWidget(ErrorLabel, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Replace with")), 1, 0);
    grid->addWidget(ReplaceWithEdit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Possible replacements")), 2, 0, 1, 2);
    grid->addWidget(SuggestionList, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ReplaceButton, ReplaceAllButton, SkipButton, AddButton, closeButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 4, 1);

    connect(ReplaceButton, &QPushButton::clicked, this, &TSpellCheckDialog::ReplaceClick);
    connect(ReplaceAllButton, &QPushButton::clicked, this, &TSpellCheckDialog::ReplaceAllClick);
    connect(SkipButton, &QPushButton::clicked, this, &TSpellCheckDialog::SkipWordClick);
    connect(AddButton, &QPushButton::clicked, this, &TSpellCheckDialog::AddWordClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    const auto copySuggestion = [this](QListWidgetItem* item) {
        if (item)
            ReplaceWithEdit->setText(item->text());
    };
    connect(SuggestionList, &QListWidget::itemClicked, this, copySuggestion);
    connect(SuggestionList, &QListWidget::itemDoubleClicked, this, copySuggestion);

    UserHandle = TSpellingFiles::Open(Spell, true, nullptr);
    Spell.MaxSuggestions = SuggestionCount;
    AddButton->setEnabled(UserHandle >= 0);
    if (UserHandle < 0) {
        // A file in the user dictionary's place that is not one is never written to.
        const QString notice = Spell.LastError() + QStringLiteral("; words cannot be added.");
        AddButton->setToolTip(notice);
        TUserPrompts::Current().Information(notice);
    }
    Words.GoToStart();
}

TSpellCheckDialog::~TSpellCheckDialog() = default;

void TSpellCheckDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Started) {
        Started = true;
        QTimer::singleShot(0, this, [this] { CheckNextWord(); });
    }
}

// Words with digits, and the words of a merge field, are not the user's prose.
bool TSpellCheckDialog::Checkable(const QString& word) const
{
    for (const QChar c : word)
        if (c.isDigit())
            return false;
    const QTextCursor& caret = Document.Caret();
    const QTextBlock block = Document.Content().findBlock(caret.selectionStart());
    const QString line = block.text();
    const int start = caret.selectionStart() - block.position();
    const int open = static_cast<int>(line.lastIndexOf(QLatin1Char('['), start));
    if (open < 0)
        return true;
    const int closeBefore = static_cast<int>(line.lastIndexOf(QLatin1Char(']'), start));
    return closeBefore > open || line.indexOf(QLatin1Char(']'), start) < 0;
}

bool TSpellCheckDialog::CheckNextWord()
{
    Started = true; // a check begun before the dialog shows is not begun again
    while (Words.NextWord()) {
        const QString word = Words.Word();
        if (!Checkable(word) || Spell.Check(word))
            continue;
        if (const auto always = ReplaceAlways.constFind(word); always != ReplaceAlways.cend()) {
            Replace(*always);
            continue;
        }
        const QStringList suggestions = Spell.Suggestions(word);
        SuggestionList->clear();
        SuggestionList->addItems(suggestions);
        ErrorLabel->setText(word);
        ReplaceWithEdit->setText(suggestions.isEmpty() ? word : suggestions.front());
        if (OnSelectionChanged)
            OnSelectionChanged();
        return true;
    }
    Finish();
    return false;
}

void TSpellCheckDialog::Finish()
{
    if (Finished)
        return;
    Finished = true;
    hide();
    TUserPrompts::Current().Information(QStringLiteral("Spell check complete"));
    done(QDialog::Accepted);
}

void TSpellCheckDialog::Replace(const QString& text)
{
    Words.ReplaceSelection(text);
    if (OnTextChanged)
        OnTextChanged();
}

void TSpellCheckDialog::ReplaceClick()
{
    Replace(ReplaceWithEdit->text());
    CheckNextWord();
}

void TSpellCheckDialog::ReplaceAllClick()
{
    ReplaceAlways.insert(ErrorLabel->text(), ReplaceWithEdit->text());
    ReplaceClick();
}

void TSpellCheckDialog::SkipWordClick() { CheckNextWord(); }

void TSpellCheckDialog::AddWordClick()
{
    const QString word = ErrorLabel->text();
    if (!word.isEmpty() && !Spell.Add(word, UserHandle))
        TUserPrompts::Current().Information(Spell.LastError());
    CheckNextWord();
}

// Closing by any way leaves the caret at the start with no selection.
void TSpellCheckDialog::done(int result)
{
    Finished = true;
    Document.SetCaret(0);
    if (OnSelectionChanged)
        OnSelectionChanged();
    Spell.Close();
    QDialog::done(result);
}
