#include "reference/institutions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/files.h"
#include "common/text.h"
#include "test_support.h"

namespace verdika {
namespace {

using Names = std::vector<std::string>;

Names names(const std::vector<Institution>& list) {
    Names out;
    for (const auto& i : list) out.push_back(i.nazev);
    return out;
}

// A few rows whose texts hold the characters a careless query would take as
// SQL or as wildcards.
constexpr std::string_view kFixture = R"sql(
CREATE TABLE soudy (id INTEGER PRIMARY KEY, nazev TEXT NOT NULL, ulice TEXT NOT NULL DEFAULT '',
  psc TEXT NOT NULL DEFAULT '', mesto TEXT NOT NULL DEFAULT '', telefon TEXT NOT NULL DEFAULT '',
  fax TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT '', www TEXT NOT NULL DEFAULT '', nadrazeny_soud);
CREATE TABLE okresni (okres TEXT NOT NULL, id_soudy INTEGER NOT NULL);
INSERT INTO soudy VALUES (1, 'Nejvyšší soud', 'Burešova 20', '657 37', 'Brno', '', '', '', '', NULL);
INSERT INTO soudy VALUES (2, 'Krajský soud v Ústí nad Labem', 'Národního odboje 1274/26', '400 92', 'ÚSTÍ NAD LABEM', '', '', '', '', 1);
INSERT INTO soudy VALUES (3, 'Okresní soud v Ústí nad Labem', 'Na_Příkopě 1', '', 'Ústí nad Labem', '', '', '', '', 2);
INSERT INTO soudy VALUES (4, 'Okresní soud v Děčíně', 'NaXPříkopě 1', '', 'Děčín', '', '', '', '', 2);
INSERT INTO soudy VALUES (5, 'Okresní státní zastupitelství v Děčíně', 'Rue d''Or 100%', '', 'Děčín', '', '', '', '', '');
INSERT INTO soudy VALUES (6, 'Věznice Bělušice', 'Rue dOr 1000', '', 'Bělušice', '', '', '', '', 'x');
INSERT INTO soudy VALUES (7, 'Ústavní soud', 'Joštova 8', '660 83', 'Brno', '', '', '', '', NULL);
INSERT INTO okresni VALUES ('Ústí nad Labem', 3);
INSERT INTO okresni VALUES ('Děčín', 4);
INSERT INTO okresni VALUES ('Ústí nad Labem-město', 3);
)sql";

struct Fixture {
    test::TempDir dir;
    Database db;
    InstitutionDirectory directory;
    explicit Fixture(std::string_view sql = kFixture)
        : db(open(dir / "databaze.db", sql)), directory(db) {}
    static Database open(const std::filesystem::path& file, std::string_view sql) {
        Database::createFromSql(file, sql);
        return Database::open(file);
    }
};

TEST(Institutions, TextSearchMatchesLiterallyExceptBlanks) {
    Fixture f;
    const KindSet none;
    struct Case {
        const char* text;
        SearchField field;
        Names expected;
    } cases[] = {
        {"soud Děčíně", SearchField::Nazev, {"Okresní soud v Děčíně"}},  // words in order, anything between
        {"Děčíně soud", SearchField::Nazev, {}},
        {"ústí", SearchField::Mesto, {"Krajský soud v Ústí nad Labem", "Okresní soud v Ústí nad Labem"}},
        {"ÚSTÍ", SearchField::Nazev, {"Krajský soud v Ústí nad Labem", "Okresní soud v Ústí nad Labem"}},
        {"Na_", SearchField::Ulice, {"Okresní soud v Ústí nad Labem"}},  // "_" is no wildcard
        {"100%", SearchField::Ulice, {"Okresní státní zastupitelství v Děčíně"}},
        {"d'Or", SearchField::Ulice, {"Okresní státní zastupitelství v Děčíně"}},
        {"x') OR 1=1 --", SearchField::Nazev, {}},
        {"657", SearchField::Psc, {"Nejvyšší soud"}},
    };
    for (const auto& c : cases) EXPECT_EQ(names(f.directory.search(c.text, c.field, none)), c.expected) << c.text;
    EXPECT_EQ(f.directory.search("", SearchField::Nazev, none).size(), 7u);
}

TEST(Institutions, KindBoxesNarrowTheSearch) {
    Fixture f;
    KindSet prisons;
    prisons.set(static_cast<size_t>(InstitutionKind::Veznice));
    EXPECT_EQ(names(f.directory.search("", SearchField::Nazev, prisons)), Names{"Věznice Bělušice"});
    KindSet courts;
    courts.set(static_cast<size_t>(InstitutionKind::OkresniSoud));
    courts.set(static_cast<size_t>(InstitutionKind::NejvyssiSoud));
    EXPECT_EQ(names(f.directory.search("", SearchField::Nazev, courts)),
              (Names{"Nejvyšší soud", "Okresní soud v Ústí nad Labem", "Okresní soud v Děčíně"}));
    // Every box ticked lists what fits no box too.
    EXPECT_EQ(names(f.directory.search("Brno", SearchField::Mesto, allKinds())), (Names{"Nejvyšší soud", "Ústavní soud"}));
    KindSet allButPrisons = allKinds();
    allButPrisons.reset(static_cast<size_t>(InstitutionKind::Veznice));
    EXPECT_EQ(names(f.directory.search("Brno", SearchField::Mesto, allButPrisons)), Names{"Nejvyšší soud"});
    // The prosecutor's office of a district is not a district court.
    EXPECT_EQ(names(f.directory.search("Děčín", SearchField::Mesto, allButPrisons)),
              (Names{"Okresní soud v Děčíně", "Okresní státní zastupitelství v Děčíně"}));
}

TEST(Institutions, CompetentAndSuperiorCourt) {
    Fixture f;
    const auto found = f.directory.competentCourt("ÚSTÍ NAD");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].okres, "Ústí nad Labem");
    EXPECT_EQ(found[1].okres, "Ústí nad Labem-město");
    EXPECT_EQ(found[0].nazev, "Okresní soud v Ústí nad Labem");
    EXPECT_TRUE(f.directory.competentCourt("Praha").empty());

    auto up = f.directory.superiorCourt(found[0]);
    ASSERT_TRUE(up);
    EXPECT_EQ(names(*up), Names{"Krajský soud v Ústí nad Labem"});
    EXPECT_EQ(names(*f.directory.superiorCourt(up->front())), Names{"Nejvyšší soud"});
    // No superior court: NULL, an empty text or garbage in a hand-edited file.
    for (std::int64_t id : {1, 5, 6, 7}) {
        const auto row = f.directory.search("", SearchField::Nazev, {});
        const auto it = std::find_if(row.begin(), row.end(), [&](const Institution& i) { return i.id == id; });
        ASSERT_NE(it, row.end());
        EXPECT_FALSE(f.directory.superiorCourt(*it)) << id;
    }
}

TEST(Institutions, ShippedDirectoryLinksDistrictsToCourtsUpToTheSupremeCourt) {
    const auto seed = readFileBytes(test::shippedDir() / "databaze.sql");
    ASSERT_TRUE(seed);
    Fixture f(*seed);
    const auto all = f.directory.sortedByName();
    EXPECT_EQ(all.size(), 249u);
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(compareCzech(all[i - 1].nazev, all[i].nazev), 0) << all[i].nazev;
    const auto usti = f.directory.competentCourt("ústí");
    ASSERT_FALSE(usti.empty());
    for (const auto& c : usti) EXPECT_EQ(foldCase(c.okres).rfind("ústí", 0), 0u) << c.okres;
    // Every court of a municipality reaches the supreme court in a few steps.
    Institution court = f.directory.competentCourt("Kolín").at(0);
    EXPECT_EQ(court.nazev, "Okresní soud v Kolíně");
    Names chain;
    while (auto up = f.directory.superiorCourt(court)) {
        ASSERT_EQ(up->size(), 1u);
        court = up->front();
        chain.push_back(court.nazev);
        ASSERT_LT(chain.size(), 5u);
    }
    EXPECT_EQ(chain, (Names{"Krajský soud v Praze", "Vrchní soud v Praze", "Nejvyšší soud"}));
}

TEST(Institutions, AddressTextsAndMapLinks) {
    Institution i;
    i.nazev = "Okresní soud v Benešově";
    i.ulice = "Masarykovo náměstí 223";
    i.mesto = "Benešov";
    i.email = "podatelna@osoud.bn.justice.cz";
    EXPECT_EQ(addressLines(i), (Names{"Okresní soud v Benešově", "Masarykovo náměstí 223", "Benešov", "",
                                      "telefon: ", "fax: ", "email: podatelna@osoud.bn.justice.cz"}));
    i.psc = "256 01";
    const auto lines = exportLines({i, i});
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[2], "256 01 Benešov");
    EXPECT_EQ(lines[3], "tel: ");
    EXPECT_EQ(lines[7], "");

    EXPECT_EQ(mapUrl("https://maps.example", mapAddress("Spálená 6/2", "Praha 2")),
              "https://maps.example/maps?q=from:Sp%C3%A1len%C3%A1%206/2,%20Praha%202");
    EXPECT_EQ(mapUrl("https://maps.example", mapAddress("", "Brno"), "Polní 39, Brno"),
              "https://maps.example/maps?q=from:Brno%20to:%20Poln%C3%AD%2039,%20Brno");
    // Path and query keep their own sets; "&" could end the query early.
    EXPECT_EQ(encodeMapUrl("http://h/a+b c?q=a+b&c*#[x]\x80"), "http://h/a%2Bb%20c?q=a+b%26c%2A%23%5Bx%5D%80");
}

}  // namespace
}  // namespace verdika
