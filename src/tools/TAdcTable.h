// The area distribution centres of the bulk-mail presort: rows of a name and the 3-digit ZIP
// prefixes the centre serves, tried in file order. The rows are delivered as text in
// sysdata/ADC.csv (columns NAME and PREFIXES, prefixes separated by blanks) and read at run
// time, so the table can be brought up to date without a new program.
//
// Contract: Parse() and Load() refuse a damaged file with std::runtime_error naming the fault;
// a loaded table is always usable.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TAdcRow {
    QString Name;               // as written, blanks included: it is printed on the separator
    std::vector<std::string> Prefixes;
};

class TAdcTable {
public:
    static constexpr const char* FileName = "ADC.csv";

    // The program folder's sysdata/ADC.csv, else the delivered copy.
    static TAdcTable Load();
    static TAdcTable LoadFrom(const QString& path);
    // CSV text: a header line naming NAME and PREFIXES, '#' lines are comments.
    static TAdcTable Parse(const QString& csvText, const QString& origin = QString());

    const std::vector<TAdcRow>& Rows() const { return AdcRows; }
    // The first row serving the 3-character prefix, or -1. A prefix is compared with whole
    // entries of the list, so a short or odd ZIP never matches across two prefixes.
    int RowOf(std::string_view prefix) const;

private:
    std::vector<TAdcRow> AdcRows;
    std::unordered_map<std::string, int> FirstRow; // prefix -> first row listing it
};
