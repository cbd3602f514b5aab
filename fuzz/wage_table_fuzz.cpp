// The wage-deduction table "srazky.ini", which a user may edit: every section
// reads or is refused with a message, and a computation on any table either
// refuses or gives amounts that add up.
#include <cmath>

#include "calculators/wage_deduction.h"
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/ini.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile table = IniFile::parse(decodeText(fuzz::asText(data, size)));
    for (const std::string& section : table.sectionNames()) {
        try {
            wage::readPeriod(table, section);
        } catch (const Error&) {
            // a period without figures or a broken value: said by name
        }
    }
    // A few wages around the usual figures and the extremes the page accepts.
    static const double wages[] = {0, 15000, 48123.45, 250000, wage::kMaxNetWage};
    for (const double net : wages) {
        wage::Input in;
        in.wageYear = 2025;
        in.wageMonth = 3;
        in.payment = wage::defaultPaymentDate(2025, 3);
        in.netWage = net;
        in.dependants = 2;
        in.spouse = true;
        try {
            const wage::Result r = wage::compute(table, in);
            check(std::isfinite(r.deduction) && r.deduction >= 0 && r.deduction <= net + 0.005,
                  "the deduction is a part of the wage", r.period.name);
            check(std::fabs(r.deduction + r.paidToDebtor - net) < 0.01, "deduction and pay add up to the wage",
                  r.period.name);
            wage::summaryLines(in, r);
            wage::periodExplanation(r.period);
        } catch (const Error&) {
            // a period the table does not cover, or figures it cannot carry
        }
    }
    return 0;
}
