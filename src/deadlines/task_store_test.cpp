#include "deadlines/task_store.h"

#include <gtest/gtest.h>

#include <set>

#include "app/startup.h"
#include "common/errors.h"
#include "common/sqlite_db.h"
#include "common/files.h"
#include "test_support.h"

namespace verdika {
namespace {

DateTime at(const char* date, int hour, int minute = 0) { return DateTime{parseDate(date), hour * 3600 + minute * 60}; }

std::set<std::string> names(const std::vector<Task>& tasks) {
    std::set<std::string> s;
    for (const auto& t : tasks) s.insert(t.nazev);
    return s;
}

struct Store {
    test::TempDir dir;
    TaskStore store = make();
    TaskStore make() {
        // The shipped seed, as start-up creates the database from it.
        auto seed = readFileBytes(test::shippedDir() / kTasksSeed);
        EXPECT_TRUE(seed);
        Database::createFromSql(dir / "lhuty.db", seed ? *seed : "");
        return TaskStore::open(dir / "lhuty.db");
    }
    void add(const char* name, const char* date, bool done = false) {
        store.insert(Task{0, at(date, 0), name, "", done, 0});
    }
};

TEST(TaskStore, ViewsAroundMidnightFollowTheDayRounding) {
    Store s;
    s.add("vcera", "9.12.2026");
    s.add("dnes", "10.12.2026");
    s.add("za2", "12.12.2026");
    s.add("za3", "13.12.2026");
    s.add("hotovo", "11.12.2026", true);

    struct Case {
        DateTime now;
        std::set<std::string> approaching, open, overdue;
    } cases[] = {
        // At midnight today's task is 0 days away; yesterday's is past.
        {at("10.12.2026", 0), {"dnes", "za2"}, {"vcera", "dnes", "za2", "za3"}, {"vcera"}},
        // In the morning "round(now - 1)" is still yesterday.
        {at("10.12.2026", 10), {"dnes", "za2"}, {"vcera", "dnes", "za2", "za3"}, {"vcera"}},
        // At noon sharp the differences are exact halves and round to even:
        // today's task is 0 days away (-0,5), the one in three days 2 (2,5),
        // and "round(now - 1)" (day number 46365,5) is already today.
        {at("10.12.2026", 12), {"dnes", "za2", "za3"}, {"dnes", "za2", "za3"}, {"vcera", "dnes"}},
        // Late in the evening today's task rounds to a day ago: overdue, and
        // no longer approaching; yesterday's has left the open view.
        {at("10.12.2026", 23, 30), {"za2", "za3"}, {"dnes", "za2", "za3"}, {"vcera", "dnes"}},
    };
    for (const auto& c : cases) {
        const std::string when = formatDate(c.now.date) + " " + formatTime(c.now.seconds);
        EXPECT_EQ(names(s.store.approaching(c.now, 3)), c.approaching) << when;
        EXPECT_EQ(names(s.store.openTasks(c.now, false)), c.open) << when;
        EXPECT_EQ(names(s.store.overdue(c.now)), c.overdue) << when;
    }
    EXPECT_EQ(names(s.store.openTasks(at("10.12.2026", 10), true)),
              (std::set<std::string>{"vcera", "dnes", "za2", "za3", "hotovo"}));
}

TEST(TaskStore, RemainingDaysAndTheLatestFirst) {
    Store s;
    s.add("vcera", "9.12.2026");
    s.add("za2", "12.12.2026");
    const DateTime now = at("10.12.2026", 10);
    auto approaching = s.store.approaching(now, 3);
    ASSERT_EQ(approaching.size(), 1u);
    EXPECT_DOUBLE_EQ(approaching[0].zbyvajici, 3);  // round(2.58 + 1)
    auto open = s.store.openTasks(now, false);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].nazev, "za2");               // ORDER BY date, latest first
    EXPECT_DOUBLE_EQ(open[0].zbyvajici, 3);        // round(1.58) + 1
    auto overdue = s.store.overdue(now);
    ASSERT_EQ(overdue.size(), 1u);
    EXPECT_DOUBLE_EQ(overdue[0].zbyvajici, 0);     // |round(-1.42) + 1|
    // A wider warning window reaches further.
    s.add("za9", "19.12.2026");
    EXPECT_EQ(names(s.store.approaching(now, 10)), (std::set<std::string>{"za2", "za9"}));
}

TEST(TaskStore, EditsAreStoredAndTooLongTextIsRefused) {
    Store s;
    auto id = s.store.insert(Task{0, at("1.2.2027", 9, 30), "Odvolání", "poznámka", false, 0});
    auto t = s.store.find(id);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->datum, at("1.2.2027", 9, 30));
    EXPECT_FALSE(t->splneno);
    t->splneno = true;
    s.store.update(*t);
    EXPECT_TRUE(s.store.find(id)->splneno);
    EXPECT_TRUE(s.store.openTasks(at("1.2.2027", 8), false).empty());
    EXPECT_THROW(s.store.insert(Task{0, at("1.2.2027", 0), std::string(256, 'x'), "", false, 0}), IoError);
    s.store.remove(id);
    EXPECT_FALSE(s.store.find(id));
}

}  // namespace
}  // namespace verdika
