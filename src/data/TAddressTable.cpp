#include "TAddressTable.h"

#include "TAddressSchema.h"
#include "TAddressText.h"
#include "TCp1252.h"
#include "TDisplayDate.h"
#include "prompts/TUserPrompts.h"

namespace {
int SchemaPosition(const QString& field)
{
    const auto& fields = TAddressSchema::StoredFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (field.compare(QLatin1String(fields[i].Name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}
} // namespace

namespace {
xbase::FileSystem* InstalledFiles = nullptr;
}

xbase::FileSystem& TAddressTable::Files() { return InstalledFiles ? *InstalledFiles : xbase::FileSystem::native(); }

void TAddressTable::SetFiles(xbase::FileSystem* files) { InstalledFiles = files; }

QString& TAddressTable::GlobalTagId()
{
    static QString id;
    return id;
}

std::unique_ptr<TAddressTable> TAddressTable::Open(const QString& path, QString* error)
{
    auto fail = [error](const QString& why) -> std::unique_ptr<TAddressTable> {
        if (error)
            *error = why;
        return nullptr;
    };
    if (!Files().exists(path.toStdString())) {
        const QString message = QStringLiteral("File ") + path + QStringLiteral(" not found");
        TUserPrompts::Current().Information(message);
        return fail(message);
    }
    std::unique_ptr<TAddressTable> table(new TAddressTable);
    table->FilePath = path;
    try {
        xbase::WorkAreaOptions options;
        options.hideFlagged = true; // flagged records are invisible, as the record set wants
        table->WorkArea = xbase::WorkArea::open(Files(), path.toStdString(), options);
    } catch (const xbase::XbaseError& engineError) {
        return fail(QString::fromLocal8Bit(engineError.what()));
    }
    const auto& fields = TAddressSchema::StoredFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const int index = table->WorkArea->table().fieldIndex(fields[i].Name);
        if (index < 0)
            return fail(path + QStringLiteral(" is not an address table: it has no field ") + QLatin1String(fields[i].Name));
        table->StoredIndex[i] = index;
    }
    return table;
}

TAddressTable::~TAddressTable()
{
    try {
        Close();
    } catch (...) {
        // Nothing can be reported from here; Close() reports to callers who call it.
    }
}

void TAddressTable::Close()
{
    if (WorkArea)
        WorkArea->close();
    WorkArea.reset();
}

int TAddressTable::FieldIndex(const QString& field) const
{
    const int position = SchemaPosition(field);
    return position < 0 ? -1 : StoredIndex[static_cast<size_t>(position)];
}

int TAddressTable::FieldWidth(const QString& field) const
{
    const int index = FieldIndex(field);
    return index < 0 ? 0 : WorkArea->table().field(index).width;
}

QString TAddressTable::FieldText(const QString& field) const
{
    const int index = FieldIndex(field);
    if (index < 0)
        return QString();
    return TCp1252::Decode(WorkArea->table().textView(index));
}

void TAddressTable::SetFieldText(const QString& field, const QString& text, bool* lossy)
{
    const int index = FieldIndex(field);
    if (index < 0)
        throw xbase::XbaseError(("The address table has no field " + field).toStdString());
    WorkArea->table().setText(index, TCp1252::Encode(text, lossy));
}

bool TAddressTable::IsDeletedMark() const { return WorkArea->table().logical(FieldIndex(QStringLiteral("ISDEL"))); }

void TAddressTable::SetDeletedMark(bool deleted)
{
    WorkArea->table().setLogical(FieldIndex(QStringLiteral("ISDEL")), deleted);
}

QString TAddressTable::Memo() const { return TCp1252::Decode(WorkArea->table().memoText(FieldIndex(QStringLiteral("MEMO")))); }

void TAddressTable::SetMemo(const QString& text, bool* lossy)
{
    WorkArea->table().setMemo(FieldIndex(QStringLiteral("MEMO")), TCp1252::Encode(text, lossy));
}

bool TAddressTable::Tagged() const
{
    return !GlobalTagId().isEmpty() && FieldText(QStringLiteral("TAG")) == GlobalTagId();
}

QString TAddressTable::Value(const QString& field) const
{
    if (field.compare(QLatin1String("Tagged"), Qt::CaseInsensitive) == 0)
        return Tagged() ? QStringLiteral("T") : QStringLiteral("F");
    if (field.compare(QLatin1String("DisplayDate"), Qt::CaseInsensitive) == 0)
        return TDisplayDate::Format(FieldText(QStringLiteral("DATE")));
    if (field.compare(QLatin1String("FullName"), Qt::CaseInsensitive) == 0)
        return ExtraFields ? TAddressText::FullName(FieldText("FNAME"), FieldText("MIDDLE"), FieldText("LNAME")) : QString();
    if (field.compare(QLatin1String("FullNameWithPrefix"), Qt::CaseInsensitive) == 0)
        return ExtraFields ? TAddressText::FullNameWithPrefix(FieldText("PREFIX"), FieldText("FNAME"), FieldText("MIDDLE"),
                                                              FieldText("LNAME"))
                           : QString();
    if (field.compare(QLatin1String("CityStateZip"), Qt::CaseInsensitive) == 0)
        return ExtraFields ? TAddressText::CityStateZip(FieldText("CITY"), FieldText("STATE"), FieldText("ZIP")) : QString();
    if (field.compare(QLatin1String("MEMO"), Qt::CaseInsensitive) == 0)
        return Memo();
    if (field.compare(QLatin1String("ISDEL"), Qt::CaseInsensitive) == 0)
        return IsDeletedMark() ? QStringLiteral("T") : QStringLiteral("F");
    return FieldText(field);
}

bool TAddressTable::CheckValidIndex() const
{
    for (const auto& tag : TAddressSchema::Tags())
        if (WorkArea->tagNumber(tag.Name) == 0)
            return false;
    return true;
}

bool TAddressTable::SetOrderTag(const QString& tag)
{
    if (tag.isEmpty()) {
        WorkArea->setOrder(0);
        return true;
    }
    const size_t number = WorkArea->tagNumber(tag.toStdString());
    if (number == 0)
        return false;
    WorkArea->setOrder(number);
    return true;
}

void TAddressTable::SetFilterText(const QString& filterText)
{
    const QString condition = filterText.isEmpty() ? QLatin1String(RecordSetCondition)
                                                   : filterText + QStringLiteral(".and. !ISDEL");
    WorkArea->setCondition(TCp1252::Encode(condition));
}
