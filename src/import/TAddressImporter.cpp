#include "TAddressImporter.h"

#include "TImportWriter.h"

#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"
#include "xbase/BatchCommitter.h"
#include "data/TCountText.h"

#include <algorithm>
#include <cmath>

int TAddressImporter::TRebuildBar::Report(int percent)
{
    if (percent > Last)
        Total += percent - Last;
    Last = percent; // a fall means the next tag has started
    // The whole is every tag's hundred, so the bar fills as the last tag ends.
    const long long whole = 100LL * TAddressSchema::TagCount;
    return static_cast<int>(std::min<long long>(100, std::llround(static_cast<double>(Total) * 100.0 / whole)));
}

QString TAddressImporter::EndMessage(TImportKind kind, TImportEnd end, uint32_t records)
{
    const QString n = TCountText::Records(records);
    switch (end) {
    case TImportEnd::ieCancelled:
        return QStringLiteral("Import cancelled after importing ") + n + QStringLiteral(".");
    case TImportEnd::ieReadError:
        if (kind == TImportKind::ikText)
            return QStringLiteral("Unknown error reading ASCII file after importing ") + n + QStringLiteral(".");
        break;
    case TImportEnd::ieWriteError:
        if (kind == TImportKind::ikText)
            return QStringLiteral("Unknown error writing to data file after importing ") + n + QStringLiteral(".");
        break;
    case TImportEnd::ieComplete:
        break;
    }
    return QStringLiteral("Import complete. Imported ") + n + QStringLiteral(".");
}

QString TAddressImporter::CutMessage(int valuesCut)
{
    return valuesCut == 1 ? QStringLiteral("1 value was longer than its field and was cut.")
                          : QStringLiteral("%1 values were longer than their fields and were cut.").arg(valuesCut);
}

QString TAddressImporter::ReplacedMessage(int characters)
{
    return QStringLiteral("%1 character(s) cannot be stored in the address table's character set (Windows-1252) "
                          "and were written as \"?\".")
        .arg(characters);
}

QString TAddressImporter::CauseLine(const QString& cause)
{
    return cause.isEmpty() ? QString() : QStringLiteral("\n") + cause;
}

void TAddressImporter::KeepPostedRecords(xbase::DbfTable& records)
{
    try {
        records.cancelAppend(); // the record the failure met is not counted and does not stay
        records.commit();       // what was posted before the failure stays
    } catch (const std::exception&) {
        // The disk took only part: keep what the file holds and say no more than that.
        records.abandonUnstoredAppends();
        try {
            records.commit();
        } catch (const std::exception&) {
        }
    }
}

TImportResult TAddressImporter::Run(TAddressTable& table, TImportSource& source, const TImportHooks& hooks)
{
    TImportResult result;
    auto status = [&](const QString& text) {
        if (hooks.Status)
            hooks.Status(text);
    };
    auto bar = [&](int percent) {
        if (hooks.Bar)
            hooks.Bar(percent);
    };
    auto tell = [&](const QString& message) {
        result.Messages << message;
        if (hooks.Message)
            hooks.Message(message);
        else
            TUserPrompts::Current().Information(message);
    };

    TImportWriter writer(table);
    xbase::DbfTable& records = table.Table();
    const uint32_t before = records.recordCount();
    try {
        // Every append would otherwise update 26 tags; one build at the end is far cheaper.
        table.Area().deleteIndex();
        if (source.Kind() == TImportKind::ikText)
            status(QStringLiteral("Counting total lines"));
        const uint64_t total = source.CountRecords();
        status(QStringLiteral("Importing records"));
        source.Prepare(writer);
        int shown = -1;
        xbase::BatchCommitter batch(records); // posted records reach the header once a second
        while (source.NextRecord()) {
            records.appendBlank();
            source.Transfer(writer);
            ++result.Records;
            batch.recordDone();
            const int percent = total == 0 ? 100 : static_cast<int>(std::min<uint64_t>(100, result.Records * 100 / total));
            if (percent != shown)
                bar(shown = percent);
            if (hooks.StopRequested && hooks.StopRequested()) {
                result.End = TImportEnd::ieCancelled;
                break;
            }
        }
        batch.finish();
    } catch (const TImportReadError& error) {
        result.End = TImportEnd::ieReadError;
        result.Cause = QString::fromLocal8Bit(error.what());
    } catch (const std::exception& error) {
        result.End = TImportEnd::ieWriteError;
        result.Cause = QString::fromLocal8Bit(error.what());
    }
    if (result.End == TImportEnd::ieReadError || result.End == TImportEnd::ieWriteError)
        KeepPostedRecords(records);
    // The count is what the table holds now: a record the failure cut short is gone, and so
    // are records a full disk never took.
    result.Records = records.recordCount() > before ? records.recordCount() - before : 0;
    result.ValuesCut = writer.ValuesCut();
    result.CharactersReplaced = writer.CharactersReplaced();

    const bool failed = result.End == TImportEnd::ieReadError || result.End == TImportEnd::ieWriteError;
    if (failed && source.Kind() != TImportKind::ikText)
        tell(QStringLiteral("Unknown error while importing.") + CauseLine(result.Cause));
    QString end = EndMessage(source.Kind(), result.End, result.Records);
    if (failed && source.Kind() == TImportKind::ikText)
        end += CauseLine(result.Cause);
    if (!source.Notice().isEmpty())
        end += u'\n' + source.Notice();
    if (result.ValuesCut > 0)
        end += u'\n' + CutMessage(result.ValuesCut);
    tell(end);
    if (result.CharactersReplaced > 0)
        tell(ReplacedMessage(result.CharactersReplaced));

    status(QStringLiteral("Rebuilding Indexes "));
    if (hooks.RebuildStarting)
        hooks.RebuildStarting();
    TRebuildBar rebuildBar;
    bar(0);
    result.TagsBuilt = TAddressFiles::BuildAddressTags(table.Area(), [&](int percent) { bar(rebuildBar.Report(percent)); });
    return result;
}
