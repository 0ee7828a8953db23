#include "TReleaseImportSource.h"

#include "TDbfImportSource.h"
#include "TImportWriter.h"

#include "data/TDisplayDate.h"
#include "xbase/XbaseError.h"

#include <QDate>
#include <QLocale>

namespace {

const QStringList required1x = {"LNAME", "FNAME", "MIDDLE", "TITLE", "ORG",    "STREET",  "CITY",   "STATE", "ZIP",
                                "COUNTRY", "PHONE", "EMAIL", "FAX",  "NOTES", "PREFIX", "CARRIER", "DATE", "MEMO"};
const QStringList required2x = {"LNAME", "FNAME", "MIDDLE", "TITLE",  "ORG",    "STREET", "STREET2", "CITY",
                                "STATE", "ZIP",   "COUNTRY", "PHONE", "PHONE2", "EMAIL",  "FAX",     "CODES",
                                "PREFIX", "DATE", "USER1",  "USER2", "ISDEL",  "MEMO",   "TAG"};

// Fields both releases hand over under their own names.
const char* const sameName[] = {"LNAME", "FNAME", "PREFIX", "MIDDLE",  "TITLE", "ORG", "STREET",
                                "CITY",  "STATE", "ZIP",    "COUNTRY", "PHONE", "FAX", "EMAIL"};
const char* const sameName2x[] = {"STREET2", "PHONE2", "USER1", "USER2", "ISDEL", "CODES"};

bool ValidStamp(const QString& text)
{
    if (text.size() != 8)
        return false;
    bool ok = false;
    text.toInt(&ok);
    return ok && QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt()).isValid();
}

} // namespace

QStringList TReleaseImportSource::MissingFields(const xbase::DbfTable& table, int release)
{
    QStringList missing;
    for (const QString& field : release == 1 ? required1x : required2x)
        if (table.fieldIndex(field.toStdString()) < 0)
            missing << field;
    return missing;
}

QString TReleaseImportSource::NotReleaseMessage(const QString& path, int release)
{
    return path + QStringLiteral(" does not appear to be a Quorvane %1.x DBF").arg(release);
}

QString TReleaseImportSource::ConvertDate1x(const QString& text)
{
    const QString stamp = text.trimmed();
    if (ValidStamp(stamp))
        return stamp;
    for (const QString& format : {QLocale::system().dateFormat(QLocale::ShortFormat), TDisplayDate::SessionFormat()}) {
        const QDate date = QDate::fromString(stamp, format);
        if (date.isValid())
            return date.toString(QStringLiteral("yyyyMMdd"));
    }
    return QString();
}

TReleaseImportSource::TReleaseImportSource(std::unique_ptr<xbase::DbfTable> table, int release)
    : TDbfRecordSource(std::move(table)), Release(release)
{
}

void TReleaseImportSource::Prepare(TImportWriter& writer)
{
    auto source = [this](const char* name) { return Table->fieldIndex(name); };
    Fields.clear();
    for (const char* name : sameName)
        Fields.emplace_back(source(name), writer.FieldIndex(QLatin1String(name)));
    if (Release == 1) {
        Fields.emplace_back(source("NOTES"), writer.FieldIndex(QStringLiteral("CODES")));
    } else {
        for (const char* name : sameName2x)
            Fields.emplace_back(source(name), writer.FieldIndex(QLatin1String(name)));
    }
    SourceDate = source("DATE");
    TargetDate = writer.FieldIndex(QStringLiteral("DATE"));
    SourceMemo = source("MEMO");
}


void TReleaseImportSource::Transfer(TImportWriter& writer)
{
    try {
        for (const auto& [source, target] : Fields)
            writer.WriteText(target, TDbfImportSource::FieldText(*Table, source, Text));
        // A date field of either release is read as its eight digits; only 1.x wrote dates as
        // text in the short date format.
        const bool dateField = Table->field(SourceDate).type == 'D';
        const QString date = dateField ? QString::fromLatin1(Table->dateText(SourceDate)) : Text.Decode(Table->textView(SourceDate));
        writer.WriteText(TargetDate, Release == 1 ? ConvertDate1x(date) : date);
        writer.WriteMemo(TDbfImportSource::FieldText(*Table, SourceMemo, Text));
    } catch (const xbase::XbaseError& error) {
        throw TImportReadError(error.what());
    }
}
