#pragma once
// Interest report files (".urk", "Sestavy úroků"): the debts, payments,
// custom rate and mode of a case, so a computation can be repeated later.
// One item per line, fields separated by "@":
//   d@due@until@principal@label@      one line per debt row
//   p@date@amount@label@              one line per payment row
//   v@annual rate  or  z              custom rate on (annual, plain) or off
//   p  or  u                          late fee or interest
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interest/interest.h"

namespace verdika::interest {

struct ReportFile {
    std::vector<DebtRow> debts;
    std::vector<PaymentRow> payments;
    std::optional<std::string> annualRate;  // set when the custom rate is on
    Mode mode = Mode::Interest;
    friend bool operator==(const ReportFile&, const ReportFile&) = default;
};

// The annual rate a report file keeps: the annual field, or daily rate ×
// year length with "Denní úrok" (plain). Throws ConversionError.
std::string savedAnnualRate(const Options& options);

// The file's lines joined with CR LF. A cell holding "@" cannot be kept in
// this format and is refused (CaseError naming it).
std::string reportFileText(const ReportFile& file);
// Reads whatever cells the lines yield; a file without rows is an empty case.
ReportFile parseReportFile(std::string_view text);

void saveReportFile(const std::filesystem::path& path, const ReportFile& file);  // IoError
ReportFile loadReportFile(const std::filesystem::path& path);                     // IoError when unreadable

}  // namespace verdika::interest
