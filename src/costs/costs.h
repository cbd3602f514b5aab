#pragma once
// Costs of proceedings under the repealed flat-rate decree 484/2000 Sb.: the
// flat fee from the principal (§ 3 odst. 1) or from the kind of a non-money
// claim (§§ 5–12, 14), adjusted for several persons (§ 19a) and by the cuts of
// §§ 12/1, 13/1, 14/1 and 18, rounded up to whole tens; a lump sum per act
// under the attorney tariff in force on the act's own date; VAT; the court fee.
//
// The tables hold every figure: "484.ini" (scales, adjustment triples, person
// factors, lump-sum amounts), "rezijni_pausaly.ini" (lump-sum versions),
// "naklady_specialni.ini" (non-money items), "dph.ini", "soudni_pop.ini".
// A figure the tables do not hold stops the calculation with a message: a fee
// of 0 Kč in its place would be a wrong claim.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/ini.h"

namespace verdika::costs {

// One legal act.
struct TPravniUkony {
    Date datum{};
    std::string popis;
    double rezijni_pausal = 0;  // the lump sum found for the act's date
};

// The last calculation of either costs sub-tab; the summary, petitions,
// payment order, Word export and copy buttons read it.
struct TNaklady_rizeni {
    double jistina = 0;
    double soudni_poplatek = 0;
    double jistina_poplatek = 0;
    double odmena = 0;  // whole tens of Kč after a calculation
    double dph_sazba = 0;
    double dph_odmena = 0;
    double dph_rp = 0;
    std::vector<TPravniUkony> pravni_ukony;  // sorted by date
    std::int64_t rezijni_pausal = 0;         // the earliest act's lump sum, whole Kč
    std::int64_t rezijni_pausaly = 0;        // all lump sums, whole Kč
    int snizeni_procento = 0, snizeni_min = 0, snizeni_max = 0;  // the last adjustment applied
    int polozka = 0;
    int pocet_osob = 1;
    bool zapocitat_poplatek = false;
    bool platce_dph = false;
    bool vykon_rozhodnuti = false;
    bool platebni_rozkaz = false;
    bool zastaveni_rizeni = false;
    bool zastaveni_odvolaciho = false;
    bool slozita_vec = false;
    bool jeden_ukon = false;
    std::string petit1, petit2, petit3;
    Date datum{};

    double odmenaRp() const { return odmena + static_cast<double>(rezijni_pausaly); }
    double dphCelkem() const { return dph_odmena + dph_rp; }
    // Fee, lump sums and VAT on both (without the court fee).
    double odmenaRpDph() const { return odmenaRp() + dphCelkem(); }
    double celkem() const { return odmenaRpDph() + soudni_poplatek; }
};

inline constexpr std::string_view kScaleTable = "484.ini";
inline constexpr std::string_view kLumpSumTable = "rezijni_pausaly.ini";
inline constexpr std::string_view kItemTable = "naklady_specialni.ini";
inline constexpr std::string_view kVatTable = "dph.ini";

inline constexpr std::string_view kAdjustmentError = "Bohužel došlo k chybě při výpočtu - snížení / zvýšení odměny.";
inline constexpr std::string_view kNotInTable = "Částka pro tuto položku a období není v tabulce.";

// The tables of one calculation, read afresh each time (an edited table
// applies to the next one).
struct Tables {
    IniFile scale;      // 484.ini
    IniFile lumpSums;   // rezijni_pausaly.ini
    IniFile items;      // naklady_specialni.ini
    IniFile vat;        // dph.ini
    IniFile courtFees;  // soudni_pop.ini
    static Tables load(const std::filesystem::path& programDir);
};

// Acts by date; acts of one day keep their order.
void Seradit_Ukony(TNaklady_rizeni& record);

// Applies the triple "p,min,max" to the fee: p % of it, then at least min, then
// at most max (0 = no ceiling); "100,0,0" changes nothing. The three numbers
// are kept in the record. A missing triple (",,") throws a DataError starting
// with kAdjustmentError; anything but three whole numbers and two commas
// throws a DataError naming the text.
void Upravit_Odmenu(std::string_view triple, TNaklady_rizeni& record);

// Whole Kč (halves to even), then up to the next multiple of 10.
double roundUpToTens(double fee);

// § 3 odst. 1: the fee for principal P by the scale of `version`, before any
// adjustment. A version without a scale throws a DataError (kNotInTable).
double scaleFee(const IniFile& scale, std::string_view version, double principal);

// The monetary fee with persons, adjustments, rounding, lump sums and VAT;
// reads jistina, pocet_osob, the flags, the sorted acts, platce_dph and dph_sazba.
void Spocitat_Odmenu_484(TNaklady_rizeni& record, const Tables& tables, std::string_view version);

// The non-money fee of item `polozka` (1–22) in `itemVersion` of
// naklady_specialni.ini (an item a version leaves out takes the latest earlier
// positive amount), then as Spocitat_Odmenu_484 with the scale file's version484.
void Spocitat_Odmenu_Specialni(TNaklady_rizeni& record, const Tables& tables, std::string_view version484,
                               std::string_view itemVersion);

// The standard VAT rate (per cent) in force on the day ("zvysena" of the
// version); nothing when the version lacks it.
std::optional<double> vatRate(const IniFile& vat, Date date);

// The label beside a VAT date: the rate as the table writes it, then "%";
// "0%" when the table or the rate is missing (the calculation says so).
std::string vatRateLabel(const std::filesystem::path& programDir, Date date);

}  // namespace verdika::costs
