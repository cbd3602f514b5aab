#include "common/dates.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika {
namespace {

TEST(Dates, ShortFormParsesAndFormatsWithoutLeadingZeros) {
    EXPECT_EQ(formatDate(parseDate("01.07.2014")), "1.7.2014");
    EXPECT_EQ(formatDate(parseDate(" 29.2.2024 ")), "29.2.2024");
    EXPECT_EQ(formatLongDate(parseDate("10.12.2026")), "10. prosince 2026");
    EXPECT_EQ(formatLongDate(parseDate("1.7.2014")), "1. července 2014");
    EXPECT_EQ(formatTime(9 * 3600 + 5 * 60), "9:05");
    for (const char* bad : {"29.2.2023", "32.1.2020", "1.13.2020", "1.1.20", "1/1/2020", "", "1.1.2020.", "a.b.c"})
        EXPECT_THROW(parseDate(bad), ConversionError) << bad;
}

TEST(Dates, EveryAcceptedDateFormatsBackToItself) {
    // "1.1.0999" once read as the year 999 and came back as "1.1.999", which nothing reads.
    for (const char* bad : {"1.1.0999", "31.12.0001", "1.1.0000"}) EXPECT_THROW(parseDate(bad), ConversionError) << bad;
    for (const char* good : {"1.1.1000", "31.12.9999", "29.2.2000"})
        EXPECT_EQ(formatDate(parseDate(good)), good);
    // A day computed outside the readable years still keeps four digits.
    EXPECT_EQ(formatDate(makeDate(999, 12, 31)), "31.12.0999");
}

}  // namespace
}  // namespace verdika
