#include "TCopyOutWriter.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TSafeFileWriter.h"
#include "data/TCp1252.h"
#include "prompts/TUserPrompts.h"
#include "xbase/BatchCommitter.h"
#include "xbase/CdxIndex.h"
#include "xbase/DbfCreator.h"
#include "xbase/DbfPaths.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

// The path with every link and "." or ".." resolved, as far as it exists: a file that is not
// there yet gets its folder resolved.
QString ResolvedPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

// Letter case ignored, as the table's own name rule has it.
bool SamePath(const QString& a, const QString& b)
{
    return ResolvedPath(a).compare(ResolvedPath(b), Qt::CaseInsensitive) == 0 ||
           QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(), Qt::CaseInsensitive) == 0;
}

// The files beside a table named like it with one of `extensions`, whatever their letter case
// (an index the engine named out.cdx belongs to out.dbf as much as out.CDX does).
QStringList CompanionFiles(const QString& table, const QStringList& extensions)
{
    const QFileInfo info(table);
    QStringList found;
    const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        for (const QString& extension : extensions)
            if (entry.compare(info.completeBaseName() + u'.' + extension, Qt::CaseInsensitive) == 0 &&
                entry.startsWith(info.completeBaseName()))
                found << info.dir().filePath(entry);
    return found;
}

// Where a table copy is built before it takes the target's place: beside it, with the same
// extension so its memo and index files get the names the engine gives them.
QString BuildPath(const QString& target)
{
    const QFileInfo info(target);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".saving.") + info.suffix());
}

void RemoveTableFiles(xbase::FileSystem& fs, const QString& table)
{
    for (const QString& file : CompanionFiles(table, {QStringLiteral("CDX"), QStringLiteral("FPT")}) + QStringList{table})
        if (fs.exists(file.toStdString()))
            fs.remove(file.toStdString());
}

// Walks the record set in its current order from the first record, then puts the record back.
class TSelectionWalk {
public:
    explicit TSelectionWalk(xbase::DbfTable& records) : Records(records)
    {
        Recno = records.eof() ? 0 : records.recordNumber();
    }
    ~TSelectionWalk()
    {
        try {
            if (Recno > 0)
                Records.go(Recno);
        } catch (...) {
        }
    }

private:
    xbase::DbfTable& Records;
    uint32_t Recno = 0;
};

void AppendQuoted(std::string& line, std::string_view value)
{
    line += '"';
    for (const char c : value) {
        if (c == '"')
            line += '"'; // doubled, as every comma-separated reader expects
        line += c;
    }
    line += '"';
}

// The copy gets the address table's 26 tags, so it opens with its orders like any table.
void BuildTags(const std::string& path)
{
    auto area = xbase::WorkArea::open(xbase::FileSystem::native(), path, {.openIndex = false});
    if (!TAddressFiles::BuildAddressTags(*area))
        throw EErrorCopying("There was an error copying");
    area->table().commit();
}

// The built copy takes the target's place: the target's own index and memo go whatever their
// case, the new files are renamed to the names the engine gives the target's.
void Install(xbase::FileSystem& fs, const QString& building, const QString& target)
{
    for (const QString& old : CompanionFiles(target, {QStringLiteral("CDX"), QStringLiteral("FPT")}))
        fs.remove(old.toStdString());
    const std::string from = building.toStdString();
    const std::string to = target.toStdString();
    for (const char* extension : {"FPT", "CDX"}) {
        const std::string companion = xbase::dbfpaths::withExtension(from, extension);
        if (fs.exists(companion))
            fs.rename(companion, xbase::dbfpaths::withExtension(to, extension));
    }
    fs.rename(from, to);
}

} // namespace

const QStringList& TCopyOutWriter::TextFields()
{
    static const QStringList fields = {"PREFIX", "FNAME", "MIDDLE", "LNAME",  "TITLE", "ORG",  "STREET",
                                       "STREET2", "CITY", "STATE",  "ZIP",    "COUNTRY", "PHONE", "PHONE2",
                                       "EMAIL",  "FAX",   "DATE",   "USER1",  "USER2", "CODES"};
    return fields;
}

const QStringList& TCopyOutWriter::TableFields()
{
    static const QStringList fields = {"PREFIX", "FNAME", "MIDDLE", "LNAME", "TITLE", "ORG",   "STREET",
                                       "STREET2", "CITY", "STATE",  "ZIP",   "COUNTRY", "PHONE", "PHONE2",
                                       "EMAIL",  "FAX",   "DATE",   "CODES", "USER1", "USER2", "TAG"};
    return fields;
}

bool TCopyOutWriter::IsOpenTable(const QString& target, const QString& tablePath) { return SamePath(target, tablePath); }

bool TCopyOutWriter::AcceptTarget(TCopyKind kind, const QString& target, const QString& tablePath, bool overwriteConfirmed)
{
    TUserPrompts& prompts = TUserPrompts::Current();
    if (target.isEmpty())
        return false;
    if (kind == TCopyKind::ckDbf && QStringLiteral(".") + QFileInfo(target).suffix().toUpper() != QLatin1String(".DBF")) {
        prompts.Information(QStringLiteral("Must have a .DBF extension"));
        return false;
    }
    if (SamePath(target, tablePath)) {
        prompts.Information(QStringLiteral("Cannot copy a file to itself!"));
        return false;
    }
    if (QFileInfo::exists(target) && !overwriteConfirmed &&
        !prompts.Question(QStringLiteral("Warning!"), target + QStringLiteral(" already exists.\r\nDo you want to overwrite it?"),
                          TQuestionDefault::qdNo))
        return false;
    return true;
}

uint32_t TCopyOutWriter::CopyToDbf(TAddressTable& table, const QString& target, const TToolProgress& progress)
{
    xbase::FileSystem& fs = xbase::FileSystem::native();
    xbase::DbfTable& source = table.Table();
    // The copy is built under another name and takes the target's place only when whole: a
    // failure leaves an existing target as it was and nothing half-made.
    const QString building = BuildPath(target);
    const std::string path = building.toStdString();
    uint32_t copied = 0;
    std::unique_ptr<xbase::DbfTable> out;
    try {
        source.commit();
        RemoveTableFiles(fs, building); // left by a copy that never ended
        xbase::DbfCreator::copyStructureOf(source).create(fs, path);
        out = xbase::DbfTable::open(fs, path);
        std::vector<std::pair<int, int>> fields; // source index, target index
        for (const QString& name : TableFields())
            fields.emplace_back(source.fieldIndex(name.toStdString()), out->fieldIndex(name.toStdString()));
        const int memoIn = source.fieldIndex("MEMO");
        const int memoOut = out->fieldIndex("MEMO");
        const uint32_t total = table.Count();
        TSelectionWalk walk(source);
        // To disk in batches: a crash loses at most the last moment's records.
        xbase::BatchCommitter batch(*out, xbase::BatchCommitter::kDefaultRecords,
                                    std::chrono::milliseconds(FlushIntervalMs));
        for (source.goTop(); !source.eof(); source.skip()) {
            out->appendBlank();
            for (const auto& [from, to] : fields)
                out->setText(to, source.textView(from));
            std::string memo = source.memoText(memoIn);
            // The padding rule: a memo whose length is a positive multiple of 4 gets a blank.
            if (!memo.empty() && memo.size() % 4 == 0)
                memo += ' ';
            if (!memo.empty())
                out->setMemo(memoOut, memo);
            ++copied;
            batch.recordDone();
            if (out->recordCount() != copied)
                throw EErrorCopying("Error copying - not enough disk space");
            if (progress && !progress({copied, total, copied}))
                break;
        }
        batch.finish();
        out->close();
        out.reset();
        BuildTags(path);
        Install(fs, building, target);
    } catch (const std::exception&) {
        const bool countsAgree = out ? out->recordCount() == copied : copied == 0;
        try {
            if (out)
                out->close();
        } catch (...) {
        }
        out.reset();
        try {
            RemoveTableFiles(fs, building);
        } catch (...) {
        }
        throw EErrorCopying(countsAgree ? "There was an error copying"
                                        : "There was an error copying\r\rPossibly: Not Enough Disk Space");
    }
    return copied;
}

uint32_t TCopyOutWriter::CopyToText(TAddressTable& table, const QString& target, bool utf8WithHeader, const TToolProgress& progress)
{
    // Written beside the target and renamed over it when whole: a failure leaves what was there.
    std::unique_ptr<TSafeFileWriter> file;
    try {
        file = std::make_unique<TSafeFileWriter>(target);
    } catch (const ESafeWriteError&) {
        throw EErrorCopying("Error copying - possibly Disk Full");
    }
    xbase::DbfTable& source = table.Table();
    source.commit();
    std::vector<int> fields;
    for (const QString& name : TextFields())
        fields.push_back(source.fieldIndex(name.toStdString()));
    std::string buffer;
    auto write = [&](bool force) {
        if (buffer.size() < (1u << 20) && !force)
            return;
        try {
            file->Write(QByteArrayView(buffer.data(), static_cast<qsizetype>(buffer.size())));
        } catch (const ESafeWriteError&) {
            throw EErrorCopying("Error copying - possibly Disk Full");
        }
        buffer.clear();
    };
    if (utf8WithHeader) {
        for (int i = 0; i < TextFields().size(); ++i) {
            if (i > 0)
                buffer += ',';
            AppendQuoted(buffer, TextFields()[i].toStdString());
        }
        buffer += "\r\n";
    }
    const uint32_t total = table.Count();
    uint32_t copied = 0;
    TSelectionWalk walk(source);
    std::string line;
    try {
        for (source.goTop(); !source.eof() && copied < total; source.skip()) {
            line.clear();
            for (size_t i = 0; i < fields.size(); ++i) {
                if (i > 0)
                    line += ',';
                const std::string_view value = source.textView(fields[i]);
                if (utf8WithHeader)
                    AppendQuoted(line, TCp1252::Decode(value).toUtf8().toStdString());
                else
                    AppendQuoted(line, value);
            }
            line += "\r\n";
            buffer += line;
            write(false);
            ++copied;
            if (progress && !progress({copied, total, copied}))
                break;
        }
    } catch (const xbase::XbaseError&) {
        throw EErrorCopying("Error copying - possibly Disk Full");
    }
    write(true);
    try {
        file->Commit();
    } catch (const ESafeWriteError&) {
        throw EErrorCopying("Error copying - possibly Disk Full");
    }
    return copied;
}
