#include "TStateZipChecker.h"

#include "TResultIndex.h"

#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "xbase/TextCase.h"

#include <QFileInfo>

#include <vector>

namespace {
std::string Upper(std::string_view text)
{
    std::string out(text);
    xbase::TextCase::toUpper(out.data(), out.size());
    return out;
}

// The ZIP cut to the bound's length, compared by character code.
int CompareCut(std::string_view zip, std::string_view bound)
{
    return zip.substr(0, std::min(zip.size(), bound.size())).compare(bound);
}
} // namespace

QString TStateZipChecker::ResultPath(const TAddressTable& table)
{
    return QFileInfo(table.Path()).absolutePath() + QLatin1Char('/') + QLatin1String(ResultFileName);
}

bool TStateZipChecker::LoadStates()
{
    auto csz = TAddressFiles::OpenSystemTable(TSystemTable::stCsz);
    if (!csz)
        return false;
    xbase::DbfTable& rows = csz->table();
    const int state = rows.fieldIndex("STATE");
    const int low = rows.fieldIndex("LOW_ZIP");
    const int high = rows.fieldIndex("HIGH_ZIP");
    States.clear();
    // In tag order the first row of an abbreviation is the one a seek finds; later ones are
    // passed over.
    for (rows.goTop(); !rows.eof(); rows.skip())
        if (!rows.isFlaggedDeleted())
            States.emplace(Upper(rows.textView(state)), TStateRange{rows.text(low), rows.text(high)});
    return true;
}

void TStateZipChecker::AddState(const std::string& abbreviation, const std::string& low, const std::string& high)
{
    States.emplace(Upper(abbreviation), TStateRange{low, high});
}

bool TStateZipChecker::Questionable(std::string_view state, std::string_view zip) const
{
    const auto row = States.find(Upper(state));
    if (row == States.end())
        return true;
    return CompareCut(zip, row->second.Low) < 0 || CompareCut(zip, row->second.High) > 0;
}

uint32_t TStateZipChecker::Run(TAddressTable& table, TResultIndex& result, bool includeBlanks, const TToolProgress& progress)
{
    xbase::WorkArea& area = table.Area();
    xbase::DbfTable& records = table.Table();
    const int state = records.fieldIndex("STATE");
    const int zip = records.fieldIndex("ZIP");
    const size_t savedOrder = area.order();
    const uint32_t total = table.Count();
    std::vector<uint32_t> questionable;
    area.setOrder(0);
    try {
        uint32_t done = 0;
        for (records.goTop(); !records.eof(); records.skip()) {
            ++done;
            if (!records.isFlaggedDeleted()) {
                const std::string_view s = records.textView(state);
                const std::string_view z = records.textView(zip);
                if ((includeBlanks || (!s.empty() && !z.empty())) && Questionable(s, z))
                    questionable.push_back(records.recordNumber());
            }
            if (progress && !progress({done, total, static_cast<uint32_t>(questionable.size())}))
                break;
        }
    } catch (...) {
        area.setOrder(savedOrder);
        throw;
    }
    area.setOrder(savedOrder);
    result.Add(questionable);
    return static_cast<uint32_t>(questionable.size());
}
