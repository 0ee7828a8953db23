// The folded keys of the "Similar names and addresses" check. Text (Windows-1252 bytes, as
// stored) is folded so that spelling noise does not hide a duplicate: letter case, accents
// (é as E, ß as SS), punctuation and blanks; in streets the common words are unified through
// a small table delivered in sysdata (STREET as ST, NORTH as N, ...). Names are then compared
// with a small edit distance.
//
// Streets are first put in the postal standard form (TAddressStandardizer, when given), so
// "123 North Main Street" and "123 N Main St" fold alike, and the words table, made from the
// same suffix table, unifies what standardization leaves (a suffix that is not in suffix place).
//
// Contract: the words table is read once per object; a missing file only means no unifying.
#pragma once

#include <QString>

#include <memory>

#include <string>
#include <string_view>
#include <unordered_map>

class TAddressStandardizer;

class TSimilarKey {
public:
    static constexpr const char* WordsFileName = "STREETWORDS.TXT";

    TSimilarKey() = default;
    // Reads "WORD SHORT" lines (# starts a comment); returns false when the file is missing.
    bool LoadWords(const QString& path);
    void AddWord(const std::string& word, const std::string& shortForm) { Words[word] = shortForm; }
    // Streets are standardized with these tables before they are folded (null: not at all).
    void SetStandardizer(std::shared_ptr<const TAddressStandardizer> tables) { Standard = std::move(tables); }

    // Case, accents, punctuation and blanks folded away: "O'Brien-Smith" gives OBRIENSMITH.
    std::string Name(std::string_view text) const;
    // Folded word by word with the street words unified: "12 North Main Street" and
    // "12 N. Main St" both give 12NMAINST.
    std::string Street(std::string_view text) const;
    // The first five folded characters, so a ZIP+4 groups with its ZIP.
    std::string Zip(std::string_view text) const;
    // Whether two folded names lie within the allowed distance: one edit, two from ten letters.
    static bool NamesClose(std::string_view a, std::string_view b);
    // Levenshtein distance, stopping early once it passes `limit` (then limit + 1).
    static int Distance(std::string_view a, std::string_view b, int limit);

private:
    std::unordered_map<std::string, std::string> Words;
    std::shared_ptr<const TAddressStandardizer> Standard;
};
