#pragma once
// The texts of an interest computation: the step-by-step report, the result
// grid, the two wordings of the claim petition and the export table (CSV).
#include <array>
#include <string>
#include <vector>

#include "interest/interest.h"

namespace verdika::interest {

// The petition choices of the page, in the order of its radio items.
enum class Defendant { Man, Woman, Several };  // "žalovaný", "žalovaná", "žalovaní"
enum class Claimant { Man, Woman, Several };   // "žalobce", "žalobkyně", "žalobci"
// The event the deadline to pay runs from.
enum class PayFrom { FinalJudgment, PaymentOrder };  // "právní moci rozhodnutí", "doručení platebního rozkazu"
const char* payFromText(PayFrom from);

struct PetitionOptions {
    Defendant debtor = Defendant::Man;
    Claimant creditor = Claimant::Man;
    std::string days = "15";  // as typed: the petition repeats the text
    PayFrom from = PayFrom::FinalJudgment;
};

// "Průběh výpočtu": the lines of the report.
std::vector<std::string> reportLines(const Computation& c);

// The result grid: one row per group, the totals row, the overpayment row
// when something is to be refunded, and one empty row.
using GridRow = std::array<std::string, 7>;
std::vector<GridRow> resultGrid(const Computation& c);

// Petition 1 as one text ("\n" between lines); petition 2 line by line.
std::string petition1(const Computation& c, const PetitionOptions& p);
std::vector<std::string> petition2(const Computation& c, const PetitionOptions& p);

// The export table: lines of the CSV file, semicolon-separated.
std::vector<std::string> exportTable(const Computation& c);

// The result grid as text for the page "TXT" (group rows before the totals
// row, the summary from the totals row).
std::vector<std::string> resultGridText(const std::vector<GridRow>& rows);

// The regime's explanation in petition 1.
const char* regimeExplanation(int regime);

}  // namespace verdika::interest
