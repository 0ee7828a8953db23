#include "TMemoSearch.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/TextCase.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {
// Events are served this often while searching: Cancel answers at once, the loop stays fast.
constexpr qint64 kEventIntervalMs = 30;

std::optional<QString> AskWithInputBox(QWidget* parent)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, QStringLiteral("Memo Search"), QStringLiteral("Search For"),
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::string UpperBytes(std::string bytes)
{
    xbase::TextCase::toUpper(bytes.data(), bytes.size());
    return bytes;
}

// The "Searching" window: the text looked for and "Cancel".
class TSearchingWindow : public QDialog {
public:
    TSearchingWindow(QWidget* parent, const QString& text) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Searching"));
        setWindowModality(Qt::ApplicationModal);
        auto* label = new QLabel(QStringLiteral("Searching for: ") + text);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(260);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"));
        connect(cancel, &QPushButton::clicked, this, [this] { Cancelled = true; });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel);
        buttons->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(16, 16, 16, 12);
        layout->setSpacing(12);
        layout->addWidget(label);
        layout->addLayout(buttons);
        adjustSize();
        TWindowPlacement::Centre(this, parent);
    }

    bool Cancelled = false;

protected:
    void reject() override { Cancelled = true; } // Esc and the close box cancel as well
};
} // namespace

TMemoSearch::TMemoSearch() : AskText(AskWithInputBox) {}

void TMemoSearch::Forget()
{
    SearchText.clear();
    Found = false;
}

bool TMemoSearch::Scan(TAddressTable& table, const QString& text, const TKeepGoing& keepGoing)
{
    const std::string wanted = UpperBytes(TCp1252::Encode(text));
    if (wanted.empty())
        return false;
    xbase::DbfTable& records = table.Table();
    const int memoField = records.fieldIndex("MEMO");
    if (memoField < 0)
        return false;
    for (; !records.eof(); records.skip()) {
        std::string memo = records.memoText(memoField);
        if (memo.size() > SearchedBytes)
            memo.resize(SearchedBytes);
        if (UpperBytes(std::move(memo)).find(wanted) != std::string::npos)
            return true;
        if (keepGoing && !keepGoing())
            return false;
    }
    return false;
}

bool TMemoSearch::SearchMemo(QWidget* parent, TAddressTable& table)
{
    const std::optional<QString> text = AskText(parent);
    if (!text || text->isEmpty())
        return false;
    SearchText = *text;
    xbase::DbfTable& records = table.Table();
    const uint32_t start = records.eof() ? 0 : records.recordNumber();
    records.goTop();
    return Run(parent, table, start);
}

bool TMemoSearch::FindNext(QWidget* parent, TAddressTable& table)
{
    if (SearchText.isEmpty())
        return false;
    xbase::DbfTable& records = table.Table();
    const uint32_t start = records.eof() ? 0 : records.recordNumber();
    records.skip();
    return Run(parent, table, start);
}

bool TMemoSearch::Run(QWidget* parent, TAddressTable& table, uint32_t startRecno)
{
    TSearchingWindow window(parent, SearchText);
    window.show();
    QElapsedTimer sinceEvents;
    bool firstRecord = true;
    auto keepGoing = [&] {
        // The first record serves events at once, so the window paints before a long search.
        if (firstRecord || sinceEvents.hasExpired(kEventIntervalMs)) {
            firstRecord = false;
            QApplication::processEvents();
            sinceEvents.start();
        }
        return !window.Cancelled;
    };
    sinceEvents.start();
    QString failure;
    try {
        Found = Scan(table, SearchText, keepGoing);
    } catch (const xbase::XbaseError& error) {
        Found = false;
        failure = QString::fromStdString(error.what());
    }
    window.hide();
    if (!failure.isEmpty())
        TUserPrompts::Current().Information(failure);
    if (!Found) {
        table.Table().go(startRecno);
        QApplication::beep();
    }
    return Found;
}
