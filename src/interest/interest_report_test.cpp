#include "interest/interest_report.h"

#include <gtest/gtest.h>

#include "interest/rate_table.h"
#include "test_support.h"

namespace verdika::interest {
namespace {

using Lines = std::vector<std::string>;

const RateTable& shipped() {
    static const RateTable t = RateTable::load(test::shippedDir() / "uroky.vrd");
    return t;
}

// The worked example: A 10 000 Kč due 14.1.2015 (regime 5, 8,05 %) with
// 5 000 Kč paid on 1.3.2015, B 2 000 Kč due 30.6.2012 (regime 3, 7,5 %),
// both to 31.3.2015. By hand: A's first period 45 days, 99,2465753424657 Kč,
// all of it paid by the payment, which leaves 5 099,2466 Kč of principal for
// 31 days: 34,8634791515069 Kč; B 1004 days: 412,602739726027 Kč.
Computation example() {
    Case c;
    c.debts = {{"14.1.2015", "31.3.2015", "10000", "A"}, {"30.6.2012", "31.3.2015", "2000", "B"}};
    c.payments = {{"1.3.2015", "5000", "A"}};
    return computeInterest(c, &shipped());
}

const std::string kBar = "=========================================================";
const std::string kRule = "---------------------------------------------------------------------";

TEST(InterestTexts, ReportOfTheWorkedExample) {
    const Lines expected = {
        kBar, "Označení jistiny: A", "Období:", "  Prodlení od: 15.1.2015", "  Prodlení do: 28.2.2015",
        "  Počet dní prodlení: 45", "Jistina: 10.000,00 Kč", kRule, "    počet dní v daném období = 45",
        "    úrok z prodlení v procentech = 8,05%", "    průběh výpočtu: 0 + (8,05 / 100) * 45 * 10.000,00 Kč / 365",
        "    úrok z prodlení v korunách = 99,2465753424657", "",
        kBar, "Označení jistiny: A", "Období:", "  Prodlení od: 1.3.2015", "  Prodlení do: 31.3.2015",
        "  Počet dní prodlení: 31", "Jistina: 5.099,25 Kč", kRule, "    počet dní v daném období = 31",
        "    úrok z prodlení v procentech = 8,05%", "    průběh výpočtu: 0 + (8,05 / 100) * 31 * 5.099,25 Kč / 365",
        "    úrok z prodlení v korunách = 34,8634791515069", "",
        kBar, "Označení jistiny: B", "Období:", "  Prodlení od: 1.7.2012", "  Prodlení do: 31.3.2015",
        "  Počet dní prodlení: 1004", "Jistina: 2.000,00 Kč", kRule, "    počet dní v daném období = 1004",
        "    úrok z prodlení v procentech = 7,5%", "    průběh výpočtu: 0 + (7,5 / 100) * 1004 * 2.000,00 Kč / 365",
        "    úrok z prodlení v korunách = 412,602739726027", ""};
    EXPECT_EQ(reportLines(example()), expected);
}

TEST(InterestTexts, ResultGridAndItsText) {
    const std::vector<GridRow> grid = resultGrid(example());
    const std::vector<GridRow> expected = {
        {"A", "15.1.2015", "31.3.2015", "76", "34,86 Kč", "5.099,25 Kč", "5.134,11 Kč"},
        {"B", "1.7.2012", "31.3.2015", "1004", "412,60 Kč", "2.000,00 Kč", "2.412,60 Kč"},
        {"", "", "", "suma:", "447,47 Kč", "7.099,25 Kč", "7.546,71 Kč"},
        {}};
    EXPECT_EQ(grid, expected);
    const Lines text = resultGridText(grid);
    const Lines expectedText = {"Úrok / poplatek z prodlení", "------------------------------",
                                "Skupina: A", "Prodlení od: 15.1.2015", "Prodlení do: 31.3.2015",
                                "Počet dnů prodlení: 76", "Výše jistiny: 5.099,25 Kč", "Výše úroků: 34,86 Kč",
                                "Jistina s úroky: 5.134,11 Kč", "",
                                "Skupina: B", "Prodlení od: 1.7.2012", "Prodlení do: 31.3.2015",
                                "Počet dnů prodlení: 1004", "Výše jistiny: 2.000,00 Kč", "Výše úroků: 412,60 Kč",
                                "Jistina s úroky: 2.412,60 Kč", "",
                                "===============================================", "Shrnutí",
                                "Výše jistiny: 7.099,25 Kč", "Výše úroků: 447,47 Kč", "Jistina s úroky: 7.546,71 Kč", ""};
    EXPECT_EQ(text, expectedText);
}

TEST(InterestTexts, PetitionsOfTheWorkedExample) {
    const std::string r5 = "(repo sazba ČNB pro první den kalendářního pololetí, v němž došlo k prodlení, zvýšená o 8 "
                           "procentních bodů)";
    const std::string r3 = "(repo sazba ČNB k poslednímu dni kalendářního pololetí, které předchází kalendářnímu "
                           "pololetí, v němž byl žalovaný prvně v prodlení, zvýšená o sedm procentních bodů)";
    EXPECT_EQ(petition1(example(), {}),
              "Žalovaný je povinen uhradit žalobci do 15 dnů od právní moci rozhodnutí úrok z prodlení "
              "z částky 10.000,00 Kč od 15.1.2015 do 28.2.2015 ve výši 8,05% ročně " + r5 + ",\n"
              "z částky 5.099,25 Kč od 1.3.2015 do 31.3.2015 ve výši 8,05% ročně " + r5 + ",\n"
              "z částky 2.000,00 Kč od 1.7.2012 do 31.3.2015 ve výši 7,5% ročně " + r3 +
              ", a od 1.4.2015 až do zaplacení ve výši 7,5% ročně.\n\n");
    EXPECT_EQ(petition2(example(), {Defendant::Several, Claimant::Woman, "3", PayFrom::PaymentOrder}),
              (Lines{"Žalovaní jsou povinni do 3 dnů od doručení platebního rozkazu uhradit žalobkyni: ",
                     "částku 10.000,00 Kč s 8,05% úrokem z prodlení od 15.1.2015 do 28.2.2015",
                     "částku 5.099,25 Kč s 8,05% úrokem z prodlení od 1.3.2015 do 31.3.2015 a nadále až do "
                     "zaplacení ve výši 8,05% ročně.",
                     "částku 2.000,00 Kč s 7,5% úrokem z prodlení od 1.7.2012 do 31.3.2015 a nadále až do "
                     "zaplacení ve výši 7,5% ročně."}));
    // A regime-5 group alone ends with its comma, turned into a full stop.
    Case one;
    one.debts = {{"14.1.2015", "13.2.2015", "10000", "A"}};
    EXPECT_EQ(petition1(computeInterest(one, &shipped()), {Defendant::Woman, Claimant::Several, "15", PayFrom::FinalJudgment}),
              "Žalovaná je povinna uhradit žalobcům do 15 dnů od právní moci rozhodnutí úrok z prodlení "
              "z částky 10.000,00 Kč od 15.1.2015 do 13.2.2015 ve výši 8,05% ročně " + r5 + ".");
}

TEST(InterestTexts, ExportTableOfTheWorkedExample) {
    const Lines expected = {
        "",
        "\"Označení jistiny\";\"Prodlení od\";\"Prodlení do\";\"Úroková sazba\";\"Výše úroku k poslednímu dni období\";"
        "\"Celková výše úroku\";\"Výše jistiny\";\"Zaplacená částka\";\"Jistina s úroky\"",
        "\"A\";\"15.1.2015\";\"1.3.2015\";\"8,05\";\"99\";\"99\";\"10000\";\"0\";\"10099\"",
        "\"A\";\"1.3.2015\";\"31.3.2015\";\"8,05\";\"35\";\"35\";\"5099\";\"5000\";\"5134\"",
        "\"Úrok / poplatek z prodlení ke dni:\";\"31.3.2015\";\"\";\"\";\"\";\"35\";\"5099\";\"\";\"5134\"",
        ";;;;;;;;;", ";;;;;;;;;", ";;;;;;;;;",
        "\"B\";\"1.7.2012\";\"31.3.2015\";\"7,5\";\"413\";\"413\";\"2000\";\"0\";\"2413\"",
        "\"Úrok / poplatek z prodlení ke dni:\";\"31.3.2015\";\"\";\"\";\"\";\"413\";\"2000\";\"\";\"2413\"",
        ";;;;;;;;;", ";;;;;;;;;", ";;;;;;;;;",
        "Skupina závazků;Dluh k zaplacení;Úrok zbývá;Celkem",
        "A;5099,2466;34,8634791515069;5134,11007915151",
        "B;2000;412,602739726027;2412,60273972603",
        "Součet:;7099,2466;447,466218877534;7546,71281887754"};
    EXPECT_EQ(exportTable(example()), expected);
}

TEST(InterestTexts, SettledGroupAndOverpayment) {
    Case c;
    c.debts = {{"31.12.2023", "31.3.2024", "1000", "A"}};
    c.payments = {{"11.1.2024", "1100", "A"}};
    c.options.customRate = true;
    c.options.kind = RateKind::Daily;
    c.options.dailyRate = "0,1";
    const Computation r = computeInterest(c, nullptr);  // 10 Kč interest, 90 Kč to refund
    const Lines report = reportLines(r);
    EXPECT_EQ(Lines(report.end() - 4, report.end()),
              (Lines{kBar, "Jistina uhrazena ke dni: 11.1.2024", "Konečný úrok z prodlení: 0,00 Kč", ""}));
    const auto grid = resultGrid(r);
    ASSERT_EQ(grid.size(), 4u);
    EXPECT_EQ(grid[0], (GridRow{"A", "1.1.2024", "11.1.2024", "11", "0,00 Kč", "0,00 Kč", "0,00 Kč"}));
    EXPECT_EQ(grid[2], (GridRow{"", "", "", "", "", "suma přeplatků, které jsou potřeba vrátit", "90,00 Kč"}));
    const Lines table = exportTable(r);
    EXPECT_EQ(table[3], "\"Uhrazeno ke dni\";\"11.1.2024\";\"\";\"\";\"\";\"\";\"0\";\"\";\"0\"");
    EXPECT_EQ(table[4], ";;;;;;;;;");
    EXPECT_EQ(table[5], "Skupina závazků;Dluh k zaplacení;Úrok zbývá;Celkem");
    // The principal segment ends the day before the settling payment.
    EXPECT_EQ(petition2(r, {})[1], "částku 1.000,00 Kč s denním úrokem z prodlení ve výši 0,1% od 1.1.2024 do 10.1.2024.");
}

TEST(InterestTexts, CustomRateAndLateFeeLines) {
    Case c;
    c.debts = {{"31.12.2023", "30.1.2024", "1000", "A"}};
    c.options.customRate = true;
    c.options.annualRate = "10";
    Computation r = computeInterest(c, nullptr);
    Lines report = reportLines(r);
    EXPECT_EQ(report[9], "    roční úrok = 10");
    EXPECT_EQ(report[10], "    průběh výpočtu: 0 + (1.000,00 Kč / 100) * 0,0273972602739726 * 30");
    EXPECT_EQ(petition1(r, {}), "Žalovaný je povinen uhradit žalobci do 15 dnů od právní moci rozhodnutí smluvní úrok "
                                "z prodlení  z částky 1.000,00 Kč od 1.1.2024 do 30.1.2024 ve výši 10% ročně a od "
                                "31.1.2024 až do zaplacení ve výši 10% ročně.");
    EXPECT_EQ(petition2(r, {})[1], "částku 1.000,00 Kč s ročním úrokem z prodlení ve výši 10% od 1.1.2024 do "
                                   "30.1.2024 a nadále až do zaplacení ve výši 10% ročně.");

    // Late fee on 100 Kč from 15.3.2013: three periods, each charged the 25 Kč minimum.
    c.debts = {{"14.3.2013", "10.5.2013", "100", "A"}};
    c.options.mode = Mode::Fee;
    c.options.kind = RateKind::Daily;
    c.options.dailyRate = "0,25";
    r = computeInterest(c, nullptr);
    report = reportLines(r);
    EXPECT_EQ(Lines(report.begin() + 13, report.begin() + 26),
              (Lines{kBar, "Označení jistiny: A", "Období:", "  Prodlení od: 1.4.2013", "  Prodlení do: 30.4.2013",
                     "  Počet dní prodlení: 31", "Jistina: 100,00 Kč", kRule, "    počet dní v daném období = 30",
                     "    poplatek = 2,5 ‰",
                     "    průběh výpočtu: 25 + (100,00 Kč / 100) * 0,25 * 30 - toto je ale menší, nežli 25 Kč, proto "
                     "se připočte 25 Kč",
                     "    poplatek z prodlení v korunách = 50", ""}));
    EXPECT_EQ(petition1(r, {}),
              "Žalovaný je povinen uhradit žalobci do 15 dnů od právní moci rozhodnutí poplatek z prodlení  z částky "
              "100,00 Kč od 15.3.2013 do 31.3.2013 ve výši 2,5 promile za den, nejméně však ve výši 25 Kč, z částky "
              "100,00 Kč od 1.4.2013 do 30.4.2013 ve výši 2,5 promile za den, nejméně však ve výši 25 Kč, z částky "
              "100,00 Kč od 1.5.2013 do 10.5.2013 ve výši 0,25% za den a od 11.5.2013 až do zaplacení ve výši 0,25% "
              "za den.");
    EXPECT_EQ(petition2(r, {})[1],
              "částku 100,00 Kč s poplatkem z prodlení ve výši 2,5 promile za den z dlužné částky od 15.3.2013 do "
              "10.5.2013 , nejméně však 25 Kč za každý i započatý měsíc prodlení,  a nadále až do zaplacení ve výši "
              "2,5 promile za den z dlužné částky, nejméně však 25 Kč za každý i započatý měsíc prodlení.");
    EXPECT_EQ(exportTable(r)[3], "\"A\";\"1.4.2013\";\"30.4.2013\";\"0,25\";\"8\";\"50\";\"100\";\"0\";\"150\"");
}

TEST(InterestTexts, Regime2PetitionsAndTheLeftOutPayment) {
    Case c;
    c.debts = {{"28.2.2009", "31.12.2009", "10000", "A"}};
    c.payments = {{"5.1.2010", "100", "A"}};
    const Computation r = computeInterest(c, &shipped());
    EXPECT_EQ(reportLines(r)[0], "Úhrada ze dne 5.1.2010 ve výši 100,00 Kč (skupina A) je pozdější než den 31.12.2009, "
                                 "ke kterému se úrok počítá, a do výpočtu nebyla zahrnuta.");
    const std::string p1 = petition1(r, {});
    EXPECT_NE(p1.find("od 1.3.2009 do 30.6.2009 ve výši 9,25% ročně"), std::string::npos) << p1;
    EXPECT_NE(p1.find("od 1.7.2009 do 31.12.2009 ve výši 8,5% ročně"), std::string::npos) << p1;
    EXPECT_NE(p1.find(", a od 1.1.2010 nadále ve výši, která odpovídá v každém jednotlivém kalendářním pololetí"),
              std::string::npos) << p1;
    EXPECT_EQ(petition2(r, {})[1],
              "částku 10.000,00 Kč s 9,25% úrokem z prodlení od 1.3.2009 do 31.12.2009 a nadále až do zaplacení, "
              "přičemž v každém kalendářním pololetí, v němž trvá prodlení žalovaného, odpovídá výše úroků z prodlení "
              "ročně výši repo sazby stanovené ČNB, zvýšené o sedm procentních bodů a platné pro první den příslušného "
              "kalendářního pololetí.");
}

}  // namespace
}  // namespace verdika::interest
