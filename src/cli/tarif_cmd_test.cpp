#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "tariff/saved_calculation.h"

namespace verdika {
namespace {

std::string tarif(const std::string& args, std::string* out, std::string* err = nullptr, int* rc = nullptr) {
    const auto r = test::runCli("tarif " + args);
    *out = r.out;
    if (err) *err = r.err;
    if (rc) *rc = r.code;
    return *out;
}

size_t lineOf(const std::string& text, const std::string& line) { return text.find("\n" + line + "\n"); }

TEST(CliTarif, PrintsTheSummaryOfTheCalculation) {
    std::string out;
    int rc = -1;
    tarif("--hodnota 200000 --dph --ukon '1.3.2013:úkon:odvolání' --ukon 1.1.2013:pul-ukon", &out, nullptr, &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(out.rfind("Mimosmluvní odměna advokáta podle vyhl. č. 177/1996 Sb.\nPeněžité plnění\n", 0), 0u) << out;
    EXPECT_NE(lineOf(out, "1.1.2013: půlúkon"), std::string::npos) << out;
    EXPECT_NE(lineOf(out, "Odměna: 4.550,00 Kč, režijní paušál 300,00 Kč"), std::string::npos) << out;
    EXPECT_NE(lineOf(out, "Odměna celkem: 17.242,50 Kč"), std::string::npos) << out;
    EXPECT_LT(lineOf(out, "1.1.2013: půlúkon"), lineOf(out, "1.3.2013: odvolání"));  // sorted by date
}

TEST(CliTarif, JsonAndOptions) {
    std::string out;
    int rc = -1;
    // Kind 15 on 31.12.2024: 10 000 Kč, 1 500 Kč per act; ex offo −20 % and three persons.
    tarif("--druh 15 --ukon 31.12.2024:úkon --ex-offo --osob 3 --procento=-10 --json", &out, nullptr, &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("\"odmena\":2592"), std::string::npos) << out;  // 1 500 × 0,8 × 0,8 × 3 × 0,9
    EXPECT_NE(out.find("\"tarifni_zaklad\":10000"), std::string::npos) << out;
    EXPECT_NE(out.find("\"zneni_sazby\":\"8.12.2021\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"rezijni_pausal\":300"), std::string::npos) << out;
    EXPECT_NE(out.find("\"celkem\":2892"), std::string::npos) << out;
}

TEST(CliTarif, FromASavedCalculation) {
    test::TempDir dir;
    tariff::TariffForm s;
    s.tariffValue = "20000";
    s.par14b = true;
    s.acts = {{"30.6.2014", "návrh na zahájení řízení (§ 14b)", "úkon"}};
    tariff::saveCalculation(dir / "s.vrd", s);
    std::string out, err;
    int rc = -1;
    tarif("--sestava '" + (dir / "s.vrd").string() + "'", &out, &err, &rc);
    EXPECT_EQ(rc, 0) << err;
    EXPECT_NE(err.find("Bylo odstraněno zatržení § 14b"), std::string::npos) << err;
    EXPECT_NE(lineOf(out, "Odměna za všechny PÚ činí: 1.900,00 Kč"), std::string::npos) << out;
}

TEST(CliTarif, BadArgumentsGiveOneCzechLineAndCodeTwo) {
    const char* cases[] = {
        "--ukon 1.1.2020:úkon",                    // no tariff value for kind 0
        "--hodnota abc",                           // not a number
        "--hodnota 1000 --ukon 31.2.2020:úkon",    // no such day
        "--hodnota 1000 --ukon 1.1.2020:hodina",   // unknown act kind
        "--hodnota 1000 --druh 35",                // no such kind
        "--druh 12 --ukon 1.1.2020:úkon",          // the table holds a note for this kind
        "--hodnota 1000 --polovina --trojnasobek",
        "--hodnota 1000 --ex-offo --14b",
        "--hodnota 1000 --procento -150",
        "--hodnota 1000 --sestava /nikde/x.vrd",
        "--hodnota 1000 navic",
    };
    for (const char* c : cases) {
        std::string out, err;
        int rc = -1;
        tarif(c, &out, &err, &rc);
        EXPECT_EQ(rc, 2) << c << "\n" << out << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c << "\n" << err;
        EXPECT_TRUE(out.empty()) << c;
    }
}

}  // namespace
}  // namespace verdika
