#include "reference/regulations.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika {
namespace {

TEST(Regulations, DatedFileFollowsTheTableVersion) {
    test::TempDir dir;
    test::writeBytes(dir / "za_ukon.ini", "[novelizace]\n1=1.7.1996\n2=1.9.2006\n");
    EXPECT_EQ(datedRegulationFile(dir.path(), "177_1996_", "za_ukon.ini", parseDate("31.8.2006")).filename(),
              "177_1996_1.7.1996.vrd");
    EXPECT_EQ(datedRegulationFile(dir.path(), "177_1996_", "za_ukon.ini", parseDate("1.9.2006")).filename(),
              "177_1996_1.9.2006.vrd");
}

TEST(Regulations, DataDirectoryCopyWinsOverTheShippedOne) {
    test::TempDir dir;
    AppPaths p{dir / "program", dir / "data"};
    test::writeBytes(p.programDir / "soudni_p.vrd", "shipped");
    EXPECT_EQ(regulationFile(p, "soudni_p.vrd"), p.programDir / "soudni_p.vrd");
    test::writeBytes(p.dataDir / "soudni_p.vrd", "downloaded");
    EXPECT_EQ(regulationFile(p, "soudni_p.vrd"), p.dataDir / "soudni_p.vrd");
}

TEST(RegulationSearch, ContinuesAfterEachMatchAndRestartsAfterReset) {
    const std::u16string text = u"soud a SOUD a soud";
    RegulationSearch s;
    EXPECT_EQ(s.find(text, u"soud", true), 0u);
    EXPECT_EQ(s.find(text, u"soud", true), 14u);  // the second occurrence
    EXPECT_EQ(s.find(text, u"soud", true), std::u16string::npos);
    EXPECT_EQ(s.position(), 15u);                 // kept after a miss
    s.reset();
    EXPECT_EQ(s.find(text, u"SOUD", false), 0u);  // a–z fold: every "soud"
    EXPECT_EQ(s.find(text, u"SOUD", false), 7u);
    RegulationSearch accents;
    EXPECT_EQ(accents.find(u"Část ČÁST", u"ČÁST", false), 5u);  // accented capitals only match capitals
    RegulationSearch overlap;
    EXPECT_EQ(overlap.find(u"aaaa", u"aa", true), 0u);
    EXPECT_EQ(overlap.find(u"aaaa", u"aa", true), 2u);  // one starting on the match's last letter is skipped
}

}  // namespace
}  // namespace verdika
