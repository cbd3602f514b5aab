// Trip sets (the travel list saved as "*.vrd"): any file loads into no more
// rows than it has sections, and the list's sum, statements and spreadsheet
// are made from whatever the rows hold.
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/ini.h"
#include "fuzz_support.h"
#include "travel/trip_list.h"

using namespace verdika;
using namespace verdika::travel;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile ini = IniFile::parse(decodeText(fuzz::asText(data, size)));
    const TripSet set = tripSetFromIni(ini);
    check(!set.rows.empty() && set.rows.size() <= std::max<size_t>(1, ini.sectionNames().size()),
          "rows are bounded by the file's sections");
    listTotalLabel(listSum(set.rows));
    listSheet(set.rows);
    try {
        listTextLines(set.rows);
        listStatement(set.rows, "sp. zn. 1 C 1/2024", CanvasMetrics{});
    } catch (const Error&) {
        // a total that is not a number, or nothing to print: said with a message
    }
    return 0;
}
