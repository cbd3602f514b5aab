#include "tariff/saved_calculation.h"

#include <gtest/gtest.h>

#include "common/ini.h"
#include "test_support.h"

namespace verdika::tariff {
namespace {

SavedCalculation sample() {
    SavedCalculation s;
    s.kind = 12;
    s.tariffValue = "0";
    s.vatPayer = true;
    s.lowerOn = true;
    s.raiseText = "0";
    s.lowerText = "12,5";
    s.special = 1;
    s.extraordinary = 0;
    s.acts = {{"1.1.2012", "převzetí a příprava zastoupení", "úkon"},
              {"15.3.2013", "výkon rozhodnutí - vyjádření k návrhu", "půl-úkon"}};
    return s;
}

TEST(SavedCalculation, RoundTripInTheFileLayout) {
    test::TempDir dir;
    const auto file = dir / "případ Novák.vrd";
    saveCalculation(file, sample());
    EXPECT_EQ(loadCalculation(file), sample());

    const IniFile ini = IniFile::load(file);
    EXPECT_EQ(ini.readString("nastaveni", "druh_rizeni"), "12");
    EXPECT_EQ(ini.readString("nastaveni", "dph"), "1");
    EXPECT_EQ(ini.readString("nastaveni", "zvyseni_procento_bool"), "0");
    EXPECT_EQ(ini.readString("nastaveni", "specialni_rizeni"), "1");
    EXPECT_EQ(ini.readString("ukon2", "pu_pul"), "půl-úkon");
    EXPECT_EQ(ini.readString("ukony", "pocet"), "2");
    EXPECT_NE(test::readBytes(file).find("\xfa" "kon"), std::string::npos);  // Windows-1250 on disk
}

TEST(SavedCalculation, OverwritingKeepsOldSectionsButCountsOnlyTheNewActs) {
    test::TempDir dir;
    const auto file = dir / "a.vrd";
    SavedCalculation five = sample();
    five.acts.clear();
    for (int d = 1; d <= 5; ++d) five.acts.push_back({std::to_string(d) + ".2.2020", "úkon", "úkon"});
    saveCalculation(file, five);
    saveCalculation(file, sample());
    EXPECT_TRUE(IniFile::load(file).hasSection("ukon5"));
    EXPECT_EQ(loadCalculation(file).acts, sample().acts);

    // An empty list (the grid's single empty row) writes 0 and loads no acts.
    SavedCalculation none = sample();
    none.acts = {{"", "", ""}};
    saveCalculation(file, none);
    EXPECT_EQ(IniFile::load(file).readString("ukony", "pocet"), "0");
    EXPECT_TRUE(loadCalculation(file).acts.empty());
}

TEST(SavedCalculation, AnyOtherFileLoadsAsDefaults) {
    test::TempDir dir;
    test::writeBytes(dir / "x.vrd", "tohle není sestava\n[ukony]\npocet=abc\n");
    EXPECT_EQ(loadCalculation(dir / "x.vrd"), SavedCalculation{});
    EXPECT_EQ(loadCalculation(dir / "chybí.vrd"), SavedCalculation{});
    // Missing keys of a counted act give empty cells.
    test::writeBytes(dir / "y.vrd", "[ukony]\npocet=1\n");
    EXPECT_EQ(loadCalculation(dir / "y.vrd").acts, (std::vector<ActRow>{{"", "", ""}}));
    // A garbled count gives no more acts than the file has sections.
    test::writeBytes(dir / "z.vrd", "[ukon1]\ndatum=1.3.2024\n[ukony]\npocet=99999999\n");
    EXPECT_EQ(loadCalculation(dir / "z.vrd").acts.size(), 2u);
}

}  // namespace
}  // namespace verdika::tariff
