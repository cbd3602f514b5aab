#include <gtest/gtest.h>

#include <algorithm>

#include "cli_test_support.h"
#include "common/sqlite_db.h"

namespace verdika {
namespace {

std::string run(const test::TempDir& data, const std::string& args, int expectedExit = 0) {
    const auto r = test::runCli("soudy " + args, data.path());
    EXPECT_EQ(r.code, expectedExit) << args << "\n" << r.err;
    return expectedExit == 0 ? r.out : r.err;
}

TEST(SoudyCli, CompetentCourtFromTheShippedSeedBeforeTheFirstRun) {
    test::TempDir data;  // the program has not run: no databaze.db yet
    const std::string court = run(data, "--obec 'KOLÍN'");
    EXPECT_EQ(court.rfind("Obec: Kolín\nOkresní soud v Kolíně\n", 0), 0u) << court;
    EXPECT_NE(run(data, "--obec kolín --nadrizeny").find("Obec: Kolín\nKrajský soud v Praze\n"), std::string::npos);
    const std::string json = run(data, "--obec Kolín --nadrizeny --json");
    EXPECT_NE(json.find("\"nazev\":\"Krajský soud v Praze\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"nadrazeny_soud\":4"), std::string::npos) << json;
    EXPECT_NE(json.find("\"obec\":\"Kolín\""), std::string::npos) << json;
    EXPECT_FALSE(std::filesystem::exists(data / "databaze.db"));  // only read, nothing created
}

TEST(SoudyCli, SearchReadsTheUsersDatabase) {
    test::TempDir data;
    Database::createFromSql(data / "databaze.db",
                            "CREATE TABLE soudy (id INTEGER PRIMARY KEY, nazev TEXT, ulice TEXT, psc TEXT, mesto TEXT,"
                            " telefon TEXT, fax TEXT, email TEXT, www TEXT, nadrazeny_soud INTEGER);"
                            "CREATE TABLE okresni (okres TEXT, id_soudy INTEGER);"
                            "INSERT INTO soudy VALUES (1, 'Okresní soud v Kocourkově', 'Náměstí 1', '123 45',"
                            " 'Kocourkov', '', '', 'podatelna@kocourkov.cz', '', NULL);");
    EXPECT_EQ(run(data, "--hledat 'KOCOUR' --pole mesto"),
              "Okresní soud v Kocourkově\nNáměstí 1\n123 45 Kocourkov\nemail: podatelna@kocourkov.cz\n");
    EXPECT_EQ(run(data, "--hledat 'soud Kocourkově' --json"),
              "[{\"id\":1,\"nazev\":\"Okresní soud v Kocourkově\",\"ulice\":\"Náměstí 1\",\"psc\":\"123 45\","
              "\"mesto\":\"Kocourkov\",\"telefon\":\"\",\"fax\":\"\",\"email\":\"podatelna@kocourkov.cz\",\"www\":\"\","
              "\"nadrazeny_soud\":null}]\n");
    EXPECT_EQ(run(data, "--hledat \"x' OR '1'='1\""), "Zadání neodpovídá žádná instituce.\n");
    EXPECT_EQ(run(data, "--hledat '%' --json"), "[]\n");
}

TEST(SoudyCli, BadArgumentsGiveOneLineAndExitTwo) {
    test::TempDir data;
    for (const char* args : {"", "--hledat soud --obec Kolín", "--hledat soud --pole kraj", "--hledat soud --nadrizeny",
                             "--obec Kolín --pole nazev", "--obec Kolín navic"}) {
        const std::string err = run(data, args, 2);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

}  // namespace
}  // namespace verdika
