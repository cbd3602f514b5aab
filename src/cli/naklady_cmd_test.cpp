#include <gtest/gtest.h>

#include <algorithm>

#include "cli_test_support.h"
#include "costs/cost_set.h"

namespace verdika {
namespace {

int naklady(const std::string& args, std::string* out, std::string* err = nullptr) {
    const auto r = test::runCli("naklady " + args);
    if (out) *out = r.out;
    if (err) *err = r.err;
    return r.code;
}

bool hasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(CliNaklady, PrintsTheSummaryAsThePageWritesIt) {
    std::string out, err;
    // A reply to a rejected cassation appeal in 2005: 10 894,37 × 25 % → 2 730 Kč + 75 Kč.
    EXPECT_EQ(naklady("--jistina 42629,10 --datum 1.3.2005 --ukon '1.3.2005:vyjádření k dovolání' "
                      "--zastaveni-odvolani",
                      &out, &err),
              0)
        << err;
    EXPECT_EQ(out.rfind("Náklady řízení dle § 3 odst. 1 vyhlášky č. 484/2000 Sb.\n", 0), 0u) << out;
    EXPECT_TRUE(hasLine(out, "1.3.2005 - vyjádření k dovolání: 75,00 Kč")) << out;
    EXPECT_TRUE(hasLine(out, "Sazba odměny snížena dle § 18/1 - jeden právní úkon.")) << out;
    EXPECT_TRUE(hasLine(out, "Náhrada za zastoupení advokátem dle § 3 odst. 1: 2.730,00 Kč")) << out;
    EXPECT_TRUE(hasLine(out, "Náklady řízení tedy dohromady činí: 2.805,00 Kč")) << out;
}

TEST(CliNaklady, JsonWithVatAndCourtFeeAndASavedSet) {
    test::TempDir dir;
    costs::MonetaryInput in;
    in.principal = "700000";
    in.date = in.vatDate = makeDate(2005, 3, 1);
    in.courtFeeDate = makeDate(2012, 1, 1);
    in.vatPayer = true;
    in.courtFee = true;
    in.acts = {{"1.3.2005", "žaloba"}, {"1.4.2005", "jednání"}};
    costs::saveMonetarySet(dir / "s.vrd", in);
    std::string out, err;
    EXPECT_EQ(naklady("--sestava '" + (dir / "s.vrd").string() + "' --json", &out, &err), 0) << err;
    EXPECT_NE(out.find("\"odmena\":42000"), std::string::npos) << out;
    EXPECT_NE(out.find("\"rezijni_pausaly\":150"), std::string::npos) << out;
    EXPECT_NE(out.find("\"sazba_dph\":19"), std::string::npos) << out;
    EXPECT_NE(out.find("\"dph_celkem\":8008.5"), std::string::npos) << out;  // 19 % of 42 150
    EXPECT_NE(out.find("\"soudni_poplatek\":35000"), std::string::npos) << out;  // 5 % of 700 000 in 2012
}

TEST(CliNaklady, BadInputGivesOneCzechLineAndCodeTwo) {
    const char* cases[] = {
        "",                                          // neither principal nor item
        "--jistina abc",
        "--jistina 1000 --datum 30.2.2005",
        "--jistina 1000 --ukon 1.13.2005:x",
        "--jistina 1000 --vykon --epr",
        "--jistina 1000 --osob 101",
        "--jistina 1000 --datum 1.6.2012",            // no scale for 2012 in the table
        "--jistina 1000 --datum 1.6.2005 --vykon --osob 2",  // no factor for two persons
        "--polozka 23",
        "--polozka 5 --jistina 1000",
        "--polozka 5 --datum 1.1.2005",               // no amount for the item
        "--jistina 1000 --slozita",
        "--jistina 1000 --sestava /nikde/x.vrd",
        "--jistina 1000 navic",
        "--jistina -1000",                            // no negative claim
        "--jistina 1000.5",                           // a dot groups thousands only
        "--polozka 5 --poplatek",                     // a court fee without its item
        "--jistina 1000 --zastaveni --zastaveni-odvolani",
    };
    for (const char* c : cases) {
        std::string out, err;
        EXPECT_EQ(naklady(c, &out, &err), 2) << c << "\n" << out << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c << "\n" << err;
        EXPECT_TRUE(out.empty()) << c;
    }
}

}  // namespace
}  // namespace verdika
