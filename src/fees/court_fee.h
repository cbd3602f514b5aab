#pragma once
// Court fees under the court-fees act: the pick list of fee items, the
// version of an item in force on a day, fixed fees and fees from the
// principal by the band lists of "soudni_pop.ini".
//
// The table holds every amount; the program holds the reading rules, the
// rounding and its one date boundary: filings up to 31.12.2013 round the
// base down to whole hundreds and the fee up to whole tens, later filings
// round the base up to whole tens and leave the fee as it is.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/ini.h"

namespace verdika::fees {

inline constexpr std::string_view kCourtFeeTable = "soudni_pop.ini";
inline constexpr std::string_view kFeeFromPrincipal = "osr_penezite";

// Items the costs page uses by number.
inline constexpr int kItemMonetaryClaim = 8;
inline constexpr int kItemElectronicPaymentOrder = 54;
inline constexpr int kItemEnforcement = 64;
inline constexpr int kItemStopping = 78;

// The captions of section "seznam" in file order; item n is caption n − 1.
std::vector<std::string> courtFeeItems(const IniFile& table);

// The version of the item in force on the day (the item's own version: the
// latest listed date on or before the day at which the item has an entry).
std::string courtFeeVersion(const IniFile& table, int item, Date date);

// True when the item is computed from the principal in that version.
bool isFeeFromPrincipal(const IniFile& table, int item, std::string_view version);

// The fixed fee of the item in that version; 0 when missing or not a number.
double fixedCourtFee(const IniFile& table, int item, std::string_view version);

// True when the table holds an amount for the item in that version (an
// entry of 0 is an amount: "bez poplatku"). Without one the fee shows 0
// although the act may charge one, and the page says so.
bool hasCourtFeeEntry(const IniFile& table, int item, std::string_view version);

// The fee from the principal P (Kč) by the item's band list for the version.
// A band list that is not seven numbers per band throws DataError naming the
// file, the item and the version. With no "max" entry and no maximum in the
// last band the fee has no general limit.
double Spocitat_Soudni_Poplatek(const IniFile& table, int item, std::string_view version, Date date,
                                double principal);
double Spocitat_Soudni_Poplatek(const std::filesystem::path& table, int item, std::string_view version,
                                Date date, double principal);

// The base the bands are applied to (the program's rounding rule).
double courtFeeBase(Date date, double principal);

// What the page shows for an item on a day.
struct CourtFeeResult {
    int item = 0;
    std::string version;
    bool fromPrincipal = false;  // the principal field is enabled
    bool listed = false;         // the table holds an amount for the item in that version
    double fee = 0;
};
// item 0 (nothing chosen) gives a fixed fee of 0.
CourtFeeResult courtFee(const IniFile& table, int item, Date date, double principal);

// The latest version the table holds, for the note "S účinností k datu …".
std::string latestCourtFeeVersion(const IniFile& table);

}  // namespace verdika::fees
