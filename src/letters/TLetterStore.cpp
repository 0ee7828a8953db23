#include "TLetterStore.h"

#include "data/TAddressFiles.h"
#include "data/TCp1252.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "richtext/TRtfWriter.h"
#include "xbase/PaddedText.h"
#include "xbase/TextCase.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

std::unique_ptr<TLetterStore> TLetterStore::Open()
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stLetter);
    if (!area)
        return nullptr;
    return std::make_unique<TLetterStore>(std::move(area));
}

TLetterStore::TLetterStore(std::unique_ptr<xbase::WorkArea> area) : TSetupStore(std::move(area), QChar())
{
    DescriptField = Area->table().fieldIndex("DESCRIPT");
    RtfField = Area->table().fieldIndex("RTF");
    if (DescriptField < 0 || RtfField < 0)
        throw xbase::XbaseError("LETTER.DBF lacks the field DESCRIPT or RTF");
}

TLetterStore::~TLetterStore() = default;

std::vector<TLetterEntry> TLetterStore::Letters()
{
    xbase::DbfTable& table = Area->table();
    const uint32_t current = table.recordNumber();
    std::vector<TLetterEntry> letters;
    for (table.goTop(); !table.eof(); table.skip())
        letters.push_back({table.recordNumber(), Description()});
    if (current > 0 && current <= table.recordCount())
        table.go(current);
    return letters;
}

QByteArray TLetterStore::NameKey(const QString& name)
{
    std::string key = TCp1252::Encode(name.left(DescriptionWidth));
    xbase::TextCase::toUpper(key.data(), key.size());
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return QByteArray::fromStdString(key);
}

std::vector<TLetterEntry> TLetterStore::Find(const QString& name)
{
    const QByteArray key = NameKey(name);
    std::vector<TLetterEntry> found;
    for (const TLetterEntry& letter : Letters())
        if (NameKey(letter.Description) == key)
            found.push_back(letter);
    return found;
}

bool TLetterStore::Select(uint32_t recordNumber) { return Go(recordNumber); }

uint32_t TLetterStore::Current() const { return Area->table().eof() ? 0 : Area->table().recordNumber(); }

QString TLetterStore::Description() const
{
    return TCp1252::Decode(xbase::trimPadding(Area->table().textView(DescriptField)));
}

QByteArray TLetterStore::Rtf() const { return QByteArray::fromStdString(Area->table().memoText(RtfField)); }

void TLetterStore::LoadRichText(TRichDocument& document) const { TRtfReader::Read(Rtf(), document); }

void TLetterStore::SaveRichText(const TRichDocument& document) { SetRtf(TRtfWriter::Write(document)); }

QString TLetterStore::NameRefusal(const QString& name)
{
    QString unstorable;
    for (const uint c : name.toUcs4()) {
        bool lossy = false;
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        TCp1252::Encode(one, &lossy);
        if (lossy && !unstorable.contains(one))
            unstorable += one;
    }
    if (!unstorable.isEmpty())
        return QStringLiteral("The letter name cannot hold %1: use only characters of the Windows-1252 character set.")
            .arg(unstorable);
    if (name.toUcs4().size() > DescriptionWidth)
        return QStringLiteral("A letter name has at most %1 characters.").arg(DescriptionWidth);
    return {};
}

QByteArray TLetterStore::PadRtf(const QByteArray& rtf) { return !rtf.isEmpty() && rtf.size() % 4 == 0 ? rtf + ' ' : rtf; }

void TLetterStore::SetRtf(const QByteArray& rtf)
{
    const QByteArray padded = PadRtf(rtf);
    Area->table().setMemo(RtfField, std::string_view(padded.constData(), static_cast<size_t>(padded.size())));
}

void TLetterStore::SetDescription(const QString& description)
{
    Area->table().setText(DescriptField, TCp1252::Encode(description.left(DescriptionWidth)));
}

uint32_t TLetterStore::Append(const QString& description, const QByteArray& rtf)
{
    xbase::DbfTable& table = Area->table();
    table.appendBlank();
    try {
        SetDescription(description);
        SetRtf(rtf);
        table.commit();
    } catch (...) {
        // A letter without its text would stand in the list under the name: it goes again.
        try {
            table.cancelAppend();
            table.abandonUnstoredAppends();
            table.commit();
        } catch (...) {
        }
        throw;
    }
    return table.recordNumber();
}

void TLetterStore::DeleteCurrent()
{
    Area->table().setDeleted(true);
    Area->table().commit();
}

void TLetterStore::Commit() { Area->table().commit(); }
