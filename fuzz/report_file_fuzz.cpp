// Interest report files (.urk): any file loads; the case it holds is computed
// with the shipped rate table and every text of the result is made, within
// bounded work; a loaded case saves and loads back the same.
#include "common/cp1250.h"
#include "common/errors.h"
#include "fuzz_support.h"
#include "interest/interest.h"
#include "interest/interest_report.h"
#include "interest/rate_table.h"
#include "interest/report_file.h"

using namespace verdika;
using namespace verdika::interest;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RateTable table = RateTable::load(fuzz::shippedDir() / "uroky.vrd");
    const ReportFile f = parseReportFile(decodeText(fuzz::asText(data, size)));
    try {
        check(parseReportFile(reportFileText(f)) == f, "a loaded report saves and loads the same");
    } catch (const CaseError&) {
        // a cell holding "@" cannot be saved, and says so
    }

    Case c;
    c.debts = f.debts;
    c.payments = f.payments;
    c.options.mode = f.mode;
    if (f.annualRate) {
        c.options.customRate = true;
        c.options.annualRate = *f.annualRate;
    }
    if (f.mode == Mode::Fee) {
        c.options.customRate = true;
        c.options.kind = RateKind::Daily;
        c.options.dailyRate = "0,25";
    }
    c.options.interestFirst = size % 2 == 0;
    try {
        const Computation r = computeInterest(c, &table);
        size_t periods = 0;
        for (const GroupResult& g : r.groups) periods += g.periods.size();
        check(periods <= kMaxPeriods, "the periods are capped");
        const auto lines = reportLines(r);
        // About 14 lines a period, a few a group, one per left-out payment.
        check(lines.size() <= 16 * (periods + r.groups.size() + r.payments.size()) + 32,
              "the report grows with the periods only");
        resultGridText(resultGrid(r));
        petition1(r, PetitionOptions{});
        petition2(r, PetitionOptions{2, 1, "3", "doručení platebního rozkazu"});
        exportTable(r);
    } catch (const Error&) {
    }
    return 0;
}
