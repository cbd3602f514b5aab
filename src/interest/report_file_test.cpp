#include "interest/report_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::interest {
namespace {

TEST(ReportFile, RoundTripThroughTheFile) {
    ReportFile f;
    f.debts = {{"14.1.2015", "31.3.2015", "10000", "A"}, {"30.6.2012", "31.3.2015", "2000,5", "Faktura č. 7"}};
    f.payments = {{"1.3.2015", "5000", "A"}, {"2.3.2015", "10", std::string(kEarliestDue)}};
    f.annualRate = "18,25";
    f.mode = Mode::Fee;
    const std::string text = reportFileText(f);
    EXPECT_EQ(text,
              "d@14.1.2015@31.3.2015@10000@A@\r\nd@30.6.2012@31.3.2015@2000,5@Faktura č. 7@\r\n"
              "p@1.3.2015@5000@A@\r\np@2.3.2015@10@nejdříve splatný@\r\nv@18,25\r\np\r\n");
    test::TempDir dir;
    saveReportFile(dir / "pripad.urk", f);
    EXPECT_NE(test::readBytes(dir / "pripad.urk").find("Faktura \xE8. 7"), std::string::npos);  // Windows-1250 on disk
    EXPECT_EQ(loadReportFile(dir / "pripad.urk"), f);

    ReportFile statutory;
    statutory.debts = f.debts;
    EXPECT_EQ(reportFileText(statutory).substr(reportFileText(statutory).size() - 6), "z\r\nu\r\n");
    EXPECT_EQ(parseReportFile(reportFileText(statutory)), statutory);
    EXPECT_THROW(loadReportFile(dir / "chybi.urk"), IoError);
}

TEST(ReportFile, FilesWithoutRowsOrWithOddLines) {
    // Only the two closing lines: an empty case (no made-up payment row).
    ReportFile empty = parseReportFile("v@12\r\nu\r\n");
    EXPECT_TRUE(empty.debts.empty());
    EXPECT_TRUE(empty.payments.empty());
    EXPECT_EQ(empty.annualRate, "12");
    EXPECT_EQ(empty.mode, Mode::Interest);
    EXPECT_EQ(parseReportFile(""), ReportFile{});
    // Short lines yield what cells they have; anything but "u" is the late fee.
    ReportFile odd = parseReportFile("d@1.1.2024@\n\np@x\nz\nq\n");
    ASSERT_EQ(odd.debts.size(), 1u);
    EXPECT_EQ(odd.debts[0], (DebtRow{"1.1.2024", "", "", ""}));
    EXPECT_EQ(odd.payments[0], (PaymentRow{"x", "", ""}));
    EXPECT_FALSE(odd.annualRate);
    EXPECT_EQ(odd.mode, Mode::Fee);
}

TEST(ReportFile, SavedRateAndCellsTheFormatCannotHold) {
    Options o;
    o.kind = RateKind::Daily;
    o.dailyRate = "0,05";
    EXPECT_EQ(savedAnnualRate(o), "18,25");
    o.kind = RateKind::Annual;
    o.annualRate = " 8,5 ";
    EXPECT_EQ(savedAnnualRate(o), "8,5");
    o.annualRate = "";
    EXPECT_THROW(savedAnnualRate(o), ConversionError);
    ReportFile f;
    f.debts = {{"1.1.2024", "1.2.2024", "1", "a@b"}};
    EXPECT_THROW(reportFileText(f), CaseError);
}

// Report files that once made the computation run to the year 6025 or
// convert an absurd rate: they load, and the computation refuses them.
TEST(ReportFile, SlipsInALoadedReportAreRefusedByTheComputation) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"d@31.12.2024@1.1.6025@1000@A@\r\nz\r\np\r\n", "úrok ke dni 1.1.6025 leží mimo dny"},
        {"d@31.12.2024@1.1.2025@1000@A@\r\nv@-1e30\r\nu\r\n", "Roční úrok -1E30 % je mimo rozsah"},
    };
    for (const auto& c : cases) {
        const ReportFile f = parseReportFile(c.file);
        Options o;
        o.mode = f.mode;
        if (f.mode == Mode::Fee) {
            o.kind = RateKind::Daily;
            o.dailyRate = "0,25";
        }
        if (f.annualRate) {
            o.customRate = true;
            o.annualRate = *f.annualRate;
        }
        try {
            computeInterest(Case{f.debts, f.payments, o}, nullptr);
            ADD_FAILURE() << c.file;
        } catch (const CaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace verdika::interest
