#pragma once
// The "Vypočítat" of both costs sub-tabs on plain inputs: what the controls
// say goes in, the filled costs record and the act list as the grid shows it
// afterwards come out. Shared by the page and verdika-cli.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "costs/costs.h"

namespace verdika::costs {

// A row of an act grid: date (d.m.yyyy) and description.
struct ActRow {
    std::string date;
    std::string description;
    friend bool operator==(const ActRow&, const ActRow&) = default;
};

// Naklad_1_Radio: the kind of a monetary claim's proceedings.
enum class Proceedings { Enforcement /* § 12/1 */, ElectronicPaymentOrder };
// Naklad_2_Radio and Naklad_2_Radio_2: the claim or the appeal was rejected,
// or the proceedings stopped.
enum class Dismissal { Claim /* § 13/1 */, Appeal /* § 14/1 */ };

// The radio groups and the set files keep a choice as its position, -1 for
// none; anything else reads as none.
template <typename E>
std::optional<E> choiceAt(std::int64_t index) {
    if (index == 0 || index == 1) return static_cast<E>(index);
    return std::nullopt;
}
template <typename E>
int choiceIndex(std::optional<E> choice) {
    return choice ? static_cast<int>(*choice) : -1;
}

// "484/2000 Sb. Zrušeno": a monetary claim.
struct MonetaryInput {
    std::string principal;  // the principal as typed (decimal comma)
    Date date{};            // decisive date: the version of the decree
    bool vatPayer = false;
    Date vatDate{};
    int persons = 1;
    bool courtFee = true;
    Date courtFeeDate{};
    std::optional<Proceedings> proceedings;
    std::optional<Dismissal> dismissal;
    std::vector<ActRow> acts;
    Date actDate{};  // the act-date picker: the date of the acts entered by default
};

// "Nepeněžité plnění": a non-money claim.
struct NonMonetaryInput {
    std::optional<int> item;          // 1 … 22 (a group is none)
    std::optional<int> courtFeeItem;  // 1-based item of the court-fee list
    std::string courtFeeCaption;
    Date date{};
    bool vatPayer = false;
    Date vatDate{};
    int persons = 1;
    bool courtFee = true;
    Date courtFeeDate{};
    std::optional<Dismissal> dismissal;
    bool complex = false;  // extraordinarily complex case (§ 18/2)
    std::vector<ActRow> acts;
    Date actDate{};
};

struct Calculation {
    TNaklady_rizeni record;
    std::vector<ActRow> acts;  // sorted, with the default acts when the list was empty
    std::string warning;       // shown after the results, the calculation stands
};

inline constexpr std::string_view kNoItemMessage = "Nevybrali jste žádnou položku v části odměny.";
inline constexpr std::string_view kNoCourtFeeMessage =
    "Nevybrali jste žádný soudní poplatek - buď jej vyberte, nebo odklikněte, že nechcete soudní poplatek vypočítat.";
inline constexpr std::string_view kCourtFeeFromPrincipalMessage =
    "Promiňte, tento soudní poplatek se tu vyskytuje omylem, neboť se jedná o poplatek s peněžitým plněním. \n"
    "Vyberte prosím jiný soudní poplatek, anebo vypočítejte soudní poplatek v okně s peněžitým plněním.";

// The court-fee item of a monetary claim: 78 when the claim or appeal was
// rejected or the proceedings stopped, else 64 for enforcement, 54 for an
// electronic payment order, 8 otherwise.
int monetaryCourtFeeItem(const MonetaryInput& in);

// Both throw: ConversionError for a principal, date or person count that is
// not one, DataError for a figure the tables lack (nothing is half-done).
Calculation calculateMonetary(const MonetaryInput& in, const Tables& tables);
Calculation calculateNonMonetary(const NonMonetaryInput& in, const Tables& tables);

}  // namespace verdika::costs
