#include "common/versioned.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika {
namespace {

TEST(PlatnaNovelizace, PicksTheLatestAmendmentNotAfterTheDate) {
    const auto table = IniFile::parse(
        "[novelizace]\n1=1.1.2011\n2=1.1.2012\n3=1.1.2013\n"
        "[5]\n1.1.2011=100\n"
        "[6]\n1.1.2011=100\n1.1.2013=200\n"
        "[7]\n1.1.2012=\n");
    struct Case {
        int item;
        const char* date;
        const char* version;
    } cases[] = {
        {0, "31.12.2012", "1.1.2012"},
        {0, "1.1.2013", "1.1.2013"},  // the amendment's own day belongs to it
        {0, "1.1.2000", "1.1.2011"},  // before the first line: the base version
        {0, "10.12.2026", "1.1.2013"},
        {5, "15.6.2013", "1.1.2011"},  // item 5 never changed after the base
        {6, "15.6.2013", "1.1.2013"},
        {6, "31.12.2012", "1.1.2011"},
        {7, "15.6.2013", "1.1.2011"},  // an empty value is no change
        {9, "15.6.2013", "1.1.2011"},  // no section at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(Platna_Novelizace(table, c.item, parseDate(c.date)), c.version) << c.item << " " << c.date;
}

TEST(PlatnaNovelizace, MissingTableOrDatesIsAClearError) {
    test::TempDir dir;
    for (const char* content : {static_cast<const char*>(nullptr), "", "[novelizace]\n", "[jine]\nx=1\n"}) {
        const auto file = dir / "za_ukon.ini";
        std::filesystem::remove(file);
        if (content) test::writeBytes(file, content);
        try {
            Platna_Novelizace(file, 0, parseDate("1.1.2020"));
            FAIL() << (content ? content : "(missing)");
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find("za_ukon.ini"), std::string::npos) << e.what();
        }
    }
    const auto bad = IniFile::parse("[novelizace]\n1=1.1.2011\n2=zítra\n", "x.ini");
    EXPECT_THROW(Platna_Novelizace(bad, 0, parseDate("1.1.2020")), DataError);
}

}  // namespace
}  // namespace verdika
