// The spelling check of the letter designer ("Spell Check"): goes through the document's words
// from its start, stops at each one neither dictionary knows, offers up to 10 replacements and
// replaces (this once, or "Replace All": here and wherever the word comes again), skips or
// adds the word to the user dictionary. Words with digits and the words of
// merge fields ("[Full Name]") are not checked. On closing the caret goes to the start.
#pragma once

#include "richtext/TRichWordIterator.h"
#include "spelling/TViredSpell.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TRichDocument;

class TSpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int SuggestionCount = 10;

    // Opens "quorva.dct" and "quorvau.dct" (created when missing) from the program folder.
    explicit TSpellCheckDialog(TRichDocument& document, QWidget* parent = nullptr);
    ~TSpellCheckDialog() override;

    // Called with the document's caret whenever the selection changes (the editor shows it).
    std::function<void()> OnSelectionChanged;
    // Called after each replacement, before the next word is selected, so the editor can show
    // the changed text at once (and the next selection lands on the word it names).
    std::function<void()> OnTextChanged;

    // Looks for the next unknown word; false (after "Spell check complete") when none is left.
    bool CheckNextWord();
    void ReplaceClick();
    void ReplaceAllClick();
    void SkipWordClick();
    void AddWordClick();

    QLabel* ErrorLabel;
    QLineEdit* ReplaceWithEdit;
    QListWidget* SuggestionList;
    QPushButton* ReplaceButton;
    QPushButton* ReplaceAllButton;
    QPushButton* SkipButton;
    QPushButton* AddButton;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    bool Checkable(const QString& word) const;
    void Finish();
    void Replace(const QString& text);

    TRichDocument& Document;
    TRichWordIterator Words;
    TViredSpell Spell;
    int UserHandle = TViredSpell::CannotOpen;
    bool Started = false;
    bool Finished = false;
    QHash<QString, QString> ReplaceAlways; // word -> its replacement, from Replace All
};
