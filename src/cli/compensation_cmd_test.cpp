#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

std::string run(const std::string& args, int expectedExit = 0) {
    const auto r = test::runCli(args);
    EXPECT_EQ(r.code, expectedExit) << args << "\n" << r.err;
    return expectedExit == 0 ? r.out : r.err;
}

TEST(CompensationCli, AmountsAndAdjustment) {
    EXPECT_EQ(run("zadostiucineni --od 1.1.2010 --do 1.1.2013 --zvysit 20"),
              "Délka trvání: 3 roků a 1 dnů.\n"
              "Zadostiučinění: 30.041,10 Kč\n"
              "Zadostiučinění poprocentuální změně: 36.049,32 Kč\n");
    EXPECT_NE(run("zadostiucineni --od 1.1.2010 --do 16.5.2011 --zaklad 20000 --snizit 10")
                  .find("Zadostiučinění poprocentuální změně: 12.328,77 Kč"),
              std::string::npos);
}

TEST(CompensationCli, BadArgumentsGiveOneLineAndExitTwo) {
    for (const char* args : {"zadostiucineni --od 1.1.2010", "zadostiucineni --od 1.1.2010 --do 1.1.2013 --zaklad abc",
                             "zadostiucineni --od 1.1.2010 --do 1.1.2013 --zvysit 5 --snizit 5",
                             "zadostiucineni --od 1.1.2010 --do 1.1.2013 --snizit x"}) {
        const std::string err = run(args, 2);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

}  // namespace
}  // namespace verdika
