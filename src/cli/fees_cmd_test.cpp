#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

test::CliResult run(const std::string& args) { return test::runCli(args); }

TEST(FeesCli, EachCommandComputesTheFee) {
    struct Case {
        const char* args;
        const char* expected;
    } cases[] = {
        {"poplatek --polozka 8 --zaklad 20001 --datum 1.1.2014", "Soudní poplatek: 1.000,50 Kč"},
        {"poplatek --polozka 54 --zaklad 10000 --datum 31.12.2013", "Soudní poplatek: 800,00 Kč"},
        {"poplatek --polozka 25 --datum 1.1.2026", "Soudní poplatek: 5.000,00 Kč"},
        {"poplatek --polozka 74 --datum 31.12.2013", "tabulka tento poplatek neuvádí"},
        {"poplatek --polozka 8 --zaklad 1000000 --datum 1.1.2014 --json", "\"poplatek\":50000"},
        {"poplatek --seznam", "54: Položka 2 bod 1"},
        {"notar --polozka 3 --hodnota 1000000", "Odměna: 6.540,00 Kč"},
        {"notar --polozka 25 --json", "\"odmena\":70"},
        {"notar --seznam --json", "\"polozka\":61"},
        {"exekutor --polozka 1 --hodnota 10000000 --splni", "Odměna: 575.000,00 Kč"},
        {"exekutor --polozka 1 --hodnota 12345,67 --zaloha --json", "\"odmena\":1500"},
        {"exekutor --seznam", "17: vydání dalšího prostého opisu"},
        {"insolvence --verze 1.1.2014 --zajistene 2500000 --nezajistene 3000000 --mesice-oddluzeni 60 "
         "--obrat 30000000 --mesice-reorganizace 12",
         "Odměna celkem: 550.000,00 Kč"},
        {"insolvence --verze 4 --mesice-oddluzeni 60 --mesice-pred-schvalenim 4",
         "Odměna za kalendářní měsíce: 48.600,00 Kč"},
        {"insolvence --obrat 30000000 --mesice-reorganizace 12 --json", "\"celkem\":1992000"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 0) << c.args << "\n" << r.err;
        EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.args << "\n" << r.out;
    }
}

TEST(FeesCli, BadArgumentsGiveOneLineAndExitCodeTwo) {
    for (const char* args : {"poplatek", "poplatek --polozka 85", "poplatek --polozka 8 --zaklad 12x",
                             "poplatek --polozka 8 --datum 31.2.2020", "notar --polozka 0", "notar --hodnota 5",
                             "exekutor --polozka 9 --zaloha", "exekutor --polozka 8 --splni",
                             "insolvence --verze 9", "insolvence --verze 1 --mesice-pred-schvalenim 2",
                             "insolvence --mesice-oddluzeni -1", "insolvence --zajistene -5"}) {
        const auto r = run(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << "\n" << r.err;
    }
}

}  // namespace
}  // namespace verdika
