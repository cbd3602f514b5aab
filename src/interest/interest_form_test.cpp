#include "interest/interest_form.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika::interest {
namespace {

// A form as a user leaves it before loading a file: custom daily rate typed,
// an odd year length, other petition choices.
InterestForm typedForm() {
    InterestForm f;
    f.debts = {{"1.1.2024", "1.2.2024", "5", "Z"}};
    f.payments = {{"2.1.2024", "1", "Z"}};
    f.options.customRate = true;
    f.options.kind = RateKind::Daily;
    f.options.dailyRate = "0,1";
    f.options.annualRate = "7";
    f.options.yearLength = "360";
    f.petition.debtor = Defendant::Several;
    f.petition.from = PayFrom::PaymentOrder;
    return f;
}

TEST(InterestForm, ReportFileReplacesGridsModeAndRateOnly) {
    const std::vector<DebtRow> debts = {{"31.12.2023", "31.3.2024", "1000", "A"}};
    struct Row {
        std::optional<std::string> savedRate;
        Mode mode;
        bool custom;
        RateKind kind;
        std::string daily, annual;
    };
    const Row rows[] = {
        // Statutory: the custom rate goes off, the typed texts stay for a later tick.
        {std::nullopt, Mode::Interest, false, RateKind::Daily, "0,1", "7"},
        {"18", Mode::Interest, true, RateKind::Annual, "0,1", "18"},
        // The late fee has its own rate; a saved one is not applied to it.
        {"91,25", Mode::Fee, true, RateKind::Daily, "0,25", "7"},
    };
    for (const Row& r : rows) {
        InterestForm f = typedForm();
        applyReportFile(f, ReportFile{debts, {}, r.savedRate, r.mode});
        EXPECT_EQ(f.debts, debts);
        EXPECT_TRUE(f.payments.empty());
        EXPECT_EQ(f.options.mode, r.mode);
        EXPECT_EQ(f.options.customRate, r.custom);
        EXPECT_EQ(f.options.kind, r.kind);
        EXPECT_EQ(f.options.dailyRate, r.daily);
        EXPECT_EQ(f.options.annualRate, r.annual);
        EXPECT_EQ(f.options.yearLength, "360");
        EXPECT_EQ(f.petition.debtor, Defendant::Several);
        EXPECT_EQ(f.petition.from, PayFrom::PaymentOrder);
    }
}

TEST(InterestForm, SavedAndLoadedAgainGivesTheSameCase) {
    InterestForm f = typedForm();
    f.options.dailyRate = "0,05";
    f.options.yearLength = "365";
    const ReportFile saved = reportFileOf(f);
    EXPECT_EQ(saved.annualRate, "18,25");  // daily rate × year length
    InterestForm loaded;
    applyReportFile(loaded, parseReportFile(reportFileText(saved)));
    EXPECT_EQ(loaded.debts, f.debts);
    EXPECT_EQ(loaded.payments, f.payments);
    EXPECT_EQ(loaded.options.annualRate, "18,25");
    EXPECT_TRUE(loaded.options.customRate);

    f.options.customRate = false;
    f.options.dailyRate = "x";  // not saved, so not read
    EXPECT_FALSE(reportFileOf(f).annualRate);
    f.options.customRate = true;
    EXPECT_THROW(reportFileOf(f), ConversionError);
}

}  // namespace
}  // namespace verdika::interest
