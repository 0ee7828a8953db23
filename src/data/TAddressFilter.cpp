#include "TAddressFilter.h"

#include "TAddressTable.h"
#include "TCp1252.h"
#include "TFilterBuilder.h"
#include "TFilterFile.h"
#include "prompts/TUserPrompts.h"
#include "xbase/XbaseError.h"

#include <QFileInfo>

namespace {
bool HasFilterExtension(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("FLT"), Qt::CaseInsensitive) == 0;
}
} // namespace

QString TAddressFilter::BuildQueryString() const
{
    return TFilterBuilder::BuildQueryString(Values, TAddressTable::GlobalTagId());
}

void TAddressFilter::ClearQueryVars()
{
    Values.Clear();
    Text.clear();
}

uint32_t TAddressFilter::DropFilter(TAddressTable& table)
{
    ClearQueryVars();
    table.SetFilterText(QString());
    return 0;
}

uint32_t TAddressFilter::ApplyQuery(TAddressTable& table)
{
    try {
        Text = BuildQueryString();
    } catch (const EFilterValue& refused) {
        TUserPrompts::Current().Information(QString::fromUtf8(refused.what()));
        return DropFilter(table);
    }
    if (Text.isEmpty()) {
        table.SetFilterText(QString());
        return 0;
    }
    if (Text.size() + RecordSetSuffixLength > MaxConditionLength) {
        TUserPrompts::Current().Information(QLatin1String(TooComplexMessage));
        return DropFilter(table);
    }
    try {
        table.Area().validate(TCp1252::Encode(Text));
        table.SetFilterText(Text);
    } catch (const xbase::XbaseError& error) {
        // Typed values are quoted safely; this guards the tag id and anything else the engine
        // might still refuse, which must never take the program down.
        TUserPrompts::Current().Information(QStringLiteral("The filter cannot be used: ") +
                                            QString::fromLocal8Bit(error.what()));
        return DropFilter(table);
    }
    const uint32_t count = table.Count();
    if (count == 0)
        return DropFilter(table);
    return count;
}

bool TAddressFilter::SaveFilterTo(const QString& chosenPath) const
{
    QString path = chosenPath;
    if (!HasFilterExtension(path)) {
        // Only the file's own name counts: a dot in a folder name is no extension.
        if (QFileInfo(path).fileName().contains(u'.')) {
            TUserPrompts::Current().Information(QStringLiteral("Must have a .FLT extension"));
            return false;
        }
        path += QStringLiteral(".FLT");
    }
    if (QFileInfo::exists(path) &&
        !TUserPrompts::Current().Question(QStringLiteral("Warning!"),
                                          path + QStringLiteral(" already exists.\nDo you want to overwrite it?"),
                                          TQuestionDefault::qdNo))
        return false;
    if (!TFilterFile::Save(path, Values)) {
        TUserPrompts::Current().Information(QStringLiteral("Unable to write ") + path);
        return false;
    }
    return true;
}

std::optional<uint32_t> TAddressFilter::RestoreFilterFrom(const QString& path, TAddressTable& table)
{
    if (!HasFilterExtension(path)) {
        TUserPrompts::Current().Information(QStringLiteral("Must be a Filter (.FLT) file"));
        return std::nullopt;
    }
    const std::optional<TQueryValues> values = TFilterFile::Restore(path);
    if (!values) {
        TUserPrompts::Current().Information(QStringLiteral("Unable to read ") + path);
        return std::nullopt;
    }
    Values = *values;
    return ApplyQuery(table);
}
