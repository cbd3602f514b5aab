// Cell references of the office exports: a malformed range is refused with a
// message, a good one lies inside the sheet and names itself back.
#include "common/errors.h"
#include "companion/xlsx.h"
#include "fuzz_support.h"

using namespace verdika;
using namespace verdika::xlsx;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    Range r;
    try {
        r = Range::parse(text);
    } catch (const DataError&) {
        return 0;
    }
    check(r.firstRow >= 0 && r.firstRow <= r.lastRow && r.lastRow <= Sheet::kAllRows, "rows inside the sheet", text);
    check(r.firstCol >= 0 && r.firstCol <= r.lastCol && r.lastCol < 16384, "columns inside the sheet", text);
    const std::string name = columnName(r.firstCol) + std::to_string(r.firstRow + 1) + ":" + columnName(r.lastCol) +
                             std::to_string(r.lastRow + 1);
    const Range again = Range::parse(name);
    check(again.firstRow == r.firstRow && again.lastCol == r.lastCol, "a range names itself back", name);
    return 0;
}
