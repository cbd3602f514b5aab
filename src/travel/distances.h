#pragma once
// The distance table "vzdal.vrd": one line per pair of district towns,
// "town;town;km", a line serving both directions. The figures are estimates
// computed from the towns' coordinates (scripts/gen-distances.py), not
// measured road distances, so the window says so.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/paths.h"

namespace verdika::travel {

inline constexpr std::string_view kDistanceFile = "vzdal.vrd";
inline constexpr std::string_view kDistanceNote = "orientační vzdálenost, ověřte podle mapy";

// The towns of both lists of the distance window, in their order.
extern const std::array<std::string_view, 47> kTowns;

// The data directory's copy when there is one (a user may keep an edited
// table there), else the table shipped in the program directory.
std::filesystem::path distanceTableFile(const AppPaths& paths);

// The first line that contains both texts (anywhere, case-sensitive) gives
// the distance: at most three characters after its second ";", a whole
// number. A pair not in the table, the same town twice, an empty selection,
// a missing file or a malformed distance is a DataError with a message for
// the user.
int findDistance(const std::vector<std::string>& lines, std::string_view from, std::string_view to);
int lookupDistance(const std::filesystem::path& table, std::string_view from, std::string_view to);

}  // namespace verdika::travel
