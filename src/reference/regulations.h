#pragma once
// Which regulation text a page shows: a dated regulation's file is named by
// the version in force on the page's date; the law texts the law update
// refreshes live in the data directory, with the shipped copy as fallback.
#include <filesystem>
#include <string_view>

#include "app/paths.h"
#include "common/dates.h"

namespace verdika {

// program directory + prefix + Platna_Novelizace(program directory + table, 0, date) + ".vrd",
// e.g. ("177_1996_", "za_ukon.ini") -> "177_1996_1.9.2006.vrd". Throws DataError for a broken table.
std::filesystem::path datedRegulationFile(const std::filesystem::path& programDir, std::string_view prefix,
                                          std::string_view table, Date date);

// data directory + name when it exists there, else program directory + name.
std::filesystem::path regulationFile(const AppPaths& paths, std::string_view name);

// The viewer's search: p is the 1-based position of the last match (0 = none).
// The first search after p = 0 looks at the whole text; later ones continue
// after the previous match. Only a–z are case-folded when matchCase is off.
class RegulationSearch {
public:
    // The 0-based start of the match, or npos (p is then kept).
    std::size_t find(std::u16string_view text, std::u16string_view needle, bool matchCase);
    void reset() { p_ = 0; }  // a click in the text: the next search starts at the top
    std::size_t position() const { return p_; }

private:
    std::size_t p_ = 0;
};

}  // namespace verdika
