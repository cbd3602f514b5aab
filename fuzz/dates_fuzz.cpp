// Dates: every text the parser accepts is a day that formats back into a
// text the parser reads as the same day.
#include "common/dates.h"
#include "fuzz_support.h"
#include "interest/rate_table.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const auto d = tryParseDate(text);
    if (!d) return 0;
    check(yearOf(*d) >= kFirstYear && yearOf(*d) <= kLastYear, "years of four digits", text);
    const std::string back = formatDate(*d);
    check(tryParseDate(back) == d, "formatDate is read back as the same day", back);
    check(!formatLongDate(*d).empty(), "long date", back);
    interest::regimeFor(*d);
    interest::halfYearStart(*d);
    return 0;
}
