// The main window's record side: showing the record, moving through the record set, the
// keys, the order and filter status, and editing (add, edit, save, cancel, delete, clone,
// date, tag, clipboard copy).
#include "TAddressMain.h"

#include "app/TSortOrders.h"
#include "data/TAddressTable.h"
#include "data/TAddressText.h"
#include "data/TCp1252.h"
#include "data/TDisplayDate.h"
#include "data/TFilterBuilder.h"
#include "data/TTagger.h"
#include "prompts/TUserPrompts.h"
#include "xbase/InvalidIndexError.h"
#include "xbase/XbaseError.h"
#include "data/TCountText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QToolButton>

#include <exception>

namespace {
// The record fields the window edits, in the order of the Tab and Enter sequence.
const char* const editedFields[] = {"LNAME",   "FNAME",   "MIDDLE", "PREFIX", "TITLE", "ORG",   "STREET",
                                    "STREET2", "CITY",    "STATE",  "ZIP",    "COUNTRY", "CODES", "USER1",
                                    "USER2",   "PHONE",   "PHONE2", "FAX",    "EMAIL"};

// The memo editor works with single line breaks; the file keeps a carriage return before
// each, as memos written by the program always had, so the padding rule counts two.
QString MemoForFile(const QString& edited)
{
    QString text = edited;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString MemoForEditor(QString stored) { return stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QString WithoutAmpersand(QString caption) { return caption.remove(QLatin1Char('&')); }
} // namespace

// ---------------------------------------------------------------- display

bool TAddressMain::OnRecord() const
{
    if (!Table)
        return false;
    const xbase::DbfTable& table = Table->Table();
    return !table.eof() && table.recordNumber() >= 1 && table.recordNumber() <= table.recordCount();
}

void TAddressMain::ShowRecord()
{
    if (Table && OnRecord())
        LoadFields();
    else
        ClearFields();
    if (!UpdatesSuspended)
        SetButtons();
}

void TAddressMain::ShowMovedRecord()
{
    CountKnown = true;
    ShowRecord();
    CountKnown = false;
}

bool TAddressMain::RecordSetEmpty()
{
    CachedCount = Table->Count();
    CountKnown = true;
    return *CachedCount == 0;
}

void TAddressMain::LoadFields()
{
    // A damaged field (a memo pointer past the end, say) is shown empty and the rest of the
    // record still shows, so the user can move on or rebuild; the first error is told after.
    std::exception_ptr damage;
    auto read = [&damage](const std::function<QString()>& value) {
        try {
            return value();
        } catch (const xbase::XbaseError&) {
            if (!damage)
                damage = std::current_exception();
            return QString();
        }
    };
    Loading = true;
    for (const char* name : editedFields) {
        QLineEdit* edit = FieldEdits.value(QLatin1String(name));
        edit->setMaxLength(std::max(1, Table->FieldWidth(QLatin1String(name))));
        edit->setText(read([&] { return Table->FieldText(QLatin1String(name)); }));
        edit->setCursorPosition(0);
    }
    FieldEdits.value(QStringLiteral("DisplayDate"))->setText(read([&] { return Table->Value(QStringLiteral("DisplayDate")); }));
    TaggedCheck->setChecked(read([&] { return Table->Value(QStringLiteral("Tagged")); }) == QLatin1String("T"));
    MemoEdit->setPlainText(MemoForEditor(read([&] { return Table->Memo(); })));
    Loading = false;
    if (damage)
        EngineGuarded([&] { std::rethrow_exception(damage); });
}

void TAddressMain::ClearFields()
{
    Loading = true;
    for (QLineEdit* edit : FieldEdits)
        edit->clear();
    TaggedCheck->setChecked(false);
    MemoEdit->clear();
    Loading = false;
}

void TAddressMain::SetFieldsReadOnly(bool readOnly)
{
    for (const char* name : editedFields)
        FieldEdits.value(QLatin1String(name))->setReadOnly(readOnly);
    MemoEdit->setReadOnly(readOnly);
}

void TAddressMain::UpdateFilterStatus()
{
    FilterStatusLabel->setVisible(Table != nullptr);
    if (!Table)
        return;
    if ((!CountKnown || !CachedCount) && !EngineGuarded([this] { CachedCount = Table->Count(); }))
        return;
    if (!Table || !CachedCount)
        return; // the error closed the table, or a rebuild has shown the status already
    const uint32_t count = *CachedCount;
    if (count == 0)
        FilterStatusLabel->setText(QStringLiteral("No records"));
    else if (AddressFilter.IsSet())
        FilterStatusLabel->setText(TCountText::Of(count, QStringLiteral("filter match"), QStringLiteral("filter matches")));
    else
        FilterStatusLabel->setText(TCountText::Records(count) + QStringLiteral(" (no filter)"));
}

// ---------------------------------------------------------------- order and filter

void TAddressMain::SetOrderTo(const QString& caption)
{
    const QString tag = TSortOrders::TagFor(WithoutAmpersand(caption));
    if (tag.isEmpty())
        return; // not a Sort entry: the order stays
    if (Table) {
        try {
            Table->SetOrderTag(tag);
        } catch (const xbase::XbaseError&) {
        }
    }
    OrderCaption = WithoutAmpersand(caption);
    OrderTag = tag;
    SortStatusLabel->setText(QStringLiteral("Sorted by ") + OrderCaption);
    for (QAction* action : SortMenu->actions())
        action->setChecked(WithoutAmpersand(action->text()).compare(OrderCaption, Qt::CaseInsensitive) == 0);
}

void TAddressMain::SetCurrentOrder(const QString& tag)
{
    for (const QString& caption : TSortOrders::Captions())
        if (TSortOrders::TagFor(caption) == tag)
            SetOrderTo(caption);
}

void TAddressMain::ApplyFilter()
{
    CachedCount.reset();
    if (Table)
        EngineGuarded([this] { AddressFilter.ApplyQuery(*Table); });
}

bool TAddressMain::EngineGuarded(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const xbase::XbaseError& error) {
        ReportEngineError(error);
        return false;
    }
}

void TAddressMain::ReportEngineError(const xbase::XbaseError& error)
{
    const QString message = QString::fromLocal8Bit(error.what());
    if (ToldEngineErrors.contains(message))
        return; // a damaged record shown again, or the same page met on every move
    ToldEngineErrors.insert(message);
    TUserPrompts::Current().Information(message);
    if (!dynamic_cast<const xbase::InvalidIndexError*>(&error) || !Table)
        return;
    const QString tag = OrderTag;
    if (AskAndRebuildIndex())
        RestoreAfterRebuild(tag);
    else if (!CheckValidIndex())
        DropTable();
}

// ---------------------------------------------------------------- navigation

void TAddressMain::FirstRecord()
{
    if (!Table || Editing())
        return;
    EngineGuarded([this] { Table->Table().goTop(); });
    ShowMovedRecord();
}

void TAddressMain::LastRecord()
{
    if (!Table || Editing())
        return;
    EngineGuarded([this] { Table->Table().goBottom(); });
    ShowMovedRecord();
}

void TAddressMain::NextRecord()
{
    if (!Table || Editing())
        return;
    EngineGuarded([this] {
        xbase::DbfTable& table = Table->Table();
        table.skip(1);
        if (table.eof()) {
            table.goBottom();
            QApplication::beep();
        }
    });
    ShowMovedRecord();
}

void TAddressMain::PriorRecord()
{
    if (!Table || Editing())
        return;
    EngineGuarded([this] {
        xbase::DbfTable& table = Table->Table();
        table.skip(-1);
        if (table.bof()) {
            table.goTop();
            QApplication::beep();
        }
    });
    ShowMovedRecord();
}

// ---------------------------------------------------------------- keys

bool TAddressMain::InRecordField(QWidget* widget) const
{
    if (widget == MemoEdit || (widget && widget->parentWidget() == MemoEdit))
        return true;
    for (QLineEdit* edit : FieldEdits)
        if (edit == widget)
            return true;
    return false;
}

bool TAddressMain::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!InRecordField(widget))
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Ctrl+arrows move between records even from a text field, which would take them as
        // word and line moves.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::ControlModifier) &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left ||
             key->key() == Qt::Key_Right))
            return true;
        break;
    }
    case QEvent::KeyPress:
        return HandleWindowKey(static_cast<QKeyEvent*>(event), watched);
    case QEvent::MouseButtonDblClick:
        if (!Editing() && EditButton->isEnabled()) {
            EditButtonClick();
            return false;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TAddressMain::keyPressEvent(QKeyEvent* event)
{
    if (!HandleWindowKey(event, this))
        QMainWindow::keyPressEvent(event);
}

bool TAddressMain::HandleWindowKey(QKeyEvent* event, QObject* watched)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool alt = event->modifiers() & Qt::AltModifier;
    const bool inMemo = watched == MemoEdit || (watched && watched->parent() == MemoEdit);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Editing() && alt) {
            if (SaveButtonClick() && TUserPrompts::Current().Question(QStringLiteral("Add"),
                                                                      QStringLiteral("Add another record?")))
                AddButtonClick();
            return true;
        }
        if (Editing() && ctrl) {
            SaveButtonClick();
            return true;
        }
        if (!inMemo && !ctrl && !alt && watched != this) {
            focusNextChild();
            return true;
        }
        return false;
    case Qt::Key_PageDown:
        if (!Editing()) {
            ctrl ? LastRecord() : NextRecord();
        } else if (TUserPrompts::Current().Question(QStringLiteral("Save"), QStringLiteral("Save changes?"))) {
            SaveButtonClick();
        }
        return true;
    case Qt::Key_PageUp:
        if (!Editing())
            ctrl ? FirstRecord() : PriorRecord();
        return true;
    case Qt::Key_Escape:
        if (!Editing())
            return false;
        if ((inMemo && CancelButton->isEnabled()) ||
            TUserPrompts::Current().Question(QStringLiteral("Cancel"), QStringLiteral("Cancel changes?")))
            CancelButtonClick();
        return true;
    case Qt::Key_Insert:
        if (event->modifiers() != Qt::NoModifier)
            return false;
        Overwrite = !Overwrite;
        MemoEdit->setOverwriteMode(Overwrite);
        OverwriteStatusLabel->setText(Overwrite ? QStringLiteral("Overwrite") : QStringLiteral("Insert"));
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (ctrl && !Editing()) {
            switch (event->key()) {
            case Qt::Key_Up: FirstRecord(); break;
            case Qt::Key_Down: LastRecord(); break;
            case Qt::Key_Left: PriorRecord(); break;
            default: NextRecord(); break;
            }
            return true;
        }
        return false;
    default:
        break;
    }
    const QString text = event->text();
    const bool character = !text.isEmpty() && text.at(0).isPrint() && !ctrl && !alt;
    if (character && watched != this) {
        // Typing into the shown record starts editing it.
        if (!Editing() && EditButton->isEnabled())
            EditButtonClick();
        ApplyOverwrite(watched, event);
    }
    return false;
}

void TAddressMain::ApplyOverwrite(QObject* watched, QKeyEvent*)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!Overwrite || !edit || edit->isReadOnly() || edit->hasSelectedText())
        return;
    if (edit->cursorPosition() < edit->text().size())
        edit->setSelection(edit->cursorPosition(), 1);
}

// ---------------------------------------------------------------- editing

void TAddressMain::BeginEdit()
{
    if (!Table || Editing())
        return;
    State = TEditState::esEdit;
    PendingDate = Table->FieldText(QStringLiteral("DATE"));
    PendingTag = Table->FieldText(QStringLiteral("TAG"));
    SetButtons();
}

void TAddressMain::EditButtonClick()
{
    if (OnRecord())
        BeginEdit();
}

void TAddressMain::FocusFirstFieldForAdd()
{
    auto skipped = [this](TSkipField field) { return Prefs.SkipOn(field); };
    QLineEdit* target = FieldEdits.value(QStringLiteral("STREET"));
    if (!skipped(TSkipField::sfLastName) && FieldEdits["LNAME"]->text().isEmpty())
        target = FieldEdits["LNAME"];
    else if (!skipped(TSkipField::sfFirstName) && FieldEdits["FNAME"]->text().isEmpty())
        target = FieldEdits["FNAME"];
    else if (!skipped(TSkipField::sfMiddleInitial))
        target = FieldEdits["MIDDLE"];
    else if (!skipped(TSkipField::sfPrefix))
        target = FieldEdits["PREFIX"];
    else if (!skipped(TSkipField::sfTitle))
        target = FieldEdits["TITLE"];
    else if (!skipped(TSkipField::sfOrganization))
        target = FieldEdits["ORG"];
    target->setFocus();
}

void TAddressMain::AddButtonClick()
{
    if (!Table || Editing())
        return;
    PageControl->setCurrentIndex(0);
    auto remembered = [this](const char* field) {
        return OnRecord() ? Table->FieldText(QLatin1String(field)) : QString();
    };
    const QString org = remembered("ORG"), city = remembered("CITY"), state = remembered("STATE"),
                  zip = remembered("ZIP"), street = remembered("STREET"), street2 = remembered("STREET2");
    const QString country = Prefs.CarryOn(TCarryField::cfCountry) ? remembered("COUNTRY") : QString();

    TNewRecordValues typed;
    if (Prefs.PlugCityState || Prefs.AutoDupCheck) {
        TNewRecordOptions options;
        options.AskNames = Prefs.AutoDupCheck;
        options.AskZip = Prefs.PlugCityState;
        options.LastNameWidth = Table->FieldWidth(QStringLiteral("LNAME"));
        options.FirstNameWidth = Table->FieldWidth(QStringLiteral("FNAME"));
        options.ZipWidth = Table->FieldWidth(QStringLiteral("ZIP"));
        const std::optional<TNewRecordValues> answer = Dialogs.NewRecord(options, this);
        if (!answer)
            return;
        typed = *answer;
        typed.LastName = typed.LastName.trimmed();
        typed.FirstName = typed.FirstName.trimmed();
        typed.Zip = typed.Zip.trimmed();
    }
    QString foundCity, foundState;
    if (Prefs.PlugCityState && !typed.Zip.isEmpty())
        std::tie(foundCity, foundState) = FillCityState(typed.Zip);
    if (!CheckDupName(typed.FirstName, typed.LastName)) {
        ShowRecord(); // the duplicate found
        return;
    }

    ClearFields();
    State = TEditState::esInsert;
    PendingDate.clear();
    PendingTag.clear();
    auto put = [this](const char* field, const QString& value) {
        if (!value.isEmpty())
            FieldEdits.value(QLatin1String(field))->setText(value);
    };
    put("FNAME", typed.FirstName);
    put("LNAME", typed.LastName);
    put("ZIP", typed.Zip);
    put("CITY", foundCity);
    put("STATE", foundState);
    if (typed.Zip.isEmpty() && Prefs.CarryOn(TCarryField::cfZip))
        put("ZIP", zip);
    if (foundCity.isEmpty() && Prefs.CarryOn(TCarryField::cfCity))
        put("CITY", city);
    if (foundState.isEmpty() && Prefs.CarryOn(TCarryField::cfState))
        put("STATE", state);
    if (Prefs.CarryOn(TCarryField::cfCountry))
        put("COUNTRY", country);
    if (Prefs.CarryOn(TCarryField::cfStreet))
        put("STREET", street);
    if (Prefs.CarryOn(TCarryField::cfStreet2))
        put("STREET2", street2);
    if (country.isEmpty() && !Prefs.DefaultCountry.isEmpty())
        put("COUNTRY", Prefs.DefaultCountry);
    if (Prefs.PlugDate) {
        PendingDate = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        FieldEdits["DisplayDate"]->setText(TDisplayDate::Format(PendingDate));
    }
    if (Prefs.CarryOn(TCarryField::cfOrg))
        put("ORG", org);
    SetButtons();
    FocusFirstFieldForAdd();
    SetSkipFields(true);
}

void TAddressMain::StoreFields()
{
    for (const char* name : editedFields)
        Table->SetFieldText(QLatin1String(name), FieldEdits.value(QLatin1String(name))->text());
    Table->SetFieldText(QStringLiteral("DATE"), PendingDate);
    Table->SetFieldText(QStringLiteral("TAG"), PendingTag);
    Table->SetMemo(TAddressText::PadMemo(MemoForFile(MemoEdit->toPlainText())));
}

bool TAddressMain::SaveButtonClick()
{
    if (!Table || !Editing())
        return false;
    try {
        xbase::DbfTable& table = Table->Table();
        if (State == TEditState::esInsert && PendingAppend == 0) {
            table.appendBlank();
            PendingAppend = table.recordNumber();
            Table->SetDeletedMark(false);
        } else if (State == TEditState::esInsert && table.recordNumber() != PendingAppend) {
            table.go(PendingAppend); // a failed try appended it already: no second record
        }
        StoreFields();
        table.commit();
    } catch (const xbase::XbaseError& error) {
        // The edit stays open, so nothing typed is lost.
        TUserPrompts::Current().Information(QStringLiteral("The record could not be saved: ") +
                                            QString::fromLocal8Bit(error.what()));
        return false;
    }
    State = TEditState::esBrowse;
    PendingAppend = 0;
    const auto forgetCount = qScopeGuard([this] { CountKnown = false; });
    if (EngineGuarded([this] { RecordSetEmpty(); }) && *CachedCount == 0)
        ApplyFilter(); // the record left the record set, and nothing else is in it
    ShowRecord();
    AfterPost();
    return true;
}

void TAddressMain::AfterPost()
{
    if (UpdatesSuspended)
        return;
    SetButtons();
    SetSkipFields(false);
    CheckCloseAndOpen();
}

void TAddressMain::CancelButtonClick()
{
    if (!Editing())
        return;
    State = TEditState::esBrowse;
    DiscardPendingAppend();
    ShowRecord();
    SetButtons();
    SetSkipFields(false);
}

void TAddressMain::DiscardPendingAppend()
{
    if (PendingAppend == 0 || !Table)
        return;
    const uint32_t record = std::exchange(PendingAppend, 0);
    xbase::DbfTable& table = Table->Table();
    try {
        table.go(record);
        table.setDeleted(true);
        Table->SetDeletedMark(true);
        table.commit();
    } catch (const xbase::XbaseError&) {
        // Still unwritable: the record carries the delete flag in memory and is written so.
    }
    EngineGuarded([&table] { table.goTop(); });
}

void TAddressMain::DeleteButtonClick()
{
    if (!OnRecord() || Editing())
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("DELETE"), QStringLiteral("Delete this record?")))
        return;
    xbase::DbfTable& table = Table->Table();
    try {
        table.setFlaggedHidden(false);
        table.setDeleted(true);
        Table->SetDeletedMark(true);
        table.commit();
        table.setFlaggedHidden(true);
        table.skip(-1);
        if (table.bof() || table.eof())
            table.goTop();
    } catch (const xbase::XbaseError& error) {
        table.setFlaggedHidden(true);
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    const auto forgetCount = qScopeGuard([this] { CountKnown = false; });
    if (EngineGuarded([this] { RecordSetEmpty(); }) && *CachedCount == 0) {
        ApplyFilter();
        GuardedGoTop();
    }
    ShowRecord();
    AfterPost();
}

void TAddressMain::CloneRecordClick()
{
    if (!OnRecord() || Editing())
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("Clone"), QStringLiteral("Clone this record?")))
        return;
    static const char* const copied[] = {"LNAME", "FNAME",   "MIDDLE", "PREFIX", "TITLE", "ORG",   "STREET",
                                         "STREET2", "CITY",  "STATE",  "ZIP",    "COUNTRY", "PHONE", "PHONE2",
                                         "EMAIL", "FAX",     "CODES",  "DATE",   "USER1", "USER2"};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QMap<QString, QString> values;
    for (const char* field : copied)
        values[QLatin1String(field)] = Table->FieldText(QLatin1String(field));
    const QString memo = Table->Memo();
    try {
        Table->Table().appendBlank();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            Table->SetFieldText(it.key(), it.value());
        Table->SetMemo(memo);
        Table->Table().commit();
    } catch (const xbase::XbaseError& error) {
        QApplication::restoreOverrideCursor();
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        ShowRecord();
        return;
    }
    QApplication::restoreOverrideCursor();
    ShowRecord();
    TUserPrompts::Current().Information(QStringLiteral("Clone completed. Current record is an exact copy"));
    AfterPost();
}

void TAddressMain::DateButtonClick()
{
    if (!Editing() && !OnRecord())
        return;
    const QString current = Editing() ? PendingDate : Table->FieldText(QStringLiteral("DATE"));
    const std::optional<QString> chosen = Dialogs.ChooseDate(current, this);
    if (!chosen)
        return;
    BeginEdit();
    PendingDate = *chosen;
    FieldEdits["DisplayDate"]->setText(TDisplayDate::Format(PendingDate));
}

void TAddressMain::ToggleTag()
{
    if (!Table || (!Editing() && !OnRecord())) {
        TaggedCheck->setChecked(false);
        return;
    }
    const QString id = TAddressTable::GlobalTagId();
    if (Editing()) {
        PendingTag = PendingTag == id ? QString() : id;
        TaggedCheck->setChecked(!id.isEmpty() && PendingTag == id);
    } else {
        UpdatesSuspended = true;
        const bool batch = BatchRunning;
        BatchRunning = true; // a tag alone does not count towards aggressive saving
        try {
            TTagger::ToggleTag(*Table);
        } catch (const xbase::XbaseError& error) {
            TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        }
        BatchRunning = batch;
        UpdatesSuspended = false;
    }
    const auto forgetCount = qScopeGuard([this] { CountKnown = false; });
    if (AddressFilter.IsSet() && EngineGuarded([this] { RecordSetEmpty(); }) && *CachedCount == 0) {
        ApplyFilter();
        if (!Editing())
            GuardedGoTop();
    }
    if (!Editing())
        ShowRecord();
    else
        UpdateFilterStatus();
}

void TAddressMain::CopyToClipboardClick()
{
    if (!OnRecord())
        return;
    const std::optional<TRecordTextParts> parts = Dialogs.CopyRecordParts(this);
    if (!parts)
        return;
    const QString text = TRecordText::GetRecordAsString(
        [this](const char* field) { return Table->FieldText(QLatin1String(field)); }, *parts);
    QApplication::clipboard()->setText(text);
    TUserPrompts::Current().Information(QStringLiteral("Record copied to Windows Clipboard"));
}

bool TAddressMain::CheckDupName(const QString& first, const QString& last)
{
    if (!Table || first.isEmpty() || last.isEmpty())
        return true;
    xbase::WorkArea& area = Table->Area();
    xbase::DbfTable& table = Table->Table();
    const uint32_t record = table.recordNumber();
    const size_t order = area.order();
    const bool exact = area.exact();
    // Upper-cased as the tag's UPPER does it: Qt's upper case would turn ß into SS and µ into a
    // Greek capital, and miss the records it looks for.
    const QString key = TFilterBuilder::UpperAsEngine(last.leftJustified(Table->FieldWidth(QStringLiteral("LNAME")), u' ', true) +
                                                      first.leftJustified(Table->FieldWidth(QStringLiteral("FNAME")), u' ', true));
    bool found = false;
    uint32_t foundRecord = 0;
    QString foundText;
    try {
        area.setOrder(area.tagNumber("LNAME"));
        area.setExact(true);
        found = area.seek(TCp1252::Encode(key));
        foundRecord = table.recordNumber();
        if (found) {
            auto f = [this](const char* field) { return Table->FieldText(QLatin1String(field)); };
            foundText = QStringLiteral("Possible duplicate: \n\n") + f("FNAME") + u' ' + f("LNAME") + u'\n' +
                        f("STREET") + u'\n' + f("CITY") + u',' + f("STATE") + u' ' + f("ZIP") +
                        QStringLiteral("\n\nContinue adding?");
        }
    } catch (const xbase::XbaseError&) {
        found = false;
    }
    bool goOn = true;
    if (found) {
        QApplication::beep();
        goOn = TUserPrompts::Current().Question(QStringLiteral("Possible Duplicate"), foundText,
                                                TQuestionDefault::qdNo);
    }
    try {
        area.setExact(exact);
        area.setOrder(order);
        table.go(goOn ? record : foundRecord);
    } catch (const xbase::XbaseError&) {
    }
    return goOn;
}

std::pair<QString, QString> TAddressMain::FillCityState(const QString& zip)
{
    if (!Table || zip.isEmpty())
        return {};
    xbase::WorkArea& area = Table->Area();
    xbase::DbfTable& table = Table->Table();
    const uint32_t record = table.recordNumber();
    const size_t order = area.order();
    const bool exact = area.exact();
    std::pair<QString, QString> result;
    try {
        area.setOrder(area.tagNumber("ZIP"));
        area.setExact(false); // 62701 finds 62701-1234
        if (area.seek(TCp1252::Encode(TFilterBuilder::UpperAsEngine(zip))))
            result = {Table->FieldText(QStringLiteral("CITY")), Table->FieldText(QStringLiteral("STATE"))};
    } catch (const xbase::XbaseError&) {
    }
    try {
        area.setExact(exact);
        area.setOrder(order);
        table.go(record);
    } catch (const xbase::XbaseError&) {
    }
    return result;
}

void TAddressMain::SetSkipFields(bool on)
{
    static const std::pair<TSkipField, const char*> skippable[] = {
        {TSkipField::sfLastName, "LNAME"},   {TSkipField::sfFirstName, "FNAME"},  {TSkipField::sfMiddleInitial, "MIDDLE"},
        {TSkipField::sfPrefix, "PREFIX"},    {TSkipField::sfTitle, "TITLE"},      {TSkipField::sfOrganization, "ORG"},
        {TSkipField::sfAddress2, "STREET2"}, {TSkipField::sfState, "STATE"},      {TSkipField::sfZip, "ZIP"},
        {TSkipField::sfCountry, "COUNTRY"},  {TSkipField::sfPhone1, "PHONE"},     {TSkipField::sfPhone2, "PHONE2"},
        {TSkipField::sfFax, "FAX"},          {TSkipField::sfEmail, "EMAIL"},      {TSkipField::sfCodes, "CODES"},
        {TSkipField::sfComments1, "USER1"},  {TSkipField::sfComments2, "USER2"}};
    for (const auto& [field, name] : skippable)
        FieldEdits.value(QLatin1String(name))
            ->setFocusPolicy(on && Prefs.SkipOn(field) ? Qt::ClickFocus : Qt::StrongFocus);
    DateButton->setFocusPolicy(on && Prefs.SkipOn(TSkipField::sfDate) ? Qt::ClickFocus : Qt::StrongFocus);
}
