// The letter designer ("Letter Designer"): the description, the letter's text in a rich-text
// editor with its tool bar (font, size, colours, normal/bold/italic/underline, alignments, copy,
// cut, paste), "Insert field" for the 25 merge fields, the menus (RTF files, spelling check,
// page break, word wrap, default font), a status bar with line and column, "Preview", "Ok" and
// "Cancel". It edits a copy of the document it is given and writes it back on OK.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>

#include <memory>

class QAction;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class TAddressTable;
class TLetterRuler;
class TSpellHighlighter;
class TViredSpell;
class TRichDocument;
struct TParagraphSettings;
struct TRichPageLayout;

class TLetterDesign : public QDialog {
    Q_OBJECT
public:
    TLetterDesign(TAddressTable& table, TRichDocument& document, const QString& description, QWidget* parent = nullptr);
    ~TLetterDesign() override;
    // True on OK, with `description` and `document` holding the edited letter.
    static bool Execute(QWidget* parent, TAddressTable& table, QString& description, TRichDocument& document);

    QString Description() const;
    // True once the text, its formats, the page or the description changed since opening.
    bool Unsaved() const { return Edited; }
    // The edited text into the letter's document (OK, preview, spelling and RTF files do this).
    void CommitToLetter();
    void InsertField(const QString& name);
    void InsertPageBreakClick();
    void SpellCheckClick();
    void ParagraphSettingsClick();
    void PageSettingsClick();
    void ApplyPageLayout(const TRichPageLayout& layout);
    void ApplyParagraphSettings(const TParagraphSettings& chosen);
    void ToggleWordWrap();
    void SetSpellingAsYouType(bool on);
    void DefaultFontClick();
    void PreviewClick();
    // The default font of the settings section `Letter`.
    static QFont DefaultFont();

    QLineEdit* DescriptionEdit;
    QComboBox* FieldBox;
    QTextEdit* Editor;
    QAction* SpellCheckAction;
    QAction* WordWrapAction;
    QAction* DefaultFontAction;
    QAction* SpellAsYouTypeAction;
    QLabel* PositionLabel;
    TLetterRuler* Ruler = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    // Cancel, Escape and the close box: "Save changes?" first when the letter was edited.
    void reject() override;

private:
    QWidget* BuildToolBar();
    void BuildMenus(QMenuBar* menus);
    void ApplyWrap();
    void ShowContextMenu(const QPoint& at);
    void ReloadFromLetter();
    void ShowCharacterFormat(const QTextCharFormat& format);
    double ScreenPerLayout() const;
    static void ScaleIndents(QTextBlockFormat& format, double factor);
    static void ScaleDocument(QTextDocument& text, double factor);
    void ShowPosition();
    int CaretPage() const;
    void SetDefaultFontCaption();

    TAddressTable& Table;
    TRichDocument& Document;
    std::unique_ptr<QTextDocument> Shown;
    std::unique_ptr<TViredSpell> LiveSpell;
    int LiveUserHandle = -1;
    QPointer<TSpellHighlighter> Highlighter; // owned by the shown document
    QFontComboBox* FontBox = nullptr;
    QComboBox* SizeBox = nullptr;
    bool WordWrapOn = false;
    bool Activated = false;
    bool Edited = false;
    bool Reloading = false; // the editor's document is being replaced, not edited
};
