#include "interest/interest.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "interest/rate_table.h"
#include "test_support.h"

namespace verdika::interest {
namespace {

Date d(int day, unsigned month, int year) { return makeDate(year, month, static_cast<unsigned>(day)); }

const RateTable& shipped() {
    static const RateTable t = RateTable::load(test::shippedDir() / "uroky.vrd");
    return t;
}

Options dailyRate(std::string rate, bool interestFirst = true) {
    Options o;
    o.customRate = true;
    o.kind = RateKind::Daily;
    o.dailyRate = std::move(rate);
    o.interestFirst = interestFirst;
    return o;
}

Options lateFee() {
    Options o;
    o.mode = Mode::Fee;
    o.customRate = true;
    o.kind = RateKind::Daily;
    o.dailyRate = "0,25";
    return o;
}

Computation run(std::vector<DebtRow> debts, std::vector<PaymentRow> payments = {}, Options o = {}) {
    return computeInterest(Case{std::move(debts), std::move(payments), std::move(o)}, &shipped());
}

std::vector<std::int64_t> periodDays(const GroupResult& g) {
    std::vector<std::int64_t> out;
    for (const Period& p : g.periods) out.push_back(p.days);
    return out;
}

TEST(Interest, StatutoryExamplesWorkedByHand) {
    struct Case {
        DebtRow debt;
        int regime;
        std::vector<std::int64_t> days;
        double interest;
    };
    const Case cases[] = {
        // Regime 5, one period: 29 days difference + the end day; 8,05 × 30 × 10 000 / 36 500.
        {{"14.1.2015", "13.2.2015", "10000", "A"}, 5, {30}, 8.05 * 30 * 10000 / 36500},
        {{"31.1.2024", "1.3.2024", "100000", "A"}, 5, {30}, 14.75 * 30 * 100000 / 36500},
        // Regime 2: split at 1.7.2009, 9,25 % then 8,50 %.
        {{"28.2.2009", "31.12.2009", "10000", "A"}, 2, {122, 184}, (9.25 * 122 + 8.5 * 184) * 10000 / 36500},
        // A default beginning on 30.6.2022 owes the rate of the half-year's first day, 3,75 + 8.
        {{"29.6.2022", "30.7.2022", "10000", "A"}, 5, {31}, 11.75 * 31 * 10000 / 36500},
    };
    for (const Case& c : cases) {
        const Computation r = run({c.debt});
        ASSERT_EQ(r.groups.size(), 1u);
        const GroupResult& g = r.groups[0];
        EXPECT_EQ(g.regime, c.regime) << c.debt.due;
        EXPECT_EQ(periodDays(g), c.days) << c.debt.due;
        EXPECT_NEAR(g.interest, c.interest, 1e-9) << c.debt.due;
        EXPECT_EQ(g.first, parseDate(c.debt.due) + std::chrono::days(1));
        EXPECT_EQ(g.last, parseDate(c.debt.until));
        EXPECT_EQ(g.principal, moneyFromText(c.debt.principal));
    }
    EXPECT_NEAR(run({cases[0].debt}).groups[0].interest, 66.1643835616438, 1e-12);
}

TEST(Interest, RegimeBoundariesAreTheFirstDayOfDefault) {
    struct Case {
        const char* due;
        int regime;
    };
    for (const Case& c : {Case{"26.4.2005", 1}, Case{"27.4.2005", 2}, Case{"29.6.2010", 2}, Case{"30.6.2010", 3},
                          Case{"30.6.2013", 4}, Case{"30.12.2013", 4}, Case{"31.12.2013", 5}})
        EXPECT_EQ(run({{c.due, "1.6.2014", "1000", "A"}}).groups[0].regime, c.regime) << c.due;
}

TEST(Interest, PaymentsBeforeTheDebt) {
    // A payment before the due date reduces the principal from the first day of default.
    Computation r = run({{"31.1.2024", "1.3.2024", "1000", "A"}}, {{"15.1.2024", "100", "A"}});
    ASSERT_EQ(r.groups[0].periods.size(), 1u);
    EXPECT_EQ(r.groups[0].periods[0].principal, moneyFromText("900"));
    EXPECT_NEAR(r.groups[0].interest, 14.75 * 30 * 900 / 36500, 1e-9);
    // Prepayments beyond the debt settle the group on its first day.
    r = run({{"31.1.2024", "1.3.2024", "1000", "A"}}, {{"15.1.2024", "1500", "A"}});
    EXPECT_TRUE(r.groups[0].periods.empty());
    EXPECT_EQ(r.groups[0].settledOn, d(1, 2, 2024));
    EXPECT_EQ(r.groups[0].last, d(1, 2, 2024));
    EXPECT_EQ(r.groups[0].principal, 0);
    EXPECT_DOUBLE_EQ(r.totalOverpayment, 500);
}

TEST(Interest, PaymentGoesToInterestFirstOrToThePrincipal) {
    // 1000 Kč at 0,1 % a day: 40 Kč accumulated by 10.2.2024, then 100 Kč paid.
    const std::vector<DebtRow> debt = {{"31.12.2023", "20.2.2024", "1000", "A"}};
    const std::vector<PaymentRow> pay = {{"10.2.2024", "100", "A"}};
    Computation first = run(debt, pay, dailyRate("0,1", true));
    const GroupResult& g = first.groups[0];
    ASSERT_EQ(g.periods.size(), 2u);
    EXPECT_NEAR(g.periods[0].after, 40, 1e-9);
    EXPECT_EQ(g.periods[1].payment, moneyFromText("100"));
    EXPECT_DOUBLE_EQ(g.periods[1].before, 0);  // the interest is paid
    EXPECT_EQ(g.periods[1].principal, moneyFromText("940"));
    EXPECT_EQ(periodDays(g), (std::vector<std::int64_t>{40, 11}));
    EXPECT_NEAR(g.interest, 940 / 100.0 * 0.1 * 11, 1e-9);

    Computation principalFirst = run(debt, pay, dailyRate("0,1", false));
    EXPECT_EQ(principalFirst.groups[0].periods[1].principal, moneyFromText("900"));
    EXPECT_NEAR(principalFirst.groups[0].interest, 40 + 900 / 100.0 * 0.1 * 11, 1e-9);
}

TEST(Interest, OverpaymentIsCarriedIntoTheNextGroupOrRefunded) {
    const std::vector<DebtRow> debts = {{"31.12.2023", "31.3.2024", "1000", "A"}, {"31.1.2024", "31.3.2024", "2000", "B"}};
    // 1.3.2024: 60 Kč interest on A, 1200 Kč paid: 140 Kč more than the debt, inside B's span.
    Computation r = run(debts, {{"1.3.2024", "1200", "A"}}, dailyRate("0,1"));
    EXPECT_EQ(r.groups[0].settledOn, d(1, 3, 2024));
    EXPECT_DOUBLE_EQ(r.groups[0].interest, 0);
    EXPECT_DOUBLE_EQ(r.groups[0].overpayment, 0);
    const GroupResult& b = r.groups[1];
    ASSERT_EQ(b.periods.size(), 2u);
    EXPECT_EQ(b.periods[1].payment, moneyFromText("140"));
    EXPECT_EQ(b.principal, moneyFromText("1918"));  // 58 Kč interest paid first, 82 Kč off the principal
    EXPECT_NEAR(b.interest, 1918 / 100.0 * 0.1 * 31, 1e-9);
    EXPECT_DOUBLE_EQ(r.totalOverpayment, 0);

    // Paid before B fell due: nothing to carry it into, it is to be refunded.
    r = run(debts, {{"15.1.2024", "1200", "A"}}, dailyRate("0,1"));
    EXPECT_EQ(r.groups[0].settledOn, d(15, 1, 2024));
    EXPECT_NEAR(r.totalOverpayment, 1200 - 14 - 1000, 1e-9);
    EXPECT_EQ(r.groups[1].principal, moneyFromText("2000"));
}

TEST(Interest, CarriedOverpaymentTakesTheHalfYearRateOfARegime2Default) {
    // B runs under the 163/2005 rule from 2008; A's excess lands in 2009 H2 (repo 1,50 + 7).
    const std::vector<DebtRow> debts = {{"31.5.2009", "31.12.2009", "1000", "A"}, {"31.3.2008", "31.12.2009", "5000", "B"}};
    Computation r = run(debts, {{"1.8.2009", "2000", "A"}});
    const GroupResult& b = r.groups[1];
    ASSERT_EQ(b.label, "B");
    bool found = false;
    for (const Period& p : b.periods)
        if (p.from == d(1, 8, 2009)) {
            found = true;
            EXPECT_DOUBLE_EQ(p.rate, 8.5);
            EXPECT_GT(p.payment, 0);
        }
    EXPECT_TRUE(found);
}

TEST(Interest, EventsOfOneDayAndTheEndDay) {
    // Two payments on one day are one event with both deducted.
    Computation r = run({{"31.12.2023", "31.1.2024", "1000", "A"}}, {{"11.1.2024", "100", "A"}, {"11.1.2024", "50", "A"}},
                        dailyRate("0,1", false));
    ASSERT_EQ(r.groups[0].periods.size(), 2u);
    EXPECT_EQ(r.groups[0].periods[1].principal, moneyFromText("850"));
    EXPECT_EQ(periodDays(r.groups[0]), (std::vector<std::int64_t>{10, 21}));
    // A payment on the end day is an event before the end event: 0 days + 1.
    r = run({{"31.12.2023", "31.1.2024", "1000", "A"}}, {{"31.1.2024", "100", "A"}}, dailyRate("0,1", false));
    EXPECT_EQ(periodDays(r.groups[0]), (std::vector<std::int64_t>{30, 1}));
    EXPECT_EQ(r.groups[0].principal, moneyFromText("900"));
    // A payment of 0 Kč changes nothing.
    r = run({{"31.12.2023", "31.1.2024", "1000", "A"}}, {{"11.1.2024", "0", "A"}}, dailyRate("0,1", false));
    EXPECT_EQ(r.groups[0].principal, moneyFromText("1000"));
    EXPECT_NEAR(r.groups[0].interest, 31.0, 1e-9);
}

TEST(Interest, LateFeeMonthsAndTheSwitchOn31December2013) {
    Computation r = run({{"14.3.2013", "10.5.2013", "1000", "A"}}, {}, lateFee());
    const GroupResult& g = r.groups[0];
    ASSERT_EQ(g.periods.size(), 3u);
    EXPECT_EQ(g.periods[1].from, d(31, 3, 2013));
    EXPECT_EQ(g.periods[2].from, d(30, 4, 2013));
    EXPECT_EQ(periodDays(g), (std::vector<std::int64_t>{16, 30, 11}));
    EXPECT_NEAR(g.interest, 40 + 75 + 27.5, 1e-9);
    // A small principal owes the monthly minimum of 25 Kč in every period.
    r = run({{"14.3.2013", "10.5.2013", "100", "A"}}, {}, lateFee());
    EXPECT_NEAR(r.groups[0].interest, 75, 1e-9);
    EXPECT_TRUE(r.groups[0].periods[0].minimumCharged);
    // From a period beginning on 31.12.2013: 1 ‰ a day, at least 10 Kč.
    r = run({{"30.11.2013", "31.1.2014", "1000", "A"}}, {}, lateFee());
    ASSERT_EQ(r.groups[0].periods.size(), 2u);
    EXPECT_EQ(r.groups[0].periods[1].from, d(31, 12, 2013));
    EXPECT_EQ(r.groups[0].periods[0].perMille, 2.5);
    EXPECT_EQ(r.groups[0].periods[1].perMille, 1);
    EXPECT_EQ(periodDays(r.groups[0]), (std::vector<std::int64_t>{30, 32}));
    EXPECT_NEAR(r.groups[0].interest, 75 + 32, 1e-9);
    // A default that begins on a month's last day has no empty first period.
    r = run({{"30.3.2013", "10.5.2013", "1000", "A"}}, {}, lateFee());
    EXPECT_EQ(periodDays(r.groups[0]), (std::vector<std::int64_t>{30, 11}));
}

TEST(Interest, CustomAnnualRateFillsTheDailyField) {
    Options o;
    o.customRate = true;
    o.annualRate = "10";
    const Computation r = computeInterest(Case{{{"31.12.2023", "30.1.2024", "1000", "A"}}, {}, o}, nullptr);
    EXPECT_EQ(r.options.dailyRate, "0,0273972602739726");
    EXPECT_EQ(r.groups[0].regime, 0);
    EXPECT_NEAR(r.groups[0].interest, 1000 * 0.10 * 30 / 365, 1e-9);
    o.kind = RateKind::Daily;
    o.dailyRate = "0,05";
    EXPECT_EQ(computeInterest(Case{{{"31.12.2023", "30.1.2024", "1000", "A"}}, {}, o}, nullptr).options.annualRate,
              "18,25");
}

TEST(Interest, GroupsAndTheRewrittenGrids) {
    // Groups are numbered as their labels first occur; the grids come back sorted and resolved.
    Options principalFirst;
    principalFirst.interestFirst = false;
    const Computation r = run({{"10.1.2024", "31.1.2024", "1000", "B"}, {"5.1.2024", "31.1.2024", "500", "A"}},
                              {{"20.1.2024", "100", "b"}, {"15.1.2024", "50", std::string(kEarliestDue)}}, principalFirst);
    ASSERT_EQ(r.groups.size(), 2u);
    EXPECT_EQ(r.groups[0].label, "B");
    EXPECT_EQ(r.debts[0].label, "A");
    EXPECT_EQ(r.payments, (std::vector<PaymentRow>{{"15.1.2024", "50", "A"}, {"20.1.2024", "100", "b"}}));
    EXPECT_EQ(r.groups[0].principal, moneyFromText("900"));  // labels match without regard to case
    EXPECT_EQ(r.groups[1].principal, moneyFromText("450"));
}

TEST(Interest, CasesThatCannotBeComputed) {
    const DebtRow a = {"31.12.2023", "31.1.2024", "1000", "A"};
    auto refused = [&](std::vector<DebtRow> debts, std::vector<PaymentRow> pays, const std::string& expected) {
        try {
            run(std::move(debts), std::move(pays));
            ADD_FAILURE() << expected;
        } catch (const CaseError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    };
    refused({a}, {{"10.1.2024", "100", "Faktura 7"}}, "„Faktura 7“, která nemá žádnou jistinu");
    refused({a, {"31.12.2023", "31.1.2024", "5", "a"}}, {}, "Skupina závazků „a“ má více jistin");
    refused({{"31.1.2024", "31.1.2024", "1000", "Č"}}, {}, "je dřív než první den prodlení (1.2.2024)");
    refused({a}, {{"10.1.2024", "-5", "A"}}, "nesmí být záporná");
    refused({}, {{"10.1.2024", "5", std::string(kEarliestDue)}}, "není zadán žádný závazek");
    EXPECT_THROW(run({{"31.12.2023", "31.1.2024", "", "A"}}), ConversionError);
    EXPECT_THROW(run({{"31.2.2023", "31.1.2024", "1", "A"}}), ConversionError);
    Options year;
    year.yearLength = "0";
    EXPECT_THROW(run({a}, {}, year), CaseError);
    // Accented labels differ only in case: the same group.
    refused({{"31.12.2023", "31.1.2024", "1", "Účet"}, {"31.12.2023", "31.1.2024", "1", "účet"}}, {}, "má více jistin");
}

TEST(Interest, PaymentAfterTheEndDayIsLeftOut) {
    const Computation r = run({{"31.12.2023", "31.1.2024", "1000", "A"}}, {{"15.2.2024", "300", "A"}});
    ASSERT_EQ(r.groups[0].excluded.size(), 1u);
    EXPECT_EQ(r.groups[0].excluded[0].day, d(15, 2, 2024));
    EXPECT_EQ(periodDays(r.groups[0]), (std::vector<std::int64_t>{31}));
    EXPECT_EQ(r.groups[0].principal, moneyFromText("1000"));
}

TEST(Interest, StatutoryRateNeedsTheTable) {
    EXPECT_THROW(computeInterest(Case{{{"31.12.2023", "31.1.2024", "1000", "A"}}, {}, {}}, nullptr), DataError);
    const RateTable late = RateTable::fromText("1.1.2020;1\n");
    try {
        computeInterest(Case{{{"1.1.2021", "1.2.2021", "5", "A"}, {"31.12.2013", "31.1.2014", "1000", "B"}}, {}, {}},
                        &late);
        FAIL();
    } catch (const CaseError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Závazek na řádku 2: první den prodlení 1.1.2014 je dřív než první řádek tabulky úrokových sazeb "
                  "(1.1.2020); pro dřívější dny sazbu nezná.");
    }
}

// Typing slips that once made the computation run for millions of periods or
// convert an absurd number: each is refused with a message naming the row
// and the field, before any work is done.
TEST(Interest, OutOfRangeInputIsRefusedNamingRowAndField) {
    const DebtRow a = {"31.12.2023", "31.1.2024", "1000", "A"};
    Options absurdRate;
    absurdRate.customRate = true;
    absurdRate.annualRate = "-1e30";
    Options tinyYear;
    tinyYear.yearLength = "1E-300";
    struct Case {
        std::vector<DebtRow> debts;
        std::vector<PaymentRow> payments;
        Options options;
        std::string message;
    };
    const Case cases[] = {
        {{{"31.12.2024", "1.1.6025", "1000", "A"}}, {}, lateFee(),
         "Závazek na řádku 1: úrok ke dni 1.1.6025 leží mimo dny, které program umí spočítat (1.1.1900 až 31.12.2099)."},
        {{a, {"1.1.1850", "1.1.2024", "5", "B"}}, {}, dailyRate("0,1"),
         "Závazek na řádku 2: splatnost 1.1.1850 leží mimo dny"},
        {{a}, {{"1.1.1000", "5", "A"}}, {}, "Úhrada na řádku 1: datum 1.1.1000 leží mimo dny"},
        {{a}, {}, absurdRate, "Roční úrok -1E30 % je mimo rozsah 0 až 36500 %."},
        {{a}, {}, dailyRate("-0,5"), "Denní úrok -0,5 % je mimo rozsah 0 až 100 %."},
        {{a}, {}, tinyYear, "Délka roku musí být číslo dní od 1 do 1000"},
        // Eleven payments of 80 trillion would overflow the running principal.
        {{{"31.12.2023", "31.1.2024", "80000000000000", "A"}},
         std::vector<PaymentRow>(11, PaymentRow{"10.1.2024", "80000000000000", "A"}), {}, "Součet částek případu"},
    };
    for (const Case& c : cases) {
        try {
            computeInterest(interest::Case{c.debts, c.payments, c.options}, &shipped());
            ADD_FAILURE() << c.message;
        } catch (const CaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    // A bad date names its row too.
    try {
        run({a, {"31.2.2023", "31.1.2024", "1", "B"}});
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "Závazek na řádku 2, splatnost: „31.2.2023“ není platné datum (den.měsíc.rok).");
    }
}

TEST(Interest, WorkIsBoundedByTheDayRangeAndThePeriodCap) {
    // The widest late fee the range allows: one period per month for two centuries.
    const Computation widest = computeInterest(
        Case{{{"1.1.1900", "31.12.2099", "1000", "A"}}, {}, lateFee()}, nullptr);
    EXPECT_EQ(widest.groups[0].periods.size(), 2400u);
    // Nine such groups pass the cap on the periods of one computation.
    std::vector<DebtRow> many;
    for (int g = 0; g < 9; ++g) many.push_back({"1.1.1900", "31.12.2099", "1000", "G" + std::to_string(g)});
    EXPECT_THROW(computeInterest(Case{many, {}, lateFee()}, nullptr), CaseError);
}

}  // namespace
}  // namespace verdika::interest
