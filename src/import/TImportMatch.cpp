#include "TImportMatch.h"

#include "data/TAddressSchema.h"

#include <QRegularExpression>

#include <algorithm>

std::vector<TImportTarget> TImportMatch::TextTargets()
{
    std::vector<TImportTarget> targets;
    for (const TAddressFieldDef& stored : TAddressSchema::StoredFields()) {
        const TViewFieldDef* view = TAddressSchema::FindViewField(QLatin1String(stored.Name));
        if (stored.Type == 'C' && view && view->Shown)
            targets.push_back({QLatin1String(stored.Name), QLatin1String(view->Caption)});
    }
    return targets;
}

std::vector<TImportTarget> TImportMatch::DbfTargets()
{
    std::vector<TImportTarget> targets = TextTargets();
    targets.push_back({QStringLiteral("MEMO"), QLatin1String(TAddressSchema::FindViewField(QStringLiteral("MEMO"))->Caption)});
    return targets;
}

QStringList TImportMatch::TargetNames(const std::vector<TImportTarget>& targets)
{
    QStringList names;
    for (const TImportTarget& target : targets)
        names << target.Field << target.Caption;
    return names;
}

TImportMatch::TImportMatch(std::vector<TImportTarget> targets, std::vector<TImportSourceColumn> sources)
    : TargetRows(std::move(targets)), SourceColumns(std::move(sources)), Rows(TargetRows.size(), -1)
{
}

int TImportMatch::RowOfField(const QString& fieldOrCaption) const
{
    for (size_t row = 0; row < TargetRows.size(); ++row)
        if (fieldOrCaption.compare(TargetRows[row].Field, Qt::CaseInsensitive) == 0 ||
            fieldOrCaption.compare(TargetRows[row].Caption, Qt::CaseInsensitive) == 0)
            return static_cast<int>(row);
    return -1;
}

int TImportMatch::SourceIndex(const QString& name) const
{
    for (size_t i = 0; i < SourceColumns.size(); ++i)
        if (name.compare(SourceColumns[i].Name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    // "Field 3" names the third column also when the file's first line gave it a name.
    static const QRegularExpression numbered(QStringLiteral("^field (\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = numbered.match(name.trimmed());
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number >= 1 && number <= static_cast<int>(SourceColumns.size()) ? number - 1 : -1;
}

int TImportMatch::RowOfSource(int source) const
{
    const auto found = std::find(Rows.begin(), Rows.end(), source);
    return source < 0 || found == Rows.end() ? -1 : static_cast<int>(found - Rows.begin());
}

void TImportMatch::Assign(int row, int source)
{
    if (source >= 0)
        std::replace(Rows.begin(), Rows.end(), source, -1);
    Rows[static_cast<size_t>(row)] = source;
}

void TImportMatch::ClearAll() { std::fill(Rows.begin(), Rows.end(), -1); }

bool TImportMatch::Fits(int row, int source) const
{
    const char type = SourceColumns[static_cast<size_t>(source)].Type;
    if (TargetRows[static_cast<size_t>(row)].Field == QLatin1String("MEMO"))
        return type == 'M' || type == 'C';
    return type == 'C' || type == 'L' || type == 'N' || type == 'D' || type == 'F';
}

int TImportMatch::AssignedCount() const
{
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](int source) { return source >= 0; }));
}

void TImportMatch::AutoMatch()
{
    ClearAll();
    for (size_t source = 0; source < SourceColumns.size(); ++source) {
        const QString& name = SourceColumns[source].Name;
        for (size_t row = 0; row < TargetRows.size(); ++row) {
            const bool named = name.compare(TargetRows[row].Field, Qt::CaseInsensitive) == 0 ||
                               name.compare(TargetRows[row].Caption, Qt::CaseInsensitive) == 0;
            if (named && Rows[row] < 0 && Fits(static_cast<int>(row), static_cast<int>(source))) {
                Rows[row] = static_cast<int>(source);
                break;
            }
        }
    }
}
