#include "TCopyOutWriter.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "prompts/TUserPrompts.h"
#include "xbase/BatchCommitter.h"
#include "xbase/CdxIndex.h"
#include "xbase/DbfCreator.h"
#include "xbase/XbaseError.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

bool SamePath(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(), Qt::CaseInsensitive) == 0;
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
    const std::string path = target.toStdString();
    uint32_t copied = 0;
    std::unique_ptr<xbase::DbfTable> out;
    try {
        source.commit();
        const std::string index = path.substr(0, path.size() >= 3 ? path.size() - 3 : 0) + "CDX";
        if (fs.exists(index))
            fs.remove(index);
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
    } catch (const std::exception&) {
        const bool countsAgree = out ? out->recordCount() == copied : copied == 0;
        try {
            if (out)
                out->close();
        } catch (...) {
        }
        throw EErrorCopying(countsAgree ? "There was an error copying"
                                        : "There was an error copying\r\rPossibly: Not Enough Disk Space");
    }
    return copied;
}

uint32_t TCopyOutWriter::CopyToText(TAddressTable& table, const QString& target, bool utf8WithHeader, const TToolProgress& progress)
{
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EErrorCopying("Error copying - possibly Disk Full");
    xbase::DbfTable& source = table.Table();
    source.commit();
    std::vector<int> fields;
    for (const QString& name : TextFields())
        fields.push_back(source.fieldIndex(name.toStdString()));
    std::string buffer;
    auto write = [&](bool force) {
        if (buffer.size() < (1u << 20) && !force)
            return;
        if (file.write(buffer.data(), static_cast<qint64>(buffer.size())) != static_cast<qint64>(buffer.size()))
            throw EErrorCopying("Error copying - possibly Disk Full");
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
        write(true); // the lines copied so far stay in the file
        throw EErrorCopying("Error copying - possibly Disk Full");
    }
    write(true);
    if (!file.flush())
        throw EErrorCopying("Error copying - possibly Disk Full");
    file.close();
    return copied;
}
