#pragma once
// The fixed lists of the tariff page: the kinds of proceedings and the names
// of the legal acts offered in the two act lists.
#include <string>
#include <string_view>
#include <vector>

namespace verdika::tariff {

// Kinds of proceedings, stored as name "|" paragraph (kind 0 has no
// paragraph). The index is the kind of the calculation; every kind except 0
// takes its tariff value from "tarif_specialni.ini".
const std::vector<std::string>& kindItems();
inline constexpr int kKindCount = 35;
// The name part of an item (before "|"), and the paragraph part (empty for kind 0).
std::string kindName(int kind);
std::string kindParagraph(int kind);

// Acts under § 11 odst. 1 (list kind "úkon"); the first item is the list's
// default text "úkon".
const std::vector<std::string>& fullActNames();
// Acts under § 11 odst. 2 (list kind "půl-úkon"); the first is "půlúkon".
const std::vector<std::string>& halfActNames();

inline constexpr std::string_view kFullActKind = "úkon";
inline constexpr std::string_view kHalfActKind = "půl-úkon";

// The act names that § 14b (standard-form claims) covers.
inline constexpr std::string_view kAct14bClaim = "návrh na zahájení řízení (§ 14b)";
inline constexpr std::string_view kActTakeOver = "převzetí a příprava zastoupení";
inline constexpr std::string_view kActSimpleDemand = "jednoduchá výzva k plnění";
inline constexpr std::string_view kActReasonedDemand =
    "výzva k plnění se základním skutkovým a právním rozborem předcházející návrhu ve věci samé";
inline constexpr std::string_view kActEnforcementConsultation =
    "výkon rozhodnutí - první porada s klientem včetně převzetí a přípravy zastoupení";
inline constexpr std::string_view kActEnforcementMotion = "výkon rozhodnutí - sepsání návrhu na zahájení řízení";

}  // namespace verdika::tariff
