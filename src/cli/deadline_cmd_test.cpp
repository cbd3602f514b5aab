#include <gtest/gtest.h>

#include "app/startup.h"
#include "common/files.h"
#include "deadlines/task_store.h"
#include "cli_test_support.h"

namespace verdika {
namespace {

std::string run(const std::string& args, int expectedExit = 0, const test::fs::path& dataDir = {}) {
    const auto r = dataDir.empty() ? test::runCli(args) : test::runCli(args, dataDir);
    EXPECT_EQ(r.code, expectedExit) << args << "\n" << r.err;
    return expectedExit == 0 ? r.out : r.err;
}

TEST(DeadlineCli, EndEnforceabilityAndAppealAid) {
    EXPECT_EQ(run("lhuta --od 1.3.2013 --pocet 15 --vykonatelnost 4"),
              "Konec lhůty: 18.3.2013, pondělí\n"
              "  16.3.2013: vyšlo to na sobotu\n"
              "Případná vykonatelnost: 25.3.2013, pondělí\n"
              "  23.3.2013: vyšlo to na sobotu\n");
    EXPECT_EQ(run("lhuta --od 31.1.2013 --pocet 1 --typ mesice"),
              "Konec lhůty: 28.2.2013, čtvrtek\nPřípadná vykonatelnost: 4.3.2013, pondělí\n");
    EXPECT_NE(run("lhuta --od 3.5.2012 --pocet 15 --staveni 10.5.2012:20.5.2012").find("Konec lhůty: 28.5.2012"),
              std::string::npos);
    const std::string aid = run("odpor --ulozeno 2.1.2013");
    EXPECT_NE(aid.find("doručeno: 14.1.2013, pondělí\n+15dnů: 29.1.2013, úterý\n"), std::string::npos) << aid;
    EXPECT_NE(aid.find("v právní moci:\t30.1.2013, středa\n-------------\n"), std::string::npos) << aid;
    EXPECT_NE(run("odpor --ulozeno 2.1.2013 --lhuta 8").find("+8dnů: 22.1.2013"), std::string::npos);
    EXPECT_EQ(run("rozdil 1.1.2012 1.1.2013"), "Rozdíl dat je celkem 366, což je 1 roků a 1 dnů.\n");
}

TEST(DeadlineCli, HolidaysOfAYear) {
    const std::string y2016 = run("svatky --rok 2016");
    EXPECT_EQ(y2016.substr(0, y2016.find('\n', y2016.find('\n', y2016.find('\n') + 1) + 1) + 1),
              "1.1.2016 Nový rok\n25.3.2016 Velký pátek (ostatní svátek)\n28.3.2016 Velikonoční pondělí\n");
    EXPECT_EQ(std::count(y2016.begin(), y2016.end(), '\n'), 13);
    EXPECT_EQ(run("svatky --rok 2015").find("Velký pátek"), std::string::npos);
}

TEST(DeadlineCli, BadArgumentsGiveOneLineAndExitTwo) {
    for (const char* args : {"lhuta --od 1.3.2013", "lhuta --od 31.2.2013 --pocet 3", "lhuta --od 1.3.2013 --pocet x",
                             "lhuta --od 1.3.2013 --pocet 3 --typ tydny", "lhuta --od 1.3.2013 --pocet 99999999",
                             "lhuta --od 1.3.2013 --pocet 3 --staveni 1.5.2013", "odpor --ulozeno 2.1.2013 --lhuta 10",
                             "odpor", "svatky --rok 1200", "svatky", "rozdil 1.1.2012", "rozdil 1.1.2012 x",
                             "ukoly --bogus"}) {
        const std::string err = run(args, 2);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

TEST(DeadlineCli, TasksOfTheDataDirectory) {
    test::TempDir home;
    const auto dir = home / "Verdika";  // a data directory not made yet
    EXPECT_EQ(run("ukoly", 0, dir), "Datum\tSplněno\tDny do\tNázev\tPoznámka\n");
    EXPECT_TRUE(std::filesystem::exists(dir / kTasksDatabase));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "PDF"));
    {
        TaskStore store = TaskStore::open(dir / kTasksDatabase);
        const Date t = today();
        store.insert(Task{0, DateTime{t + std::chrono::days(5), 9 * 3600 + 30 * 60}, "Odvolání", "řádek 1\nřádek 2",
                          false, 0});
        store.insert(Task{0, DateTime{t + std::chrono::days(2), 0}, "Hotovo", "", true, 0});
        store.insert(Task{0, DateTime{t - std::chrono::days(30), 0}, "Staré", "", false, 0});
    }
    const std::string open = run("ukoly", 0, dir);
    EXPECT_EQ(std::count(open.begin(), open.end(), '\n'), 2) << open;
    EXPECT_NE(open.find(formatDate(today() + std::chrono::days(5)) + " 9:30\tNE\t"), std::string::npos) << open;
    EXPECT_NE(open.find("\tOdvolání\třádek 1 řádek 2\n"), std::string::npos) << open;
    const std::string all = run("ukoly --vse", 0, dir);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 4) << all;
    EXPECT_NE(all.find("\tANO\t"), std::string::npos);
    // JSON keeps the note's line break and gives the time apart from the date.
    const auto json = nlohmann::json::parse(run("ukoly --json", 0, dir));
    ASSERT_EQ(json.size(), 1u) << json;
    EXPECT_EQ(json[0]["datum"], formatDate(today() + std::chrono::days(5)));
    EXPECT_EQ(json[0]["cas"], "9:30");
    EXPECT_EQ(json[0]["poznamka"], "řádek 1\nřádek 2");
    EXPECT_EQ(json[0]["splneno"], false);
}

}  // namespace
}  // namespace verdika
