// Numbers: whatever the parsers accept, the formatters write back into a text
// the parsers read again, to the precision the form promises.
#include <cfloat>
#include <cmath>
#include <cstring>

#include "common/errors.h"
#include "common/numbers.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;

namespace {

void plainRoundTrip(double v) {
    const std::string t = Format_Cislo(v);
    const auto back = tryParseDecimal(t);
    check(back.has_value(), "Format_Cislo is read back", t);
    if (std::fabs(v) >= DBL_MIN) check(std::fabs(*back - v) <= std::fabs(v) * 1e-14, "plain form keeps 15 digits", t);
    check(Format_Cislo(*back) == t, "plain form is stable", t);
}

void amountRoundTrip(double v) {
    const std::string t = Format_Castky(v);
    const auto back = tryParseAmount(t);
    check(back.has_value(), "Format_Castky is read back", t);
    check(std::fabs(*back - v) <= 0.0051 + std::fabs(v) * 1e-15, "amount keeps its hellers", t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    if (auto v = tryParseDecimal(text)) {
        check(std::isfinite(*v), "a parsed number is finite", text);
        plainRoundTrip(*v);
        amountRoundTrip(*v);
        roundHalfEven(*v, 2);
    }
    if (auto v = tryParseAmount(text)) {
        check(std::isfinite(*v), "a parsed amount is finite", text);
        amountRoundTrip(*v);
    }
    tryParseInteger(text);
    try {
        parseGrouped(text);
    } catch (const ConversionError&) {
    }
    // Every bit pattern of a double, not only those a text reaches.
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        if (std::isfinite(v)) {
            plainRoundTrip(v);
            amountRoundTrip(v);
            formatGrouped(v, 2);
        } else {
            Format_Cislo(v);
            Format_Castky(v);
        }
    }
    return 0;
}
