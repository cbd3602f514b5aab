#include "reference/regulations.h"

#include "common/text.h"
#include "common/versioned.h"

namespace verdika {

std::filesystem::path datedRegulationFile(const std::filesystem::path& programDir, std::string_view prefix,
                                          std::string_view table, Date date) {
    const std::string version = Platna_Novelizace(programDir / table, 0, date);
    return programDir / (std::string(prefix) + version + ".vrd");
}

std::filesystem::path regulationFile(const AppPaths& paths, std::string_view name) {
    std::error_code ec;
    const auto inData = paths.dataDir / name;
    if (std::filesystem::exists(inData, ec)) return inData;
    return paths.programDir / name;
}

std::size_t RegulationSearch::find(std::u16string_view text, std::u16string_view needle, bool matchCase) {
    if (needle.empty()) return std::u16string_view::npos;
    // p = 0 clears the find-next state: search the whole text.
    const std::size_t from = p_ == 0 ? 1 : needle.size() + p_;
    const std::size_t at = findText(text, needle, from - 1, matchCase);
    if (at == std::u16string_view::npos) return at;
    p_ = at + 1;
    return at;
}

}  // namespace verdika
