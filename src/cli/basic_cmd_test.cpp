#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

// The one test of the built executable: arguments, streams, exit codes and
// the data directory from the environment reach cli::run.
std::string cli() { return std::string("'") + VERDIKA_CLI_PATH + "'"; }

TEST(Cli, HelpListsTheSubcommandsAndBadInputExitsWithTwo) {
    std::string out, err;
    EXPECT_EQ(test::runCommand(cli() + " --help", &out), 0);
    EXPECT_NE(out.find("version"), std::string::npos);
    EXPECT_NE(out.find("paths"), std::string::npos);
    std::string bare;
    EXPECT_EQ(test::runCommand(cli(), &bare), 0);
    EXPECT_EQ(bare, out);
    EXPECT_EQ(test::runCommand(cli() + " nic", &out, &err), 2);
    EXPECT_NE(err.find("Neznámý příkaz „nic“"), std::string::npos);
    EXPECT_EQ(test::runCommand(cli() + " paths --bogus", &out, &err), 2);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST(Cli, PathsNamesBothDirectories) {
    test::TempDir dir;
    std::string out;
    EXPECT_EQ(test::runCommand("VERDIKA_DATA_DIR='" + dir.path().string() + "' " + cli() + " paths", &out), 0);
    EXPECT_NE(out.find("data: " + dir.path().string()), std::string::npos) << out;
    EXPECT_NE(out.find("program: "), std::string::npos);
    const auto r = test::runCli("paths", dir.path());
    EXPECT_NE(r.out.find("data: " + dir.path().string()), std::string::npos) << r.out;
}

}  // namespace
}  // namespace verdika
