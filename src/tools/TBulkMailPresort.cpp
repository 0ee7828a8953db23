#include "TBulkMailPresort.h"

#include "data/TSafeFileWriter.h"

#include "data/TCp1252.h"
#include "settings/TProgramFolder.h"
#include "data/TCountText.h"

#include <QStringList>

#include <stdexcept>

namespace {

const std::string kFiveDigit = "** 5-digit ";
const std::string kThreeDigit = "** 3-digit ";
const std::string kAdc = "** ADC ";
const std::string kUnknown = "** Unknown";

std::string_view Prefix(const std::string& zip) { return std::string_view(zip).substr(0, 3); }

} // namespace

QString TBulkMailPresort::ListPath() { return TProgramFolder::Path() + QLatin1String(ListFileName); }

TPresortResult TBulkMailPresort::Group(const TZipTally& tally, const TAdcTable& adc)
{
    TPresortResult result;
    TPresortSummary& summary = result.Summary;
    summary.NotPresortable = tally.Untallied();
    std::vector<std::string>& fiveDigit = result.Lines;
    std::vector<std::string> threeDigit;
    std::vector<TZipTally::TEntry> residue;

    for (int digit = 0; digit <= 9; ++digit) {
        std::vector<TZipTally::TEntry> remaining;
        for (const TZipTally::TEntry& entry : tally.DigitList(digit)) {
            if (entry.Count >= GroupMinimum) {
                fiveDigit.push_back(kFiveDigit + entry.Zip);
                fiveDigit.push_back(entry.Zip);
                ++summary.FiveDigit.Groups;
                summary.FiveDigit.Pieces += entry.Count;
            } else {
                remaining.push_back(entry);
            }
        }
        // Runs of consecutive ZIPs sharing their first three characters.
        for (size_t start = 0; start < remaining.size();) {
            size_t end = start;
            uint64_t pieces = 0;
            while (end < remaining.size() && Prefix(remaining[end].Zip) == Prefix(remaining[start].Zip))
                pieces += remaining[end++].Count;
            if (pieces >= GroupMinimum) {
                threeDigit.push_back(kThreeDigit + std::string(Prefix(remaining[start].Zip)));
                for (size_t i = start; i < end; ++i)
                    threeDigit.push_back(remaining[i].Zip);
                ++summary.ThreeDigit.Groups;
                summary.ThreeDigit.Pieces += pieces;
            } else {
                residue.insert(residue.end(), remaining.begin() + std::ptrdiff_t(start), remaining.begin() + std::ptrdiff_t(end));
            }
            start = end;
        }
    }

    // Each residue ZIP goes to the first centre serving its prefix; groups follow the table's order.
    std::vector<std::vector<const TZipTally::TEntry*>> byCentre(adc.Rows().size());
    std::vector<const TZipTally::TEntry*> unknown;
    for (const TZipTally::TEntry& entry : residue) {
        const int row = adc.RowOf(Prefix(entry.Zip));
        (row < 0 ? unknown : byCentre[size_t(row)]).push_back(&entry);
    }
    fiveDigit.insert(fiveDigit.end(), threeDigit.begin(), threeDigit.end());
    for (size_t row = 0; row < byCentre.size(); ++row) {
        if (byCentre[row].empty())
            continue;
        result.Lines.push_back(kAdc + TCp1252::Encode(adc.Rows()[row].Name));
        ++summary.Adc.Groups;
        for (const TZipTally::TEntry* entry : byCentre[row]) {
            result.Lines.push_back(entry->Zip);
            summary.Adc.Pieces += entry->Count;
        }
    }
    if (!unknown.empty()) {
        result.Lines.push_back(kUnknown);
        for (const TZipTally::TEntry* entry : unknown) {
            result.Lines.push_back(entry->Zip);
            summary.UnknownPieces += entry->Count;
        }
    }
    return result;
}

void TBulkMailPresort::Save(const std::vector<std::string>& lines, const QString& path)
{
    QByteArray text;
    for (const std::string& line : lines)
        text.append(line.data(), qsizetype(line.size())).append("\r\n");
    QString error;
    if (!TSafeFileWriter::WriteWhole(path, text, &error))
        throw std::runtime_error(error.toStdString());
}

std::optional<TPresortSummary> TBulkMailPresort::Run(TAddressTable& table, const TAdcTable& adc, const QString& path,
                                                     const TZipTally::THooks& hooks)
{
    TZipTally tally(TZipTally::TRule::zrPresort);
    if (!tally.Read(table, hooks))
        return std::nullopt;
    TPresortResult result = Group(tally, adc);
    Save(result.Lines, path);
    return result.Summary;
}

QStringList TBulkMailPresort::SummaryLines(const TPresortSummary& summary)
{
    auto level = [](const char* name, const TPresortLevel& counts) {
        return QStringLiteral("%1: %2 groups, %3 pieces").arg(QLatin1String(name)).arg(counts.Groups).arg(counts.Pieces);
    };
    return {level("5-digit", summary.FiveDigit), level("3-digit", summary.ThreeDigit), level("ADC", summary.Adc),
            QStringLiteral("Unknown: %1 pieces").arg(summary.UnknownPieces),
            QStringLiteral("Not presortable: ") + TCountText::Records(summary.NotPresortable)};
}
