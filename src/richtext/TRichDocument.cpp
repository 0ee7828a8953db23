#include "TRichDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocumentFragment>

#include <cmath>

Q_GUI_EXPORT int qt_defaultDpiY();

namespace {
// The device every letter is laid out on: nothing is drawn on it, only its resolution counts.
QPaintDevice& LayoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(std::lround(TRichDocument::LayoutDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}
} // namespace

TRichDocument::TRichDocument() : Text(std::make_unique<QTextDocument>()) { Prepare(); }

TRichDocument::~TRichDocument() = default;

void TRichDocument::Prepare()
{
    LayoutMade = false;
    Text->setUndoRedoEnabled(false);
    Text->setDocumentMargin(0);
    QFont font(QString::fromLatin1(DefaultFontName));
    font.setPointSizeF(DefaultFontPoints);
    Text->setDefaultFont(font);
    Text->setPageSize(QSizeF(TextAreaWidth(), TextAreaHeight()));
    CaretCursor = QTextCursor(Text.get());
}

QTextDocument& TRichDocument::Document()
{
    if (!LayoutMade) {
        // Cursor work may have made a layout on the screen's device meanwhile: it goes, and the
        // text is laid out afresh on ours.
        Text->setDocumentLayout(nullptr);
        Text->documentLayout()->setPaintDevice(&LayoutDevice());
        Text->markContentsDirty(0, Text->characterCount());
        LayoutMade = true;
    }
    return *Text;
}

void TRichDocument::Adopt(std::unique_ptr<QTextDocument> content)
{
    Text = std::move(content);
    Prepare();
}

void TRichDocument::SetPageLayout(const TRichPageLayout& layout)
{
    Layout = layout.Corrected();
    Text->setPageSize(QSizeF(TextAreaWidth(), TextAreaHeight()));
}

void TRichDocument::Clear()
{
    Text->clear();
    CaretCursor = QTextCursor(Text.get());
}

void TRichDocument::CopyFrom(const TRichDocument& other)
{
    // A clone carries the content; its layout is rebuilt on our own settings.
    Text.reset(other.Text->clone());
    Layout = other.Layout;
    Prepare();
}

void TRichDocument::InsertAt(QTextCursor& cursor, const TRichDocument& other)
{
    cursor.insertFragment(QTextDocumentFragment(other.Text.get()));
}

void TRichDocument::Reformat()
{
    // Counting the pages makes the layout finish every block now.
    (void)Document().pageCount();
}

void TRichDocument::SetCaret(int position, int selectionLength)
{
    const int last = Text->characterCount() - 1;
    position = std::clamp(position, 0, last);
    CaretCursor.setPosition(position);
    if (selectionLength > 0)
        CaretCursor.setPosition(std::min(position + selectionLength, last), QTextCursor::KeepAnchor);
}

int TRichDocument::LayoutToTwips(double layout) { return int(std::lround(layout * TTwips::PerInch / LayoutDpi)); }

double TRichDocument::TwipsToScreen(int twips) { return double(twips) * qt_defaultDpiY() / TTwips::PerInch; }

int TRichDocument::ScreenToTwips(double screen) { return int(std::lround(screen * TTwips::PerInch / qt_defaultDpiY())); }
