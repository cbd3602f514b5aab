#include "interest/interest_form.h"

namespace verdika::interest {

void chooseMode(Options& o, Mode mode) {
    o.mode = mode;
    if (mode == Mode::Fee) {
        o.customRate = true;
        o.kind = RateKind::Daily;
        o.dailyRate = "0,25";
    } else {
        o.customRate = false;
    }
}

bool needsRateTable(const Options& o) { return !o.customRate && o.mode == Mode::Interest; }

void applyReportFile(InterestForm& form, const ReportFile& file) {
    form.debts = file.debts;
    form.payments = file.payments;
    // The mode first: choosing it sets the rate fields, the file's rate comes after.
    chooseMode(form.options, file.mode);
    if (file.annualRate && file.mode == Mode::Interest) {
        form.options.customRate = true;
        form.options.kind = RateKind::Annual;
        form.options.annualRate = *file.annualRate;
    }
}

ReportFile reportFileOf(const InterestForm& form) {
    ReportFile f;
    f.debts = form.debts;
    f.payments = form.payments;
    if (form.options.customRate) f.annualRate = savedAnnualRate(form.options);
    f.mode = form.options.mode;
    return f;
}

}  // namespace verdika::interest
