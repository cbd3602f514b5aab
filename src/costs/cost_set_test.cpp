#include "costs/cost_set.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::costs {
namespace {

TEST(CostSet, MonetaryRoundTripWithoutGaps) {
    test::TempDir dir;
    MonetaryInput in;
    in.principal = "42629,1";
    in.date = makeDate(2005, 6, 28);
    in.vatPayer = true;
    in.vatDate = makeDate(2005, 7, 1);
    in.persons = 3;
    in.courtFee = false;
    in.courtFeeDate = makeDate(2005, 1, 2);
    in.proceedings = Proceedings::ElectronicPaymentOrder;
    in.dismissal = Dismissal::Claim;
    in.acts = {{"1.2.2005", "žaloba"}, {"", ""}, {"3.4.2005", "odvolání"}};
    saveMonetarySet(dir / "s.vrd", in);

    const std::string text = test::readBytes(dir / "s.vrd");
    EXPECT_NE(text.find("[ukon2]\r\ndatum=3.4.2005"), std::string::npos) << text;  // numbered without the gap
    EXPECT_NE(text.find("pocet=2"), std::string::npos);

    const MonetaryInput back = loadMonetarySet(dir / "s.vrd");
    EXPECT_EQ(back.principal, in.principal);
    EXPECT_EQ(back.date, in.date);
    EXPECT_EQ(back.vatDate, in.vatDate);
    EXPECT_EQ(back.courtFeeDate, in.courtFeeDate);
    EXPECT_TRUE(back.vatPayer);
    EXPECT_FALSE(back.courtFee);
    EXPECT_EQ(back.persons, 3);
    EXPECT_EQ(back.proceedings, Proceedings::ElectronicPaymentOrder);
    EXPECT_EQ(back.dismissal, Dismissal::Claim);
    EXPECT_EQ(back.acts, (std::vector<ActRow>{{"1.2.2005", "žaloba"}, {"3.4.2005", "odvolání"}}));
}

TEST(CostSet, NonMonetaryRoundTrip) {
    test::TempDir dir;
    NonMonetaryInput in;
    in.item = 17;
    in.courtFeeItem = 5;
    in.date = in.vatDate = in.courtFeeDate = makeDate(2008, 1, 1);
    in.complex = true;
    in.dismissal = Dismissal::Appeal;
    saveNonMonetarySet(dir / "n.vrd", in);
    const NonMonetaryInput back = loadNonMonetarySet(dir / "n.vrd");
    EXPECT_EQ(back.item, 17);
    EXPECT_EQ(back.courtFeeItem, 5);
    EXPECT_TRUE(back.complex);
    EXPECT_EQ(back.dismissal, Dismissal::Appeal);
    EXPECT_TRUE(back.acts.empty());  // "pocet" 0: the page keeps its list
}

TEST(CostSet, ABadFileIsRefusedWhole) {
    test::TempDir dir;
    const std::string good = "[nastaveni]\nucinnost=1.1.2005\ndatum_dph=1.1.2005\ndatum_poplatek=1.1.2005\n";
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"no date", "[nastaveni]\njistina=5\n"},
        {"bad date", "[nastaveni]\nucinnost=1.1.2005\ndatum_dph=32.1.2005\ndatum_poplatek=1.1.2005\n"},
        {"persons", good + "pocet_osob=abc\n"},
        {"too many persons", good + "pocet_osob=1000\n"},
    };
    for (const Case& c : cases) {
        test::writeCp1250(dir / "x.vrd", c.text);
        EXPECT_THROW(loadMonetarySet(dir / "x.vrd"), ConversionError) << c.name;
    }
    EXPECT_THROW(loadMonetarySet(dir / "missing.vrd"), IoError);

    // Odd choices read as none; a garbled count reads no more acts than the file has sections.
    test::writeCp1250(dir / "y.vrd", good + "vykon_platebni=7\n[ukony]\npocet=2000000000\n[ukon1]\ndatum=1.1.2005\n");
    const MonetaryInput in = loadMonetarySet(dir / "y.vrd");
    EXPECT_EQ(in.proceedings, std::nullopt);
    EXPECT_EQ(in.persons, 1);
    EXPECT_LE(in.acts.size(), 3u);
}

}  // namespace
}  // namespace verdika::costs
