#include "TLetterDesign.h"

#include "TLetterFindDialog.h"
#include "TLetterMerge.h"
#include "TLetterPageSettings.h"
#include "TLetterRuler.h"
#include "TLetterStore.h"
#include "TParagraphProperties.h"
#include "TRTFPreviewForm.h"
#include "TSpellCheckDialog.h"
#include "TSpellHighlighter.h"

#include "data/TSafeFileWriter.h"
#include "prompts/TSaveChangesQuestion.h"
#include "prompts/TUserPrompts.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TWindowPlacement.h"
#include "spelling/TSpellingFiles.h"

#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString PlacementName = QStringLiteral("TLetterDesign");
const QString Section = QStringLiteral("Letter");
constexpr int SmallestFontSize = 6;

QToolButton* ToolButton(const QString& text, const QString& tip)
{
    auto* button = new QToolButton;
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TLetterDesign::TLetterDesign(TAddressTable& table, TRichDocument& document, const QString& description, QWidget* parent)
    : QDialog(parent), Table(table), Document(document)
{
    setWindowTitle(QStringLiteral("Letter Designer"));
    resize(860, 700);
    DescriptionEdit = new QLineEdit(description);
    DescriptionEdit->setMaxLength(50);
    FieldBox = new QComboBox;
    FieldBox->addItem(QStringLiteral("Insert field"));
    FieldBox->addItems(TLetterMerge::FieldNames());
    Editor = new QTextEdit;
    Editor->setAcceptRichText(true);
    PositionLabel = new QLabel;

    auto* menus = new QMenuBar;
    BuildMenus(menus);

    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Description")));
    head->addWidget(DescriptionEdit, 1);
    head->addWidget(FieldBox);

    auto* preview = new QPushButton(QStringLiteral("Preview"));
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PositionLabel, 1);
    for (QPushButton* button : {preview, ok, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(head);
    layout->addWidget(BuildToolBar());
    Ruler = new TLetterRuler(*Editor);
    layout->addWidget(Ruler);
    layout->setSpacing(2);
    layout->addWidget(Editor, 1);
    layout->addLayout(buttons);

    connect(FieldBox, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            InsertField(FieldBox->itemText(index));
        FieldBox->setCurrentIndex(0);
    });
    connect(preview, &QPushButton::clicked, this, &TLetterDesign::PreviewClick);
    connect(ok, &QPushButton::clicked, this, [this] {
        // A name the letter list cannot store would come back with "?" and could take the
        // place of another letter's.
        if (const QString refusal = TLetterStore::NameRefusal(DescriptionEdit->text()); !refusal.isEmpty()) {
            TUserPrompts::Current().Information(refusal);
            return;
        }
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Editor, &QTextEdit::cursorPositionChanged, this, &TLetterDesign::ShowPosition);
    connect(Editor, &QTextEdit::textChanged, this, [this] {
        if (!Reloading)
            Edited = true;
    });
    connect(DescriptionEdit, &QLineEdit::textEdited, this, [this] { Edited = true; });
    connect(Editor, &QTextEdit::currentCharFormatChanged, this, &TLetterDesign::ShowCharacterFormat);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Editor, &QTextEdit::customContextMenuRequested, this, &TLetterDesign::ShowContextMenu);
    ReloadFromLetter();

    // A new letter starts in the default font.
    if (Document.Content().isEmpty()) {
        QTextCharFormat format;
        format.setFont(DefaultFont());
        Editor->setCurrentCharFormat(format);
    }
    ApplyWrap();
    ShowPosition();
    ShowCharacterFormat(Editor->currentCharFormat());
}

// The editor lets go of the shown document before it goes.
TLetterDesign::~TLetterDesign()
{
    delete Highlighter;
    Editor->setDocument(nullptr);
}

bool TLetterDesign::Execute(QWidget* parent, TAddressTable& table, QString& description, TRichDocument& document)
{
    TLetterDesign designer(table, document, description, parent);
    if (designer.exec() != QDialog::Accepted)
        return false;
    designer.CommitToLetter();
    description = designer.Description();
    return true;
}

QWidget* TLetterDesign::BuildToolBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    FontBox = new QFontComboBox;
    SizeBox = new QComboBox;
    SizeBox->setEditable(true);
    for (int size : QFontDatabase::standardSizes())
        if (size >= SmallestFontSize)
            SizeBox->addItem(QString::number(size));
    layout->addWidget(FontBox);
    layout->addWidget(SizeBox);
    const auto merge = [this](const QTextCharFormat& format) { Editor->mergeCurrentCharFormat(format); };
    connect(FontBox, &QFontComboBox::currentFontChanged, this, [merge](const QFont& font) {
        QTextCharFormat format;
        format.setFontFamilies({font.family()});
        merge(format);
    });
    connect(SizeBox, &QComboBox::textActivated, this, [merge](const QString& text) {
        const double size = text.toDouble();
        if (size >= SmallestFontSize) {
            QTextCharFormat format;
            format.setFontPointSize(size);
            merge(format);
        }
    });
    const auto add = [&](const QString& text, const QString& tip, auto handler) {
        QToolButton* button = ToolButton(text, tip);
        connect(button, &QToolButton::clicked, this, handler);
        layout->addWidget(button);
    };
    add(QStringLiteral("A"), QStringLiteral("Font colour"), [this] {
        if (const auto colour = TUserPrompts::Current().ChooseColor(Editor->textColor()))
            Editor->setTextColor(*colour);
    });
    add(QStringLiteral("\u25A7"), QStringLiteral("Background colour"), [this] {
        if (const auto colour = TUserPrompts::Current().ChooseColor(Editor->textBackgroundColor()))
            Editor->setTextBackgroundColor(*colour);
    });
    add(QStringLiteral("N"), QStringLiteral("Normal"), [merge] {
        QTextCharFormat format;
        format.setFontWeight(QFont::Normal);
        format.setFontItalic(false);
        format.setFontUnderline(false);
        merge(format);
    });
    add(QStringLiteral("B"), QStringLiteral("Bold"), [this, merge] {
        QTextCharFormat format;
        format.setFontWeight(Editor->fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold);
        merge(format);
    });
    add(QStringLiteral("I"), QStringLiteral("Italic"), [this] { Editor->setFontItalic(!Editor->fontItalic()); });
    add(QStringLiteral("U"), QStringLiteral("Underline"), [this] { Editor->setFontUnderline(!Editor->fontUnderline()); });
    add(QStringLiteral("Left"), QStringLiteral("Align left"), [this] { Editor->setAlignment(Qt::AlignLeft); });
    add(QStringLiteral("Right"), QStringLiteral("Align right"), [this] { Editor->setAlignment(Qt::AlignRight); });
    add(QStringLiteral("Justify"), QStringLiteral("Justify"), [this] { Editor->setAlignment(Qt::AlignJustify); });
    add(QStringLiteral("Centre"), QStringLiteral("Centre"), [this] { Editor->setAlignment(Qt::AlignHCenter); });
    add(QStringLiteral("Copy"), QStringLiteral("Copy"), [this] { Editor->copy(); });
    add(QStringLiteral("Cut"), QStringLiteral("Cut"), [this] { Editor->cut(); });
    add(QStringLiteral("Paste"), QStringLiteral("Paste"), [this] { Editor->paste(); });
    layout->addStretch();
    return bar;
}

void TLetterDesign::BuildMenus(QMenuBar* menus)
{
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    const QString filter = QStringLiteral("Rich text (*.rtf)");
    file->addAction(QStringLiteral("&Save as RTF"), this, [this, filter] {
        const QString path = TUserPrompts::Current().SaveFileName(QStringLiteral("Save as RTF"), QString(), filter);
        CommitToLetter();
        QString error;
        if (!path.isEmpty() && !TSafeFileWriter::WriteWhole(path, TRtfWriter::Write(Document), &error))
            TUserPrompts::Current().Information(error);
    });
    const auto readRtf = [filter](const QString& caption, TRichDocument& into) {
        const QString path = TUserPrompts::Current().OpenFileName(caption, QString(), filter);
        if (path.isEmpty())
            return false;
        QFile in(path);
        try {
            if (!in.open(QIODevice::ReadOnly))
                throw std::runtime_error(QStringLiteral("Cannot read %1").arg(path).toStdString());
            TRtfReader::Read(in.readAll(), into);
            return true;
        } catch (const std::exception& error) {
            TUserPrompts::Current().Information(QString::fromUtf8(error.what()));
            return false;
        }
    };
    file->addAction(QStringLiteral("&Load RTF"), this, [this, readRtf] {
        TRichDocument loaded;
        if (readRtf(QStringLiteral("Load RTF"), loaded)) {
            Document.CopyFrom(loaded);
            ReloadFromLetter();
            Edited = true;
        }
    });
    file->addAction(QStringLiteral("&Insert RTF"), this, [this, readRtf] {
        TRichDocument inserted;
        if (readRtf(QStringLiteral("Insert RTF"), inserted)) {
            const int at = Editor->textCursor().position();
            CommitToLetter();
            QTextCursor caret(&Document.Content());
            caret.setPosition(at);
            Document.InsertAt(caret, inserted);
            ReloadFromLetter();
            Edited = true;
        }
    });

    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Find"), QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] {
        TLetterFindDialog(*Editor, false, this).exec();
    });
    edit->addAction(QStringLiteral("&Replace"), QKeySequence(Qt::CTRL | Qt::Key_R), this, [this] {
        TLetterFindDialog(*Editor, true, this).exec();
    });
    SpellCheckAction = edit->addAction(QStringLiteral("&Spell Check"), QKeySequence(Qt::Key_F7), this,
                                       &TLetterDesign::SpellCheckClick);
    SpellCheckAction->setEnabled(TSpellingFiles::MainDictionaryExists());
    edit->addAction(QStringLiteral("&Insert Page Break"), this, &TLetterDesign::InsertPageBreakClick);

    QMenu* settings = menus->addMenu(QStringLiteral("&Settings"));
    settings->addAction(QStringLiteral("&Paragraph Settings"), this, &TLetterDesign::ParagraphSettingsClick);
    settings->addAction(QStringLiteral("Pa&ge Settings"), this, &TLetterDesign::PageSettingsClick);
    WordWrapAction = settings->addAction(QString(), this, &TLetterDesign::ToggleWordWrap);
    SpellAsYouTypeAction = settings->addAction(QStringLiteral("&Check Spelling as You Type"), this,
                                               [this](bool on) { SetSpellingAsYouType(on); });
    SpellAsYouTypeAction->setCheckable(true);
    SpellAsYouTypeAction->setEnabled(TSpellingFiles::MainDictionaryExists());
    DefaultFontAction = settings->addAction(QString(), this, &TLetterDesign::DefaultFontClick);
    SetDefaultFontCaption();
}

QString TLetterDesign::Description() const { return DescriptionEdit->text(); }

void TLetterDesign::InsertField(const QString& name)
{
    Editor->textCursor().insertText(QLatin1Char('[') + name + QLatin1Char(']'), Editor->currentCharFormat());
    Editor->setFocus();
}

void TLetterDesign::InsertPageBreakClick()
{
    if (!TUserPrompts::Current().Question(QStringLiteral("PAGE BREAK"), QStringLiteral("Insert a page break?")))
        return;
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    Editor->textCursor().mergeBlockFormat(format);
}

void TLetterDesign::SpellCheckClick()
{
    if (!TSpellingFiles::MainDictionaryExists())
        return;
    CommitToLetter();
    TSpellCheckDialog dialog(Document, this);
    dialog.OnTextChanged = [this] {
        ReloadFromLetter();
        Edited = true;
    };
    dialog.OnSelectionChanged = [this] {
        QTextCursor shown(Editor->document());
        shown.setPosition(Document.Caret().anchor());
        shown.setPosition(Document.Caret().position(), QTextCursor::KeepAnchor);
        Editor->setTextCursor(shown);
    };
    dialog.exec();
    ReloadFromLetter();
}

void TLetterDesign::ParagraphSettingsClick()
{
    QTextBlockFormat current = Editor->textCursor().blockFormat();
    ScaleIndents(current, 1 / ScreenPerLayout());
    TParagraphProperties dialog(TParagraphSettings::From(current), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyParagraphSettings(dialog.Settings());
}

// Spacing and indents go to every paragraph of the selection; the rest of each stays.
void TLetterDesign::ApplyParagraphSettings(const TParagraphSettings& chosen)
{
    QTextCursor caret = Editor->textCursor();
    QTextBlock block = Editor->document()->findBlock(caret.selectionStart());
    const QTextBlock last = Editor->document()->findBlock(caret.selectionEnd());
    for (;; block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        ScaleIndents(format, 1 / ScreenPerLayout());
        TParagraphSettings settings = TParagraphSettings::From(format);
        settings.FirstIndent = chosen.FirstIndent;
        settings.LeftIndent = chosen.LeftIndent;
        settings.RightIndent = chosen.RightIndent;
        settings.SpaceBefore = chosen.SpaceBefore;
        settings.SpaceAfter = chosen.SpaceAfter;
        settings.LineSpacing = chosen.LineSpacing;
        settings.LineMultiple = false;
        settings.ApplyTo(format);
        ScaleIndents(format, ScreenPerLayout());
        QTextCursor(block).setBlockFormat(format);
        if (block == last || !block.isValid())
            break;
    }
}

void TLetterDesign::PageSettingsClick()
{
    TLetterPageSettings dialog(Document.PageLayout(), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyPageLayout(dialog.Layout());
}

// The new page takes effect through an RTF round trip, as a stored letter would read.
void TLetterDesign::ApplyPageLayout(const TRichPageLayout& layout)
{
    CommitToLetter();
    Document.SetPageLayout(layout);
    Edited = true;
    const QByteArray rtf = TRtfWriter::Write(Document);
    TRtfReader::Read(rtf, Document);
    ReloadFromLetter();
}

void TLetterDesign::SetSpellingAsYouType(bool on)
{
    delete Highlighter;
    LiveSpell.reset();
    if (on) {
        LiveSpell = std::make_unique<TViredSpell>();
        LiveUserHandle = TSpellingFiles::Open(*LiveSpell, true, nullptr);
        Highlighter = new TSpellHighlighter(Shown.get(), *LiveSpell);
    }
    SpellAsYouTypeAction->setChecked(on);
}

// With spelling as you type, an unknown word under the mouse offers its suggestions and
// "&Add Word" above the editor's own commands.
void TLetterDesign::ShowContextMenu(const QPoint& at)
{
    std::unique_ptr<QMenu> menu(Editor->createStandardContextMenu(at));
    QTextCursor word = Editor->cursorForPosition(at);
    word.select(QTextCursor::WordUnderCursor);
    const QString text = word.selectedText();
    if (LiveSpell && !text.isEmpty() && !LiveSpell->Check(text)) {
        QAction* first = menu->actions().value(0);
        for (const QString& suggestion : LiveSpell->Suggestions(text)) {
            auto* replace = new QAction(suggestion, menu.get());
            connect(replace, &QAction::triggered, this, [word, suggestion]() mutable { word.insertText(suggestion); });
            menu->insertAction(first, replace);
        }
        auto* add = new QAction(QStringLiteral("&Add Word"), menu.get());
        add->setEnabled(LiveUserHandle >= 0);
        connect(add, &QAction::triggered, this, [this, text] {
            if (!LiveSpell->Add(text, LiveUserHandle))
                TUserPrompts::Current().Information(LiveSpell->LastError());
            if (Highlighter)
                Highlighter->rehighlight();
        });
        menu->insertAction(first, add);
        menu->insertSeparator(first);
    }
    menu->exec(Editor->viewport()->mapToGlobal(at));
}

void TLetterDesign::ApplyWrap()
{
    // Off: lines break where they break on paper; on: at the window's edge.
    if (WordWrapOn) {
        Editor->setLineWrapMode(QTextEdit::WidgetWidth);
    } else {
        Editor->setLineWrapMode(QTextEdit::FixedPixelWidth);
        Editor->setLineWrapColumnOrWidth(static_cast<int>(Document.PageLayout().TextWidth().Value()
                                                          * logicalDpiX() / TTwips::PerInch));
    }
    if (Ruler)
        Ruler->SetTextWidth(Document.PageLayout().TextWidth().Value() * logicalDpiX() / double(TTwips::PerInch));
    WordWrapAction->setText(WordWrapOn ? QStringLiteral("&Word Wrap is ON") : QStringLiteral("&Word Wrap is OFF"));
}

void TLetterDesign::ToggleWordWrap()
{
    WordWrapOn = !WordWrapOn;
    ApplyWrap();
}

QFont TLetterDesign::DefaultFont()
{
    const TIniFile settings(TProgramFolder::SettingsFile());
    QFont font(settings.ReadString(Section, QStringLiteral("DefaultFontName"), QStringLiteral("Arial")));
    font.setPointSize(std::max(SmallestFontSize, settings.ReadInteger(Section, QStringLiteral("DefaultFontSize"), 10)));
    font.setBold(settings.ReadBool(Section, QStringLiteral("DefaultFontBold"), false));
    font.setItalic(settings.ReadBool(Section, QStringLiteral("DefaultFontItalic"), false));
    return font;
}

void TLetterDesign::SetDefaultFontCaption()
{
    const QFont font = DefaultFont();
    QString caption = QStringLiteral("&Default Font: %1, %2 pt ").arg(font.family()).arg(font.pointSize());
    if (font.bold())
        caption += QStringLiteral(", bold");
    if (font.italic())
        caption += QStringLiteral(", italic");
    DefaultFontAction->setText(caption);
}

void TLetterDesign::DefaultFontClick()
{
    const std::optional<QFont> chosen = TUserPrompts::Current().ChooseFont(DefaultFont());
    if (!chosen)
        return;
    TIniFile settings(TProgramFolder::SettingsFile());
    settings.WriteString(Section, QStringLiteral("DefaultFontName"), chosen->family());
    settings.WriteInteger(Section, QStringLiteral("DefaultFontSize"), chosen->pointSize());
    settings.WriteBool(Section, QStringLiteral("DefaultFontBold"), chosen->bold());
    settings.WriteBool(Section, QStringLiteral("DefaultFontItalic"), chosen->italic());
    QTextCharFormat format;
    format.setFontFamilies({chosen->family()});
    format.setFontPointSize(chosen->pointSize());
    format.setFontWeight(chosen->bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chosen->italic());
    Editor->mergeCurrentCharFormat(format);
    SetDefaultFontCaption();
}

void TLetterDesign::PreviewClick()
{
    CommitToLetter();
    TRichDocument copy;
    copy.CopyFrom(Document);
    TRTFPreviewForm::Execute(this, Table, copy);
}

// The letter keeps its indents in the units of its 1200-dpi layout; the editor lays the text
// out on the screen, so it shows a copy whose indents are in screen pixels.
double TLetterDesign::ScreenPerLayout() const
{
    return (logicalDpiX() > 0 ? logicalDpiX() : 96) / double(TRichDocument::LayoutDpi);
}

void TLetterDesign::ScaleIndents(QTextBlockFormat& format, double factor)
{
    format.setLeftMargin(format.leftMargin() * factor);
    format.setRightMargin(format.rightMargin() * factor);
    format.setTextIndent(format.textIndent() * factor);
}

void TLetterDesign::ScaleDocument(QTextDocument& text, double factor)
{
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        ScaleIndents(format, factor);
        QTextCursor(block).setBlockFormat(format);
    }
}

void TLetterDesign::ReloadFromLetter()
{
    const QScopedValueRollback reloading(Reloading, true);
    auto shown = std::unique_ptr<QTextDocument>(Document.Content().clone());
    ScaleDocument(*shown, ScreenPerLayout());
    delete Highlighter;
    Editor->setDocument(shown.get());
    Shown = std::move(shown);
    ApplyWrap();
    if (LiveSpell)
        Highlighter = new TSpellHighlighter(Shown.get(), *LiveSpell);
}

void TLetterDesign::CommitToLetter()
{
    auto text = std::unique_ptr<QTextDocument>(Shown->clone());
    ScaleDocument(*text, 1 / ScreenPerLayout());
    Document.Adopt(std::move(text));
}

void TLetterDesign::ShowCharacterFormat(const QTextCharFormat& format)
{
    const QSignalBlocker fontQuiet(FontBox);
    const QSignalBlocker sizeQuiet(SizeBox);
    FontBox->setCurrentFont(format.font());
    SizeBox->setCurrentText(QString::number(format.fontPointSize() > 0 ? format.fontPointSize() : Editor->font().pointSizeF()));
}

// The page the caret is on as the editor lays the text out: a page-break mark starts a page,
// and a page holds the letter's text height.
int TLetterDesign::CaretPage() const
{
    QAbstractTextDocumentLayout* layout = Editor->document()->documentLayout();
    const QTextCursor caret = Editor->textCursor();
    const double pageHeight = Document.PageLayout().TextHeight().Value() * logicalDpiY() / double(TTwips::PerInch);
    int page = 1;
    double pageTop = 0;
    for (QTextBlock block = Editor->document()->begin(); block.isValid() && block.position() <= caret.position();
         block = block.next()) {
        if (block != Editor->document()->begin()
            && block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            page = page + 1 + int((layout->blockBoundingRect(block).top() - pageTop) / pageHeight);
            pageTop = layout->blockBoundingRect(block).top();
        }
    }
    const QTextLine line = caret.block().layout()->lineForTextPosition(caret.positionInBlock());
    const double caretY = layout->blockBoundingRect(caret.block()).top() + (line.isValid() ? line.y() : 0);
    return page + (pageHeight > 0 ? int((caretY - pageTop) / pageHeight) : 0);
}

void TLetterDesign::ShowPosition()
{
    const QTextCursor caret = Editor->textCursor();
    PositionLabel->setText(QStringLiteral("Page %1  Line %2  Column %3")
                               .arg(CaretPage())
                               .arg(caret.blockNumber() + 1)
                               .arg(caret.positionInBlock() + 1));
}

void TLetterDesign::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Activated) {
        Activated = true;
        TWindowPlacement::Load(this, PlacementName);
    }
}

void TLetterDesign::reject()
{
    if (TSaveChangesQuestion::MayDiscard(Edited, [this] { accept(); }))
        QDialog::reject();
}

void TLetterDesign::done(int result)
{
    TWindowPlacement::Save(this, PlacementName);
    QDialog::done(result);
}
