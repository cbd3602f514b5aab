#include "calculators/compensation.h"

#include <gtest/gtest.h>

#include "common/numbers.h"

namespace verdika {
namespace {

TEST(Compensation, DurationAndAmount) {
    const struct {
        const char* from;
        const char* to;
        const char* duration;
        double compensation;
        const char* shown;
    } cases[] = {
        {"1.1.2010", "1.1.2013", "3 roků a 1 dnů.", 15000 + 15000 + 15000.0 * 1 / 365, "30.041,10 Kč"},
        {"1.1.2013", "1.1.2010", "3 roků a 1 dnů.", 15000 + 15000 + 15000.0 * 1 / 365, "30.041,10 Kč"},
        {"1.1.2010", "1.1.2012", "2 roků a 0 dnů.", 15000, "15.000,00 Kč"},                    // 730 days
        {"1.1.2010", "16.5.2011", "1 roků a 135 dnů.", 7500 + 15000.0 * 135 / 365 / 2, "10.273,97 Kč"},  // 500 days
        {"1.1.2010", "1.1.2011", "1 roků a 0 dnů.", 7500, "7.500,00 Kč"},
        {"3.3.2015", "3.3.2015", "0 roků a 0 dnů.", 0, "0,00 Kč"},
    };
    for (const auto& c : cases) {
        const auto d = compensationDuration(parseDate(c.from), parseDate(c.to));
        EXPECT_EQ(durationText(d), c.duration) << c.from << "–" << c.to;
        const auto r = computeCompensation(d, 15000, adjustmentFactor(CompensationAdjustment::None, 50));
        EXPECT_DOUBLE_EQ(r.compensation, c.compensation) << c.from << "–" << c.to;
        EXPECT_DOUBLE_EQ(r.adjusted, c.compensation);
        EXPECT_EQ(Format_Castky(r.compensation), c.shown);
    }
    EXPECT_EQ(compensationDuration(parseDate("1.1.2010"), parseDate("16.5.2011")).days, 500);
}

TEST(Compensation, PercentageAdjustment) {
    const auto d = compensationDuration(parseDate("1.1.2010"), parseDate("1.1.2013"));
    const double base = 15000 + 15000 + 15000.0 / 365;
    auto up = computeCompensation(d, 15000, adjustmentFactor(CompensationAdjustment::Increase, 20));
    EXPECT_DOUBLE_EQ(up.adjusted, base * 120 / 100);
    EXPECT_EQ(Format_Castky(up.adjusted), "36.049,32 Kč");
    auto down = computeCompensation(d, 20000, adjustmentFactor(CompensationAdjustment::Decrease, 12.5));
    EXPECT_DOUBLE_EQ(down.compensation, 40000 + 20000.0 / 365);
    EXPECT_DOUBLE_EQ(down.adjusted, (40000 + 20000.0 / 365) * 87.5 / 100);
}

}  // namespace
}  // namespace verdika
