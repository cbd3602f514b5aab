#pragma once
// The costs tab's claim petitions, Word export values and payment-order
// values, all read from the last calculation's record.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "costs/costs.h"
#include "tariff/petition.h"

namespace verdika::costs {

// The costs variables in replacement order; defendant / claimant are the
// chosen items of the party groups (0 masculine, 1 feminine, 2 plural). A
// court fee left out of the result drops the phrase " soudní poplatek ve výši
// _soudni_poplatek, " where a template holds it with single blanks.
PetitionVariables petitionVariables(const TNaklady_rizeni& record, int defendant, int claimant);

// The designed templates "Číslo 1:" … "Číslo 3:" (index 0–2), line by line.
const std::vector<std::string>& defaultPetitionTemplate(int index);

// The lines of the sub-tab "Proměnné pro petit".
std::vector<std::string> petitionVariableHelp();

// What the petition sub-tab says besides the record.
struct PetitionForm {
    std::array<std::vector<std::string>, 3> templates;
    std::string days = "15";
    std::string from = "doručení platebního rozkazu";
    int defendant = 0;
    int claimant = 0;
    std::string attorneyName;  // [uzivatel] jmeno2
    std::string account;       // [uzivatel] ucet
};

// The three filled petitions ("_enter" as CR LF). A days text that is not a
// whole number throws ConversionError.
std::array<std::string, 3> fillPetitions(const TNaklady_rizeni& record, const PetitionForm& form);

// The Word export's value list: caption and default placeholder per row.
struct ExportRow {
    std::string caption;
    std::string placeholder;
};
const std::vector<ExportRow>& wordExportRows();
// The 13 values in row order; row 6 is the filled petition no. 1 (record.petit1).
std::vector<std::string> wordExportValues(const TNaklady_rizeni& record);

// The payment order's placeholders and the file name of a new one:
// "novy_pr" + d.m.yyyy + " " + H_mm_ss + ".docx".
inline constexpr std::string_view kPaymentOrderAmount = "castka";
inline constexpr std::string_view kPaymentOrderPetition = "naklady_rizeni";
std::string paymentOrderFileName(const DateTime& now);

}  // namespace verdika::costs
