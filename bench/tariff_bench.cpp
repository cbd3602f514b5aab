// The whole tariff calculation for 50 acts spread over 1996–2026, on the
// shipped tables: sorting, the version lookups, the fee of every act and the
// summary text.
#include <benchmark/benchmark.h>

#include "tariff/tariff.h"

namespace {

using namespace verdika;

tariff::TariffForm fiftyActs() {
    tariff::TariffForm in;
    in.tariffValue = "187654,32";
    in.kind = 0;
    in.vatPayer = true;
    in.persons = 2;
    tariff::setPercentage(in, -10);
    in.appointment = tariff::Appointment::Representative;
    for (int i = 0; i < 50; ++i) {
        // Dates in a scrambled order, so the sort has work to do.
        const int k = (i * 37) % 50;
        const Date d = makeDate(1996 + (k * 30) / 50, static_cast<unsigned>(1 + k % 12), static_cast<unsigned>(1 + k % 28));
        in.acts.push_back({formatDate(d), i % 3 ? "odvolání" : "návrh na zajištění důkazu nebo dědictví",
                           i % 3 ? "úkon" : "půl-úkon"});
    }
    return in;
}

void BM_Tariff50Acts(benchmark::State& state) {
    const auto tables = tariff::Tables::load(VERDIKA_SHIPPED_DIR);
    const auto in = fiftyActs();
    for (auto _ : state) {
        auto r = tariff::Vypocitat(in, tables);
        benchmark::DoNotOptimize(r.calc.grandTotal());
    }
}
BENCHMARK(BM_Tariff50Acts)->Unit(benchmark::kMicrosecond);

// As the page's "Vypočítat" does it: read the three tables, compute, build the summary.
void BM_Tariff50ActsWithTablesAndSummary(benchmark::State& state) {
    const auto in = fiftyActs();
    for (auto _ : state) {
        const auto tables = tariff::Tables::load(VERDIKA_SHIPPED_DIR);
        auto r = tariff::Vypocitat(in, tables);
        auto lines = tariff::summaryLines(r.calc);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_Tariff50ActsWithTablesAndSummary)->Unit(benchmark::kMicrosecond);

}  // namespace
