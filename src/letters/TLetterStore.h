// The stored letters (one of the setup stores on TSetupStore): LETTER.DBF in the sysdata folder (DESCRIPT C 50, RTF memo) with its tag
// DESCRIPT on UPPER(descript). Lists the letters in tag order, finds them by name as the tag
// compares, and moves a letter's RTF between the memo and a rich-text document in memory.
//
// The RTF memo is kept byte for byte; what is written gets the padding rule (a text whose
// length is a positive multiple of 4 gets one blank at its end).
//
// Contract: messages go through the prompt service; engine errors reach the caller as
// xbase::XbaseError, reader errors as ERtfError.
#pragma once

#include "data/TSetupStore.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TRichDocument;

struct TLetterEntry {
    uint32_t RecordNumber = 0;
    QString Description;
};

class TLetterStore : public TSetupStore {
public:
    static constexpr int DescriptionWidth = 50;

    // Opens (or creates) LETTER.DBF; nullptr after "Unable to Open or Create LETTER.DBF".
    static std::unique_ptr<TLetterStore> Open();
    explicit TLetterStore(std::unique_ptr<xbase::WorkArea> area);
    ~TLetterStore();

    // The letters in the letter list's order (description, any case).
    std::vector<TLetterEntry> Letters();
    // The letters whose description equals `name` as the tag compares them: upper-cased,
    // trailing blanks ignored.
    std::vector<TLetterEntry> Find(const QString& name);

    // The current letter.
    bool Select(uint32_t recordNumber);
    uint32_t Current() const;
    QString Description() const;
    QByteArray Rtf() const; // the memo as stored

    // Reads the current letter into `document` (ERtfError when the memo is not RTF).
    void LoadRichText(TRichDocument& document) const;
    // Writes `document` as RTF into the current letter's memo, with the padding rule.
    void SaveRichText(const TRichDocument& document);
    void SetDescription(const QString& description); // cut to 50 characters
    void SetRtf(const QByteArray& rtf);               // with the padding rule
    // A new letter, which becomes the current one.
    uint32_t Append(const QString& description, const QByteArray& rtf);
    void DeleteCurrent();
    void Commit();

    static QByteArray PadRtf(const QByteArray& rtf);
    // Why a name cannot be a letter's description (characters Windows-1252 cannot hold, which
    // would be stored as "?" and make two names one; more than 50 characters), or empty.
    static QString NameRefusal(const QString& name);
    // The key the tag compares: Windows-1252 upper case without trailing blanks.
    static QByteArray NameKey(const QString& name);

private:
    int DescriptField = -1;
    int RtfField = -1;
};
