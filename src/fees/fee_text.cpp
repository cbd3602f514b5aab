#include "fees/fee_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::fees {

int findCaption(const std::vector<std::string>& captions, std::string_view text, int from) {
    if (text.empty()) return -1;
    const std::string needle = foldCase(text);
    for (int i = std::max(from, 0); i < static_cast<int>(captions.size()); ++i)
        if (foldCase(captions[static_cast<size_t>(i)]).find(needle) != std::string::npos) return i;
    return -1;
}

double roundUpTo(double value, double step) {
    const double q = std::nearbyint(value / step * 1e6) / 1e6;
    return std::ceil(q) * step;
}

}  // namespace verdika::fees
