#include "TAddressFilterForm.h"

#include "data/TAddressFilter.h"
#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
// The busy cursor for as long as a count runs, also when it throws.
struct TBusyCursor {
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

QLabel* CaptionFor(QLineEdit* entry, const char* caption)
{
    auto* label = new QLabel(QLatin1String(caption));
    label->setBuddy(entry);
    return label;
}
} // namespace

TAddressFilterForm::TAddressFilterForm(TAddressFilter& filter, TAddressTable& table, QWidget* parent)
    : QDialog(parent), Filter(filter), Table(table)
{
    setWindowTitle(QStringLiteral("Address Filter"));

    auto* hint = new QLabel(QLatin1String(HintText));
    hint->setWordWrap(true);
    hint->setFrameShape(QFrame::StyledPanel);
    hint->setMargin(6);

    CountLabel = new QLabel;
    CountLabel->setMinimumWidth(CountLabel->fontMetrics().horizontalAdvance(QStringLiteral("1,000,000 matches")));
    TestButton = new QPushButton(QStringLiteral("Test"));
    ClearButton = new QPushButton(QStringLiteral("Clear"));
    OkButton = new QPushButton(QStringLiteral("Ok"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    OkButton->setDefault(true);
    for (QPushButton* button : {TestButton, ClearButton, CancelButton})
        button->setAutoDefault(false);
    connect(TestButton, &QPushButton::clicked, this, &TAddressFilterForm::TestClick);
    connect(ClearButton, &QPushButton::clicked, this, &TAddressFilterForm::ClearClick);
    connect(OkButton, &QPushButton::clicked, this, &TAddressFilterForm::OkClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CountLabel);
    buttons->addStretch();
    for (QPushButton* button : {TestButton, ClearButton, OkButton, CancelButton})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildNameStrip());
    layout->addWidget(BuildAddressPart());
    layout->addWidget(hint);
    layout->addLayout(buttons);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &TAddressFilterForm::ShowTips);
    resize(sizeHint().expandedTo(QSize(640, 0)));
}

QLineEdit* TAddressFilterForm::MakeEntry(const char* caption)
{
    const int index = TQueryValues::EntryIndex(QLatin1String(caption));
    auto* entry = new QLineEdit;
    entry->setObjectName(QLatin1String(TQueryValues::Entries()[static_cast<size_t>(index)].Expression));
    entry->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(entry, &QLineEdit::customContextMenuRequested, this, &TAddressFilterForm::ShowTips);
    Entries[static_cast<size_t>(index)] = entry;
    return entry;
}

QLineEdit* TAddressFilterForm::Entry(const char* caption) const
{
    return Entries[static_cast<size_t>(TQueryValues::EntryIndex(QLatin1String(caption)))];
}

QWidget* TAddressFilterForm::BuildNameStrip()
{
    auto* strip = new QGroupBox;
    auto* grid = new QGridLayout(strip);
    const char* const captions[] = {"Last", "First", "Title", "Org"};
    for (int column = 0; column < 4; ++column) {
        QLineEdit* entry = MakeEntry(captions[column]);
        grid->addWidget(CaptionFor(entry, captions[column]), 0, column);
        grid->addWidget(entry, 1, column);
        grid->setColumnStretch(column, 1);
    }
    return strip;
}

QWidget* TAddressFilterForm::BuildAddressPart()
{
    auto* part = new QGroupBox;
    auto* grid = new QGridLayout(part);
    auto place = [&](const char* caption, int row, int column, int span = 1) {
        QLineEdit* entry = MakeEntry(caption);
        grid->addWidget(CaptionFor(entry, caption), row, column);
        grid->addWidget(entry, row, column + 1, 1, span);
        return entry;
    };
    // The same places as on the main window's address page.
    place("Address 1", 0, 0, 3);
    place("Address 2", 1, 0, 3);
    place("City", 2, 0, 3);
    place("State or Prov", 3, 0);
    place("Zip or Postal", 4, 0);
    place("Country", 5, 0, 3);
    place("Codes", 6, 0, 3);
    place("Comment 1", 7, 0, 3);
    place("Comment 2", 8, 0, 3);

    place("Phone 1", 0, 4);
    place("Phone 2", 1, 4);
    place("Fax", 2, 4);
    place("E-mail", 3, 4);
    QLineEdit* date = place("Date", 4, 4);
    date->setToolTip(QLatin1String(DateHint));
    date->installEventFilter(this);
    DateNoteLabel = new QLabel(QLatin1String(DateNote));
    DateNoteLabel->setToolTip(QLatin1String(DateHint));
    QSizePolicy keepPlace = DateNoteLabel->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the boxes below must not jump when it shows
    DateNoteLabel->setSizePolicy(keepPlace);
    DateNoteLabel->hide();
    grid->addWidget(DateNoteLabel, 5, 5);

    TaggedCheck = new QCheckBox(QStringLiteral("Tagged"));
    ReverseCheck = new QCheckBox(QStringLiteral("Reverse"));
    grid->addWidget(TaggedCheck, 6, 5);
    grid->addWidget(ReverseCheck, 7, 5);

    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 3);
    grid->setColumnMinimumWidth(4, 60);
    return part;
}

bool TAddressFilterForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Entry("Date")) {
        if (event->type() == QEvent::FocusIn)
            DateNoteLabel->show();
        else if (event->type() == QEvent::FocusOut)
            DateNoteLabel->hide();
    }
    return QDialog::eventFilter(watched, event);
}

void TAddressFilterForm::ShowValues(const TQueryValues& values)
{
    for (size_t i = 0; i < Entries.size(); ++i)
        Entries[i]->setText(values.Values[i]);
    TaggedCheck->setChecked(values.Tagged);
    ReverseCheck->setChecked(values.Reverse);
}

TQueryValues TAddressFilterForm::EnteredValues() const
{
    TQueryValues values;
    for (size_t i = 0; i < Entries.size(); ++i)
        values.Values[i] = Entries[i]->text();
    values.Tagged = TaggedCheck->isChecked();
    values.Reverse = ReverseCheck->isChecked();
    return values;
}

uint32_t TAddressFilterForm::TestClick()
{
    TestedOnce = true;
    CountLabel->setText(QStringLiteral("Searching..."));
    CountLabel->repaint();
    uint32_t count = 0;
    {
        TBusyCursor busy;
        Filter.Values = EnteredValues();
        try {
            count = Filter.ApplyQuery(Table);
            Table.Table().goTop();
        } catch (const xbase::XbaseError& error) {
            TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        }
    }
    CountLabel->setText(Filter.IsSet() ? TCountText::Of(count, QStringLiteral("match"), QStringLiteral("matches")) : QStringLiteral("No filter set"));
    return count;
}

void TAddressFilterForm::ClearClick()
{
    ShowValues(TQueryValues());
    TestClick();
}

void TAddressFilterForm::OkClick()
{
    // Entries that ask for nothing close the dialog; entries that match nothing keep it open, so
    // the user sees "No filter set" and can change them instead of losing them silently.
    const bool asksForFilter = EnteredValues().AsksForFilter();
    if (TestClick() != 0 || !asksForFilter) {
        accept();
        return;
    }
    QApplication::beep();
}

void TAddressFilterForm::ShowTips() { TUserPrompts::Current().Information(TipsText()); }

QString TAddressFilterForm::TipsText()
{
    return QStringLiteral(
        "Filter tips\n\n"
        "smi\tvalues that begin with SMI (Smith, Smithers)\n"
        "$smi\tvalues that contain SMI anywhere (also Blacksmith)\n"
        ">=6\tvalues that sort at or after 6 (also >, <= and <)\n"
        "IL;IN\teither value (IL or IN)\n"
        "$A+$B\tboth conditions (A and B anywhere)\n"
        "$A^$B\tthe first but not the second (A and no B)\n"
        ">=6+<7\ta range: from 6 up to, not including, 7\n\n"
        "Capitals do not matter. Filled-in fields must all match. Tagged keeps the tagged records "
        "only; Reverse keeps the records that do not match. Dates are entered as YYYYMMDD.");
}

bool TAddressFilterForm::Execute(QWidget* parent, TAddressFilter& filter, TAddressTable& table)
{
    const TQueryValues remembered = filter.Values;
    const uint32_t record = table.Table().eof() ? 0 : table.Table().recordNumber();
    TAddressFilterForm form(filter, table, parent);
    form.ShowValues(filter.Values);
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() == QDialog::Accepted)
        return true;
    if (form.Tested()) {
        // "Test" already narrowed the table: the remembered filter and record come back.
        filter.Values = remembered;
        filter.ApplyQuery(table);
        if (record != 0)
            table.Table().go(record);
        else
            table.Table().goTop();
    }
    return false;
}
