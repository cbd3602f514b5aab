// The rate table (uroky.vrd): any file is read or refused with a message;
// a table that reads gives rates for every regime and computes a small case.
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "interest/interest.h"
#include "interest/interest_report.h"
#include "interest/rate_table.h"

using namespace verdika;
using namespace verdika::interest;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = decodeText(fuzz::asText(data, size));
    std::optional<RateTable> table;
    try {
        table.emplace(RateTable::fromText(text));
    } catch (const DataError&) {
        return 0;
    }
    check(table->size() >= 2, "a table that reads has a line besides the sentinel");
    for (size_t i = 1; i < table->size(); ++i)
        check(table->line(i - 1).date <= table->line(i).date, "lines in date order");
    table->halfYearSplitPoints();
    for (Date day : {makeDate(2004, 3, 1), makeDate(2008, 12, 31), makeDate(2012, 6, 30), makeDate(2013, 9, 1),
                     makeDate(2024, 1, 1)}) {
        for (int regime = 0; regime <= 5; ++regime) {
            try {
                table->Vytahnuti_Repo(regime, day);
            } catch (const DataError&) {
            }
        }
    }
    Case c;
    c.debts = {{"14.1.2006", "13.2.2012", "10000", "A"}, {"31.12.2013", "1.7.2024", "5000,5", "B"}};
    c.payments = {{"1.3.2008", "2500", "A"}, {"1.1.2015", "100", "B"}};
    try {
        reportLines(computeInterest(c, &*table));
    } catch (const Error&) {
    }
    // A line the editor adds to a table that reads keeps it readable.
    std::vector<std::string> lines;
    for (std::string& l : splitLines(text))
        if (!trimBlanks(l).empty()) lines.push_back(std::move(l));
    try {
        lines = addRateLine(lines, makeDate(2099, 12, 31), "4,5");
    } catch (const DataError&) {
        return 0;  // the day is listed already
    }
    std::string joined;
    for (const std::string& l : lines) joined += l + "\r\n";
    RateTable::fromText(joined);
    return 0;
}
