// The distance table ("vzdal.vrd", which a user may keep edited in the data
// directory): any table gives a whole distance or a message.
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/files.h"
#include "fuzz_support.h"
#include "travel/distances.h"

using namespace verdika;
using namespace verdika::travel;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the pair of towns, the rest is the table.
    const auto from = kTowns[data[0] % kTowns.size()];
    const auto to = kTowns[(data[0] / kTowns.size() + data[1]) % kTowns.size()];
    const auto lines = splitLines(decodeText(fuzz::asText(data + 2, size - 2)));
    try {
        const int km = findDistance(lines, from, to);
        check(km >= 0 && km <= 999, "a distance has at most three digits");
    } catch (const DataError&) {
    }
    return 0;
}
