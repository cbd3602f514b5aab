// Late interest on a large case: 100 principals with 99 payments each
// (100 events per group), statutory rate, every text of the outputs.
#include <benchmark/benchmark.h>

#include "common/dates.h"
#include "interest/interest.h"
#include "interest/interest_report.h"
#include "interest/rate_table.h"

using namespace verdika;
using namespace verdika::interest;

namespace {

Case largeCase() {
    Case c;
    const auto labels = defaultGroupLabels();
    for (int g = 0; g < 100; ++g) {
        const Date due = makeDate(2014, 1, 1) + std::chrono::days(g * 3);
        c.debts.push_back({formatDate(due), "31.12.2016", "100000", labels[static_cast<size_t>(g)]});
        for (int k = 1; k <= 99; ++k)
            c.payments.push_back({formatDate(due + std::chrono::days(7 * k)), "250", labels[static_cast<size_t>(g)]});
    }
    return c;
}

void BM_Interest100Groups100Events(benchmark::State& state) {
    const Case c = largeCase();
    size_t lines = 0;
    for (auto _ : state) {
        const RateTable table = RateTable::load(VERDIKA_SHIPPED_DIR "uroky.vrd");
        const Computation r = computeInterest(c, &table);
        const PetitionOptions po;
        const auto report = reportLines(r);
        const auto grid = resultGrid(r);
        const auto p1 = petition1(r, po);
        const auto p2 = petition2(r, po);
        const auto table2 = exportTable(r);
        lines = report.size() + grid.size() + p2.size() + table2.size();
        benchmark::DoNotOptimize(p1.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_Interest100Groups100Events)->Unit(benchmark::kMillisecond);

// The computation alone, without the texts.
void BM_Interest100Groups100EventsComputeOnly(benchmark::State& state) {
    const Case c = largeCase();
    const RateTable table = RateTable::load(VERDIKA_SHIPPED_DIR "uroky.vrd");
    for (auto _ : state) {
        const Computation r = computeInterest(c, &table);
        benchmark::DoNotOptimize(r.totalInterest);
    }
}
BENCHMARK(BM_Interest100Groups100EventsComputeOnly)->Unit(benchmark::kMillisecond);

}  // namespace
