#pragma once
// Claim petitions (žalobní petit): user-editable templates whose variables
// ("_odmena_RP_DPH", "_zalovany/a", …) are replaced by the amounts of the last
// calculation, the parties' forms, the payment term and the attorney's name
// and account. The fill is shared by the tariff page and the costs page.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tariff/tariff.h"

namespace verdika {

// A variable and its value, replaced in list order.
using PetitionVariables = std::vector<std::pair<std::string, std::string>>;

// Fills a template (its lines as a memo holds them). The template's own line
// breaks become single blanks; line breaks in the result come only from the
// "_enter" variable's value (CR LF). "_do_od_komu" becomes the payment term
// (days is read as a whole number: a ConversionError when it is not), the
// account, if any, is appended as ", č. ú. " + account, and runs of blanks
// are collapsed.
std::string Vypln_Petit(const std::vector<std::string>& templateLines, const PetitionVariables& variables,
                        std::string_view days, std::string_view from, std::string_view attorneyName,
                        std::string_view account);

}  // namespace verdika

namespace verdika::tariff {

// The tariff variables 1–15, in replacement order, with the values of a
// calculation; defendant / claimant are the selected items of the party groups
// (0 masculine, 1 feminine, 2 plural).
PetitionVariables petitionVariables(const TAdvokatni_Tarif& calc, int defendant, int claimant);

// The designed templates of the memos "Číslo 1:" … "Číslo 3:" (index 0–2).
const std::vector<std::string>& defaultPetitionTemplate(int index);

// The lines of the sub-page "Proměnné pro petit".
std::vector<std::string> petitionVariableHelp();

}  // namespace verdika::tariff
