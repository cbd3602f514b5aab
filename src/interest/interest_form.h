#pragma once
// The inputs of one interest computation as the page "Úroky" holds them: the
// debts and payments grids, the rate options and the petition choices. The
// page, a report file and `verdika-cli uroky` all fill this one struct, so
// the three cannot drift apart on what a choice means.
#include <vector>

#include "interest/interest.h"
#include "interest/interest_report.h"
#include "interest/report_file.h"

namespace verdika::interest {

struct InterestForm {
    std::vector<DebtRow> debts;
    std::vector<PaymentRow> payments;
    Options options;
    PetitionOptions petition;

    Case toCase() const { return Case{debts, payments, options}; }
};

// "Úrok" or "Poplatek". The late fee always runs on the custom daily rate
// of 0,25 %; interest turns the custom rate off and keeps the rate texts.
void chooseMode(Options& options, Mode mode);

// The statutory rate is the only one that needs the rate table.
bool needsRateTable(const Options& options);

// A loaded report file: its grids replace the form's, then the mode is
// chosen, then a saved custom rate applies as the annual rate (in the
// interest mode; the late fee has its own). The year length and the
// petition choices are not in the file and stay as they are.
void applyReportFile(InterestForm& form, const ReportFile& file);

// The report file of the form; a custom rate that is not a number throws
// ConversionError.
ReportFile reportFileOf(const InterestForm& form);

}  // namespace verdika::interest
