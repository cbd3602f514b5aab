#include "tariff/saved_calculation.h"

#include <gtest/gtest.h>

#include "common/ini.h"
#include "test_support.h"

namespace verdika::tariff {
namespace {

TariffForm sample() {
    TariffForm s;
    s.kind = 12;
    s.tariffValue = "0";
    s.vatPayer = true;
    s.adjustment = FeeAdjustment::Lower;
    s.raiseText = "0";
    s.lowerText = "12,5";
    s.appointment = Appointment::Representative;
    s.scaling = Scaling::Triple;
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
    TariffForm five = sample();
    five.acts.clear();
    for (int d = 1; d <= 5; ++d) five.acts.push_back({std::to_string(d) + ".2.2020", "úkon", "úkon"});
    saveCalculation(file, five);
    saveCalculation(file, sample());
    EXPECT_TRUE(IniFile::load(file).hasSection("ukon5"));
    EXPECT_EQ(loadCalculation(file).acts, sample().acts);

    // An empty list (the grid's single empty row) writes 0 and loads no acts.
    TariffForm none = sample();
    none.acts = {{"", "", ""}};
    saveCalculation(file, none);
    EXPECT_EQ(IniFile::load(file).readString("ukony", "pocet"), "0");
    EXPECT_TRUE(loadCalculation(file).acts.empty());
}

// Files of every version store the kind and the options as item numbers.
TEST(SavedCalculation, ItemNumbersReadAsTheOptionsAndAreWrittenBack) {
    struct Case {
        const char* settings;
        std::optional<int> kind;
        Scaling scaling;
        Appointment appointment;
        FeeAdjustment adjustment;
        bool par14b;
    } cases[] = {
        {"druh_rizeni=-1", std::nullopt, Scaling::None, Appointment::None, FeeAdjustment::None, false},
        {"druh_rizeni=35", std::nullopt, Scaling::None, Appointment::None, FeeAdjustment::None, false},
        {"druh_rizeni=34\nmimoradne_zvyseni=1\nspecialni_rizeni=2", 34, Scaling::Halve, Appointment::ChildsGuardian,
         FeeAdjustment::None, false},
        {"mimoradne_zvyseni=0\nspecialni_rizeni=0\nzvyseni_procento_bool=1", 0, Scaling::Triple,
         Appointment::ExOfficioDefence, FeeAdjustment::Raise, false},
        {"mimoradne_zvyseni=2\nspecialni_rizeni=3", 0, Scaling::None, Appointment::None, FeeAdjustment::None, false},
        // Both of a pair set: the later one, as the page sets them in turn.
        {"zvyseni_procento_bool=1\nsnizeni_procento_bool=1", 0, Scaling::None, Appointment::None,
         FeeAdjustment::Lower, false},
        {"specialni_rizeni=1\nformularova_zaloba=1", 0, Scaling::None, Appointment::None, FeeAdjustment::None, true},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        const auto file = dir / "stara.vrd";
        test::writeBytes(file, std::string("[nastaveni]\n") + c.settings + "\n");
        const TariffForm f = loadCalculation(file);
        EXPECT_EQ(f.kind, c.kind);
        EXPECT_EQ(f.scaling, c.scaling);
        EXPECT_EQ(f.appointment, c.appointment);
        EXPECT_EQ(f.adjustment, c.adjustment);
        EXPECT_EQ(f.par14b, c.par14b);
        // Saved again, the file holds the numbers older versions read.
        saveCalculation(file, f);
        const IniFile ini = IniFile::load(file);
        EXPECT_EQ(loadCalculation(file), f);
        EXPECT_EQ(ini.readInteger("nastaveni", "druh_rizeni", 99), c.kind.value_or(-1));
        EXPECT_EQ(ini.readBool("nastaveni", "zvyseni_procento_bool", true), c.adjustment == FeeAdjustment::Raise);
        EXPECT_EQ(ini.readBool("nastaveni", "snizeni_procento_bool", true), c.adjustment == FeeAdjustment::Lower);
    }
    const std::pair<Scaling, int> scalings[] = {{Scaling::None, -1}, {Scaling::Triple, 0}, {Scaling::Halve, 1}};
    for (const auto& [scaling, item] : scalings) {
        TariffForm f;
        f.scaling = scaling;
        saveCalculation(dir / "s.vrd", f);
        EXPECT_EQ(IniFile::load(dir / "s.vrd").readInteger("nastaveni", "mimoradne_zvyseni", 99), item);
    }
    const std::pair<Appointment, int> appointments[] = {{Appointment::None, -1},
                                                        {Appointment::ExOfficioDefence, 0},
                                                        {Appointment::Representative, 1},
                                                        {Appointment::ChildsGuardian, 2}};
    for (const auto& [appointment, item] : appointments) {
        TariffForm f;
        f.appointment = appointment;
        saveCalculation(dir / "a.vrd", f);
        EXPECT_EQ(IniFile::load(dir / "a.vrd").readInteger("nastaveni", "specialni_rizeni", 99), item);
    }
}

TEST(SavedCalculation, AnyOtherFileLoadsAsDefaults) {
    test::TempDir dir;
    test::writeBytes(dir / "x.vrd", "tohle není sestava\n[ukony]\npocet=abc\n");
    EXPECT_EQ(loadCalculation(dir / "x.vrd"), TariffForm{});
    EXPECT_EQ(loadCalculation(dir / "chybí.vrd"), TariffForm{});
    // Missing keys of a counted act give empty cells.
    test::writeBytes(dir / "y.vrd", "[ukony]\npocet=1\n");
    EXPECT_EQ(loadCalculation(dir / "y.vrd").acts, (std::vector<ActRow>{{"", "", ""}}));
    // A garbled count gives no more acts than the file has sections.
    test::writeBytes(dir / "z.vrd", "[ukon1]\ndatum=1.3.2024\n[ukony]\npocet=99999999\n");
    EXPECT_EQ(loadCalculation(dir / "z.vrd").acts.size(), 2u);
}

}  // namespace
}  // namespace verdika::tariff
