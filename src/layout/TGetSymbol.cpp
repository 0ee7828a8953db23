#include "TGetSymbol.h"

#include "TLDialogParts.h"
#include "TLSymbolFonts.h"

#include "data/TCp1252.h"
#include "prompts/TUserPrompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFirst = 32;
constexpr int kCount = 256 - kFirst;

QString Character(int position)
{
    const char byte = char(kFirst + position);
    return TCp1252::Decode(std::string_view(&byte, 1));
}

// The font drawn in the grid and preview: the object's, within sizes a cell can show.
QFont ShownFont(const TLFont& font, int largestPixels)
{
    QFont shown = font.ToQFont();
    shown.setPixelSize(std::clamp(shown.pixelSize(), 10, largestPixels));
    return shown;
}

} // namespace

TGetSymbol::TGetSymbol(const TLFont& font, const QString& caption, QWidget* parent)
    : QDialog(parent), SymbolFont(font)
{
    setWindowTitle(QStringLiteral("Symbol Selector"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    Characters = new QTableWidget(this);
    Characters->horizontalHeader()->hide();
    Characters->verticalHeader()->hide();
    Characters->setSelectionMode(QAbstractItemView::SingleSelection);
    Characters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    row->addWidget(Characters, 1);
    auto* side = new QVBoxLayout;
    row->addLayout(side);
    PreviewLabel = new QLabel(this);
    PreviewLabel->setFixedSize(120, 120);
    PreviewLabel->setAlignment(Qt::AlignCenter);
    PreviewLabel->setFrameShape(QFrame::Box);
    PreviewLabel->setStyleSheet(QStringLiteral("background: white; color: black"));
    FontChoice = new QPushButton(this);
    side->addWidget(PreviewLabel);
    side->addWidget(FontChoice);
    side->addStretch();
    layout->addWidget(AddOkCancelButtons(this));
    connect(FontChoice, &QPushButton::clicked, this, &TGetSymbol::FontButtonClick);
    connect(Characters, &QTableWidget::itemSelectionChanged, this, &TGetSymbol::GridChange);
    connect(Characters, &QTableWidget::itemDoubleClicked, this, &QDialog::accept);
    Fill();
    const int position = Position(caption);
    const int columns = Characters->columnCount();
    if (position >= 0)
        Characters->setCurrentCell(position / columns, position % columns);
}

int TGetSymbol::Position(const QString& caption)
{
    const std::string code = TCp1252::Encode(caption.left(1));
    return code.size() == 1 && static_cast<unsigned char>(code[0]) >= kFirst
        ? static_cast<unsigned char>(code[0]) - kFirst
        : -1;
}

int TGetSymbol::Columns(const TLFont& font)
{
    const int points = font.PointSize();
    return points <= 14 ? 32 : points <= 28 ? 16 : 8;
}

void TGetSymbol::Fill()
{
    const int current = Characters->currentRow() * Characters->columnCount() + Characters->currentColumn();
    const int columns = Columns(SymbolFont);
    const QFont shown = ShownFont(SymbolFont, 40);
    const int cell = std::max(QFontMetrics(shown).height() + 6, 22);
    Characters->clear();
    Characters->setColumnCount(columns);
    Characters->setRowCount((kCount + columns - 1) / columns);
    Characters->horizontalHeader()->setDefaultSectionSize(cell);
    Characters->verticalHeader()->setDefaultSectionSize(cell);
    for (int position = 0; position < kCount; ++position) {
        auto* item = new QTableWidgetItem(TLSymbolFonts::DrawingText(SymbolFont.Name, Character(position)));
        item->setFont(shown);
        item->setTextAlignment(Qt::AlignCenter);
        Characters->setItem(position / columns, position % columns, item);
    }
    Characters->setMinimumWidth(Characters->horizontalHeader()->length() + 2 * Characters->frameWidth()
                                + Characters->verticalScrollBar()->sizeHint().width());
    Characters->setMinimumHeight(std::min(8, Characters->rowCount()) * cell + 4);
    FontChoice->setText(QStringLiteral("Font: %1, %2 pt").arg(SymbolFont.Name).arg(SymbolFont.PointSize()));
    if (current >= 0 && current < kCount)
        Characters->setCurrentCell(current / columns, current % columns);
    GridChange();
}

void TGetSymbol::GridChange()
{
    QFont shown = ShownFont(SymbolFont, 96);
    shown.setPixelSize(std::clamp(shown.pixelSize() * 2, 40, 96));
    PreviewLabel->setFont(shown);
    PreviewLabel->setText(TLSymbolFonts::DrawingText(SymbolFont.Name, Caption()));
}

QString TGetSymbol::Caption() const
{
    if (!Characters->currentItem())
        return {};
    const int position = Characters->currentRow() * Characters->columnCount() + Characters->currentColumn();
    return position >= 0 && position < kCount ? Character(position) : QString();
}

void TGetSymbol::FontButtonClick()
{
    const std::optional<QFont> chosen = TUserPrompts::Current().ChooseFont(SymbolFont.DialogFont());
    if (!chosen)
        return;
    SymbolFont = TLFont::FromQFont(*chosen, SymbolFont.Color);
    Fill();
    adjustSize();
}
