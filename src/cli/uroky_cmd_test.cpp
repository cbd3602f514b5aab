#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

// The command line and the data directory it runs with.
struct Uroky {
    std::string line;
    const test::TempDir& data;
};
Uroky cli(const test::TempDir& data) { return {"uroky ", data}; }
Uroky operator+(const Uroky& u, const std::string& args) { return {u.line + args, u.data}; }

int runCommand(const Uroky& u, std::string* out, std::string* err) {
    const auto r = test::runCli(u.line, u.data.path());
    *out = r.out;
    *err = r.err;
    return r.code;
}

TEST(CliUroky, PrintsTheReportAndTheResultGrid) {
    test::TempDir data;
    std::string out, err;
    ASSERT_EQ(runCommand(cli(data) + "--jistina 10000 --splatnost 14.1.2015 --do 13.2.2015", &out, &err), 0) << err;
    EXPECT_NE(out.find("    úrok z prodlení v korunách = 66,1643835616438\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nA\t15.1.2015\t13.2.2015\t30\t66,16 Kč\t10.000,00 Kč\t10.066,16 Kč\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\t\t\tsuma:\t66,16 Kč\t10.000,00 Kč\t10.066,16 Kč\n"), std::string::npos) << out;
}

TEST(CliUroky, JsonWithGroupsPaymentsAndOptions) {
    test::TempDir data;
    std::string out, err;
    ASSERT_EQ(runCommand(cli(data) +
                                   "--jistina 1000 --splatnost 31.12.2023 --skupina A --jistina 2000,5 --splatnost "
                                   "31.1.2024 --skupina B --do 31.3.2024 --uhrada 1.3.2024:1200:A --denni 0,1 --json",
                               &out, &err),
              0)
        << err;
    EXPECT_NE(out.find("\"oznaceni\":\"A\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"uhrazeno_ke_dni\":\"1.3.2024\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"jistina\":1918.51,"), std::string::npos) << out;  // 140 Kč carried into B, 58 Kč of it to interest
    EXPECT_NE(out.find("\"soucty\":{"), std::string::npos) << out;
    // Principal first: A's interest stays unpaid and the 200 Kč beyond its principal come off B's.
    ASSERT_EQ(runCommand(cli(data) +
                                   "--jistina 1000 --splatnost 31.12.2023 --jistina 2000,5 --splatnost 31.1.2024 "
                                   "--do 31.3.2024 --uhrada 1.3.2024:1200:A --denni 0,1 --jistina-nejdriv --json",
                               &out, &err),
              0)
        << err;
    EXPECT_NE(out.find("\"jistina\":1800.5"), std::string::npos) << out;
}

TEST(CliUroky, CaseFromAReportFile) {
    test::TempDir data;
    test::writeCp1250(data / "případ.urk", "d@14.3.2013@10.5.2013@1000@Nájem@\r\nv@91,25\r\np\r\n");
    std::string out, err;
    ASSERT_EQ(runCommand(cli(data) + "--sestava '" + (data / "případ.urk").string() + "'", &out, &err), 0) << err;
    EXPECT_NE(out.find("    poplatek z prodlení v korunách = 142,5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Nájem\t15.3.2013\t10.5.2013\t57\t142,50 Kč"), std::string::npos) << out;
}

TEST(CliUroky, BadArgumentsGiveOneCzechLineAndExitTwo) {
    test::TempDir data;
    const char* const cases[] = {
        "--jistina 100 --splatnost 32.1.2024 --do 1.3.2024",
        "--jistina 1.000.5 --splatnost 1.1.2024 --do 1.3.2024",
        "--jistina 100 --do 1.3.2024",
        "--jistina 100 --splatnost 1.1.2024 --do 1.3.2024 --uhrada 2.1.2024:50:Q",
        "--jistina 100 --splatnost 1.1.2024 --do 1.3.2024 --uhrada 2.1.2024",
        "--jistina 100 --splatnost 1.1.2024 --skupina A --jistina 5 --splatnost 1.1.2024 --skupina a --do 1.3.2024",
        "--jistina 100 --splatnost 1.3.2024 --do 1.1.2024",
        "--sestava /nonexistent/x.urk",
        "--rocni 5 --denni 1 --jistina 100 --splatnost 1.1.2024",
        "",
    };
    for (const char* args : cases) {
        std::string out, err;
        EXPECT_EQ(runCommand(cli(data) + args, &out, &err), 2) << args << "\n" << out;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

}  // namespace
}  // namespace verdika
