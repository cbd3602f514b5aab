#pragma once
// The band tables of the notary and executor tariffs: section = item number,
// "pocet" bands (at most 11), band k = "border;rate" (upper border in Kč,
// rate in percent). The bands are cumulative: band k charges its rate on the
// part of the value between border k − 1 (0 for the first) and border k;
// nothing is charged above the last border.
#include <string>
#include <vector>

#include "common/ini.h"

namespace verdika::fees {

inline constexpr int kMaxBands = 11;

struct Band {
    double border = 0;
    double rate = 0;  // percent
};

// The item's bands. A missing section, a band count outside 1 … 11 or a band
// that is not "border;rate" throws DataError naming the file, the item and
// the key.
std::vector<Band> readBands(const IniFile& table, int item);

// The cumulative fee of the bands for the value.
double bandSum(const std::vector<Band>& bands, double value);

// The file name for messages.
std::string tableFileName(const IniFile& table, const char* fallback);

}  // namespace verdika::fees
