#include "travel/distances.h"

#include <gtest/gtest.h>

#include <set>

#include "common/errors.h"
#include "common/files.h"
#include "test_support.h"

namespace verdika::travel {
namespace {

std::string messageOf(const std::vector<std::string>& lines, std::string_view from, std::string_view to) {
    try {
        findDistance(lines, from, to);
    } catch (const DataError& e) {
        return e.what();
    }
    return "(found)";
}

TEST(TravelDistances, FirstLineWithBothTownsInEitherOrder) {
    const std::vector<std::string> lines = {"Brno;Praha;205", "Praha;Brno;999", "Kolín;Kolínec;12", "Praha;Kolín;63",
                                            "Aš;Cheb;20"};
    EXPECT_EQ(findDistance(lines, "Brno", "Praha"), 205);
    EXPECT_EQ(findDistance(lines, "Praha", "Brno"), 205);  // a line serves both directions
    // A plain substring test: "Kolín" also matches "Kolínec", and the first match wins.
    EXPECT_EQ(findDistance(lines, "Kolín", "Kolínec"), 12);
    EXPECT_EQ(findDistance(lines, "Kolínec", "Kolín"), 12);
    EXPECT_EQ(findDistance(lines, "Kolín", "Praha"), 63);
    EXPECT_EQ(findDistance(lines, "Cheb", "Aš"), 20);
    // Only three characters after the second ";" are the distance.
    EXPECT_EQ(findDistance({"A;B;1234"}, "A", "B"), 123);
}

TEST(TravelDistances, NoLineNoSelectionOrABadFigureIsAMessage) {
    const std::vector<std::string> lines = {"Brno;Praha;205", "Brno;Zlín;km"};
    EXPECT_NE(messageOf(lines, "Brno", "Ostrava").find("není"), std::string::npos);
    EXPECT_NE(messageOf(lines, "", "Praha").find("Vyberte"), std::string::npos);
    EXPECT_NE(messageOf(lines, "Brno", "Brno").find("stejné"), std::string::npos);
    EXPECT_NE(messageOf(lines, "Brno", "Zlín").find("neplatný"), std::string::npos);
    EXPECT_NE(messageOf({}, "Brno", "Praha").find("není"), std::string::npos);
    test::TempDir dir;
    EXPECT_THROW(lookupDistance(dir / "vzdal.vrd", "Brno", "Praha"), DataError);
}

TEST(TravelDistances, DataDirectoryCopyBeforeTheShippedOne) {
    test::TempDir dir;
    const AppPaths paths{test::shippedDir(), dir.path()};
    EXPECT_EQ(distanceTableFile(paths), test::shippedDir() / "vzdal.vrd");
    test::writeCp1250(dir / "vzdal.vrd", "Brno;Praha;205\n");
    EXPECT_EQ(distanceTableFile(paths), dir / "vzdal.vrd");
    EXPECT_EQ(lookupDistance(distanceTableFile(paths), "Praha", "Brno"), 205);
}

// The shipped table: every pair of different towns has its own line, so
// the first match is the pair itself, whichever order the lists give.
TEST(ShippedDistances, EveryPairOnceWithAPlausibleDistance) {
    const auto text = readTextFile(test::shippedDir() / "vzdal.vrd");
    ASSERT_TRUE(text);
    const auto lines = splitLines(*text);
    EXPECT_EQ(lines.size(), 47u * 46u / 2u);
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (size_t i = 0; i < kTowns.size(); ++i) {
        for (size_t j = 0; j < kTowns.size(); ++j) {
            if (i == j) continue;
            const int km = findDistance(lines, kTowns[i], kTowns[j]);
            EXPECT_GE(km, 10) << kTowns[i] << " " << kTowns[j];
            EXPECT_LE(km, 600) << kTowns[i] << " " << kTowns[j];
            EXPECT_EQ(km, findDistance(lines, kTowns[j], kTowns[i]));
        }
    }
    for (const auto& line : lines) {
        const auto first = line.find(';'), second = line.find(';', first + 1);
        const auto a = std::string_view(line).substr(0, first);
        const auto b = std::string_view(line).substr(first + 1, second - first - 1);
        EXPECT_TRUE(seen.insert(std::minmax(a, b)).second) << line;
    }
    EXPECT_EQ(lookupDistance(test::shippedDir() / "vzdal.vrd", "Teplice", "Ústí nad Labem"), 19);
}

}  // namespace
}  // namespace verdika::travel
