// File names that travel with a table: its memo file beside it, and the temporary files of a
// pack. The memo name keeps the case style of the table's extension (ADDR.DBF -> ADDR.FPT).
#pragma once

#include <string>

namespace xbase::dbfpaths {

inline std::string withExtension(const std::string& tablePath, const char* upperExtension)
{
    const auto slash = tablePath.find_last_of('/');
    const auto dot = tablePath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string base = hasExtension ? tablePath.substr(0, dot) : tablePath;
    bool lower = hasExtension && dot + 1 < tablePath.size() && tablePath[dot + 1] >= 'a' && tablePath[dot + 1] <= 'z';
    std::string extension = upperExtension;
    if (lower)
        for (char& c : extension)
            c = static_cast<char>(c - 'A' + 'a');
    return base + "." + extension;
}

inline std::string packTemporary(const std::string& path) { return path + ".packing"; }
inline std::string packCommitMarker(const std::string& tablePath) { return tablePath + ".packed"; }

} // namespace xbase::dbfpaths
