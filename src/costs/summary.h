#pragma once
// The summary lines a costs calculation writes into "Sumarizace + TISK".
#include <string>
#include <string_view>
#include <vector>

#include "costs/costs.h"

namespace verdika::costs {

// After a calculation of "484/2000 Sb. Zrušeno".
std::vector<std::string> summaryLines(const TNaklady_rizeni& record);

// After a calculation of "Nepeněžité plnění": the item's caption heads it,
// the court fee's caption names the fee when one was added.
std::vector<std::string> nonMonetarySummaryLines(const TNaklady_rizeni& record, std::string_view itemCaption,
                                                 std::string_view courtFeeCaption);

}  // namespace verdika::costs
