#pragma once
// The insolvency administrator's fee under decree 313/2007 Sb., from
// "insolvence.ini": bankruptcy (konkurs) from the proceeds for secured and
// unsecured creditors, debt relief (oddlužení) by months, reorganisation by
// the yearly turnover and months. One set of sections per version of the
// decree: V-konkurs, V-reorganizace, V-oddluzeni, where V is a version
// prefix of section "novelizace" (its first line names the original text).
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/ini.h"

namespace verdika::fees {

inline constexpr std::string_view kInsolvencyTable = "insolvence.ini";

struct InsolvencyVersion {
    std::string prefix;  // e.g. "1.1.2014"
    std::string label;   // e.g. "od 1.1.2014 do 31.5.2019"
};

// The versions of the drop-down in file order, labelled by their periods.
// A table without "novelizace" has the three versions of the original
// layout ("31.12.2012", "1.1.2013", "1.1.2014").
std::vector<InsolvencyVersion> insolvencyVersions(const IniFile& table);
// The index of the version in force on the day.
int insolvencyVersionOn(const std::vector<InsolvencyVersion>& versions, Date day);
// "Dle vyhlášky č. 313/2007 Sb." with the version's wording ("ve znění …").
std::string insolvencyCaption(const IniFile& table, std::string_view prefix);

struct InsolvencyInput {
    std::string version;         // prefix
    double secured = 0;          // proceeds for secured creditors
    double unsecured = 0;        // proceeds for unsecured creditors
    int reliefMonths = 0;        // months of debt relief
    int reliefMonthsBeforeApproval = 0;  // of them, months up to the decision approving it
    double turnover = 0;         // average monthly turnover
    int reorganisationMonths = 0;
};

// A bankruptcy part: the amount, or no band of the table covers the proceeds.
struct BandPart {
    double fee = 0;
    bool outOfRange = false;
};

struct InsolvencyResult {
    BandPart secured, unsecured;
    double bankruptcyTotal = 0;      // with the minimum
    bool bankruptcyKnown = true;     // false when a part is out of the table's range
    double reliefMonthly = 0;        // per month after approval (or for all months)
    double reliefMonthlyBeforeApproval = 0;  // 0 when the version has no separate rate
    int reliefMonthsBefore = 0;      // months counted at the rate before approval
    double relief = 0;
    double yearlyTurnover = 0;
    double reorganisationMonthly = 0;
    double reorganisation = 0;
};

InsolvencyResult computeInsolvency(const IniFile& table, const InsolvencyInput& in);

// True when the version charges debt relief at a separate rate up to the
// decision approving it (the page enables its month count).
bool hasReliefRateBeforeApproval(const IniFile& table, std::string_view prefix);

// The lines of the two memos.
std::vector<std::string> bankruptcyMemoLines(const InsolvencyInput& in, const InsolvencyResult& r);
std::vector<std::string> reorganisationMemoLines(const InsolvencyInput& in, const InsolvencyResult& r);

}  // namespace verdika::fees
