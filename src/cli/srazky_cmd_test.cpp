#include <gtest/gtest.h>

#include <algorithm>

#include "cli_test_support.h"

namespace verdika {
namespace {

std::string cli() { return "srazky "; }

// In-process, with a fresh data directory.
int runCommand(const std::string& line, std::string* out, std::string* err = nullptr) {
    const auto r = test::runCli(line);
    if (out) *out = r.out;
    if (err) *err = r.err;
    return r.code;
}

TEST(CliSrazky, SummaryAndJson) {
    std::string out;
    ASSERT_EQ(runCommand(cli() + "--mzda 35000 --obdobi 3/2026 --vyzivovane 1 --manzel --pohledavka vyzivne", &out),
              0);
    EXPECT_NE(out.find("Nezabavitelná částka celkem: 21.153,00 Kč\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Srážka celkem: 9.230,00 Kč\n"), std::string::npos);
    EXPECT_NE(out.find("Povinnému se vyplatí: 25.770,00 Kč\n"), std::string::npos);

    // January–May 2019, maintenance and a bank loan: above the threshold.
    ASSERT_EQ(runCommand(cli() + "--mzda 25000 --obdobi 02/2019 --vyzivovane 2 --manzel --pohledavka vyzivne --json",
                         &out),
              0);
    EXPECT_NE(out.find("\"nezabavitelna_castka\":11251"), std::string::npos) << out;
    EXPECT_NE(out.find("\"nad_hranici\":4106"), std::string::npos);
    EXPECT_NE(out.find("\"srazka\":10534"), std::string::npos);
    EXPECT_NE(out.find("\"nahrada_platce\":0"), std::string::npos);

    // Debt relief and a wage of December 2025 paid in January 2026: the 2026 figures, no fee.
    ASSERT_EQ(runCommand(cli() + "--mzda 40000 --obdobi 12/2025 --vyplata 9.1.2026 --vyzivovane 4 --insolvence --json",
                         &out),
              0);
    EXPECT_NE(out.find("\"pouzite_obdobi\":\"1.1.2026\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"srazka\":7864"), std::string::npos);
    EXPECT_NE(out.find("\"nahrada_platce\":0"), std::string::npos);
}

TEST(CliSrazky, BadArgumentsGiveOneLineAndExitTwo) {
    const char* bad[] = {
        "--obdobi 3/2026",                                  // no wage
        "--mzda 30000",                                     // no period
        "--mzda 30000 --obdobi 2026-03",                    // not M/YYYY
        "--mzda 30000 --obdobi 3/2026 --pohledavka jina",   // unknown claim kind
        "--mzda 30000 --obdobi 3/2026 --vyzivovane -1",     // negative count
        "--mzda tisic --obdobi 3/2026",                     // not a number
        "--mzda 30000 --obdobi 12/2006",                    // before the table
        "--mzda 30000 --obdobi 6/2026 --vyplata 1.1.2027",  // after the table
        "--mzda 30000 --obdobi 6/2024 --vyplata 1.5.2024",  // paid before the period
        "--mzda -30000 --obdobi 3/2026",                    // a negative wage
        "--mzda 30.5 --obdobi 3/2026",                      // a dot groups thousands only
    };
    for (const char* args : bad) {
        std::string out, err;
        EXPECT_EQ(runCommand(cli() + args, &out, &err), 2) << args;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

}  // namespace
}  // namespace verdika
