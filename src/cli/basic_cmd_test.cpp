#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika {
namespace {

std::string cli() { return std::string("'") + VERDIKA_CLI_PATH + "'"; }

TEST(Cli, HelpListsTheSubcommandsAndBadInputExitsWithTwo) {
    std::string out, err;
    EXPECT_EQ(test::runCommand(cli() + " --help", &out), 0);
    EXPECT_NE(out.find("version"), std::string::npos);
    EXPECT_NE(out.find("paths"), std::string::npos);
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
}

}  // namespace
}  // namespace verdika
