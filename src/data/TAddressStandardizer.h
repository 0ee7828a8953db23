// Addresses in the postal service's standard form: street suffixes, directionals, secondary unit
// designators and post office boxes in street lines; state and province names as their
// two-letter codes; ZIP+4 and Canadian postal codes in their written form; periods after
// abbreviations dropped and repeated blanks folded.
//
// The words come from three small tables delivered in sysdata/ (SUFFIXES.TXT, UNITS.TXT,
// STATES.TXT), which the user may replace in the program folder's sysdata/. A suffix is
// abbreviated only in suffix position (the last word before a post-directional or a unit, never
// the street's only name word), a directional only where it is not itself the name. Replaced
// words follow the value's case style (capitals, small letters or mixed); the other words stay
// as written. Values are Windows-1252 bytes, as the table stores them.
//
// Contract: an object is immutable once loaded and may be shared; a missing table only means
// that its words are not standardized. Load() refuses a damaged table with the reason.
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

enum class TStandardField { sfStreet, sfCity, sfState, sfZip };

class TAddressStandardizer {
public:
    static constexpr const char* SuffixesFileName = "SUFFIXES.TXT";
    static constexpr const char* UnitsFileName = "UNITS.TXT";
    static constexpr const char* StatesFileName = "STATES.TXT";

    // The tables of the program folder's sysdata/, each file else the delivered copy; loaded
    // again when the program folder changes. Never throws: a damaged or missing table leaves
    // its words out (LoadProgramTables tells why).
    static std::shared_ptr<const TAddressStandardizer> Shared();
    // The same tables, or nothing with the reason in `error`.
    static std::shared_ptr<const TAddressStandardizer> LoadProgramTables(QString* error);

    // Reads the three tables from `folder` (ending with '/'); a file that is missing there is
    // looked for in `fallback` when given. False with the reason when a file is damaged.
    bool Load(const QString& folder, const QString& fallback, QString* error);
    // One table's text (UTF-8 lines as in the delivered files); false with the reason.
    bool ParseSuffixes(const QString& text, QString* error);
    bool ParseUnits(const QString& text, QString* error);
    bool ParseStates(const QString& text, QString* error);

    // The field's standard form; `upper` writes street lines and cities in capitals.
    std::string Standard(TStandardField field, std::string_view value, bool upper = false) const;
    std::string Street(std::string_view line, bool upper = false) const;
    std::string City(std::string_view city, bool upper = false) const;
    std::string State(std::string_view state) const;
    static std::string Zip(std::string_view zip);
    QString Street(const QString& line, bool upper = false) const;

    // The field a name (any case) stands for among STREET, STREET2, CITY, STATE and ZIP.
    static bool FieldOf(const QString& name, TStandardField* field);

    // Table sizes, for the tests and the window's note.
    size_t SuffixCount() const { return SuffixRows; }
    size_t UnitCount() const { return Units.size(); }
    size_t StateCount() const { return StateCodes.size(); }

private:
    struct TUnit {
        std::string Abbreviation;
        bool Range = false;
    };
    const TUnit* UnitOf(std::string_view key) const;
    std::string StateCode(std::string_view key) const;

    std::unordered_map<std::string, std::string> Suffixes; // form -> standard abbreviation
    std::unordered_map<std::string, TUnit> Units;           // designator form -> unit
    std::unordered_map<std::string, std::string> StateNames; // folded name -> code
    std::unordered_set<std::string> StateCodes;
    size_t SuffixRows = 0;
};
