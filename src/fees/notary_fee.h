#pragma once
// The notary's fee under the notarial tariff (decree 196/2001 Sb.), from
// "notar_tarif.ini": one section per item of the list below, either a fixed
// fee ("sazba") or the band table of the item (or of the item named by
// "podle"), a share "dil" in percent and a minimum "min".
//
// The tariff rounds the tariff value up to whole hundreds and the fee up to
// whole tens; the notaries' published examples (2/3 of the scale for
// 1 000 000 Kč = 6 540 Kč) only come out that way.
#include <string>
#include <string_view>
#include <vector>

#include "common/ini.h"

namespace verdika::fees {

inline constexpr std::string_view kNotaryTable = "notar_tarif.ini";

// The 61 items of the page's list; item n is caption n − 1.
const std::vector<std::string>& notaryItems();

// The fee from the tariff value x for an item without a fixed fee.
double Spocitat_Odmenu_Notare(const IniFile& table, int item, double x);

struct NotaryResult {
    bool tariffEnabled = true;  // false for an item with a fixed fee
    double fee = 0;
    std::string note;           // "pozn"
};

// The item change of the page: the fixed fee, or (for a tariff value other
// than 0) the fee from the value; 0 for a value of 0.
NotaryResult notaryFee(const IniFile& table, int item, double tariffValue);

}  // namespace verdika::fees
