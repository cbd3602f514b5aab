#pragma once
// The court executor's fee under the executor tariff (decree 330/2001 Sb.),
// from "exekutor_tarif.ini": the layout of the notary table plus a share
// "max_podil", a maximum "max", the advance "zaloha" (percent of the fee)
// and section "spolecne_splni" with the reduced fee (percent) when the
// obligor pays after the call to pay voluntarily.
//
// The base is rounded up to whole hundreds and the shown fee up to whole tens.
#include <string>
#include <string_view>
#include <vector>

#include "common/ini.h"

namespace verdika::fees {

inline constexpr std::string_view kExecutorTable = "exekutor_tarif.ini";
inline constexpr std::string_view kVoluntaryPaymentSection = "spolecne_splni";

// The 17 items of the page's list; item n is caption n − 1.
const std::vector<std::string>& executorItems();

// The fee from the (rounded) tariff value x by the item's bands, share,
// minimum and maximum, reduced for a voluntary payment (splni) or else for
// the advance (zaloha).
double Spocitat_Odmenu_Exekutora(const IniFile& table, int item, bool splni, bool zaloha, double x);

// The base of the bands: the value rounded half to even to whole Kč, then up
// to whole hundreds.
double executorBase(double tariffValue);

struct ExecutorResult {
    bool tariffEnabled = true;   // false for an item with a fixed fee
    bool voluntaryEnabled = false;  // the item has a reduced fee for voluntary payment
    bool advanceEnabled = false;    // the item has an advance
    double fee = 0;              // rounded as shown
    std::string note;
};

// The item change of the page. A tick counts only while its box is enabled
// for the item, for fixed fees as well as for fees from the value.
ExecutorResult executorFee(const IniFile& table, int item, bool voluntaryTicked, bool advanceTicked,
                           double tariffValue);

}  // namespace verdika::fees
