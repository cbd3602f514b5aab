#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

std::string cli() { return "cestovne "; }

int runCommand(const std::string& line, std::string* out, std::string* err = nullptr) {
    const auto r = test::runCli(line);
    *out = r.out;
    if (err) *err = r.err;
    return r.code;
}

TEST(CliCestovne, PrintsTheSummaryOfTheTrip) {
    std::string out;
    ASSERT_EQ(runCommand(cli() + "--datum 15.6.2010 --km 100 --tam-i-zpet --pulhodin 2 --spotreba 7 "
                                       "--palivo 1 --hodin 8 --vozidlo Octavia",
                               &out),
              0);
    EXPECT_NE(out.find("Vzdálenost: 200km, zameškaných půlhodin: 4 půlhodin\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Vozidlo: Octavia, spotřeba 7 l/100km\n"), std::string::npos);
    EXPECT_NE(out.find("Stravné: 73,00 Kč\n"), std::string::npos);
    EXPECT_NE(out.find("Celkem: 1.633,80 Kč\n"), std::string::npos);
    // A VAT payer, an own fuel price with a decimal comma, the JSON form (money as shown).
    ASSERT_EQ(runCommand(cli() + "--datum 10.12.2026 --km 240 --pulhodin 10 --spotreba 5,5 --palivo 1 "
                                       "--vlastni-cena 34,1 --hodin 19 --dnu 2 --dph --json",
                               &out),
              0);
    EXPECT_NE(out.find("\"celkem\":4789.05,"), std::string::npos) << out;
    EXPECT_NE(out.find("\"vlastni_cena\":true"), std::string::npos);
    EXPECT_NE(out.find("DPH 12%: 223,93 Kč"), std::string::npos);
}

TEST(CliCestovne, BadArgumentsGiveOneLineAndExitTwo) {
    const char* bad[] = {
        "--km 10 --spotreba 5 --palivo 0",                                // no date
        "--datum 1.1.2020 --km deset --spotreba 5 --palivo 0",            // not a number
        "--datum 1.1.2020 --km 10 --spotreba 5 --palivo 4",               // no such fuel
        "--datum 1.1.2020 --km 10 --spotreba 5 --palivo 0 --stravne hi",  // min or max
        "--datum 31.12.2006 --km 10 --spotreba 5 --palivo 0",             // before the first rates
        "--datum 1.1.2020 --km 10 --spotreba 5 --palivo 2",               // no decree price for petrol 91
        "--datum 1.1.2020 --km 10 --spotreba 5 --palivo 0 --pulhodin 1,5",
    };
    for (const char* args : bad) {
        std::string out, err;
        EXPECT_EQ(runCommand(cli() + args, &out, &err), 2) << args;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
    std::string out, err;
    runCommand(cli() + "--datum 31.12.2006 --km 10 --spotreba 5 --palivo 0", &out, &err);
    EXPECT_NE(err.find("1.1.2007"), std::string::npos) << err;
}

}  // namespace
}  // namespace verdika
