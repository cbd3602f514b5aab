#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace verdika {
namespace {

test::CliResult sjm(const test::TempDir& data, const std::string& args = "") {
    return test::runCli("sjm " + args, data.path());
}

TEST(SjmCli, ProvidesTheDataDirectoryCopyOrWritesANamedFile) {
    test::TempDir data;
    auto r = sjm(data);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, (data / "sjm_vypocet.xlsx").string() + "\n");
    EXPECT_EQ(test::readBytes(data / "sjm_vypocet.xlsx"), test::readBytes(test::shippedDir() / "sjm_vypocet.xlsx"));

    const auto named = data / "případ Novák.xlsx";
    r = sjm(data, "--soubor '" + named.string() + "' --json");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"soubor\":"), std::string::npos) << r.out;
    EXPECT_NE(test::zipMember(named, "xl/workbook.xml").find("Výsledek"), std::string::npos);
    r = sjm(data, "--soubor '" + (data / "chybí" / "x.xlsx").string() + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("nelze"), std::string::npos) << r.err;
}

TEST(SjmCli, NeverReplacesAnExistingFile) {
    test::TempDir data;
    const auto filled = data / "případ.xlsx";
    test::writeBytes(filled, "vyplněný případ");
    const auto r = sjm(data, "--soubor '" + filled.string() + "'");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.oneLineError()) << r.err;
    EXPECT_EQ(test::readBytes(filled), "vyplněný případ");
}

}  // namespace
}  // namespace verdika
