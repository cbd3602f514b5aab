#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika {
namespace {

std::string cli(const test::TempDir& data) {
    return "VERDIKA_DATA_DIR='" + data.path().string() + "' '" + VERDIKA_CLI_PATH + "' sjm ";
}

TEST(SjmCli, ProvidesTheDataDirectoryCopyOrWritesANamedFile) {
    test::TempDir data;
    std::string out, err;
    ASSERT_EQ(test::runCommand(cli(data), &out, &err), 0) << err;
    EXPECT_EQ(out, (data / "sjm_vypocet.xlsx").string() + "\n");
    EXPECT_EQ(test::readBytes(data / "sjm_vypocet.xlsx"), test::readBytes(test::shippedDir() / "sjm_vypocet.xlsx"));

    const auto named = data / "případ Novák.xlsx";
    ASSERT_EQ(test::runCommand(cli(data) + "--soubor '" + named.string() + "' --json", &out, &err), 0) << err;
    EXPECT_NE(out.find("\"soubor\":"), std::string::npos) << out;
    EXPECT_NE(test::zipMember(named, "xl/workbook.xml").find("Výsledek"), std::string::npos);
    EXPECT_EQ(test::runCommand(cli(data) + "--soubor '" + (data / "chybí" / "x.xlsx").string() + "'", &out, &err), 1);
    EXPECT_NE(err.find("nelze"), std::string::npos) << err;
}

}  // namespace
}  // namespace verdika
