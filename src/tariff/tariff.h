#pragma once
// The attorney's non-contractual fee under decree 177/1996 Sb. (advokátní
// tarif): the tariff base, fee, lump sum and VAT of every act, each under the
// rules in force on the act's own date, the totals and the summary text.
//
// Three shipped tables hold the rules: "za_ukon.ini" (the § 7 scale and the
// lump sums), "tarif_specialni.ini" (fixed tariff values of the kinds of
// proceedings and the reduction fractions of the special options) and
// "dph.ini" (VAT). The program fixes how they combine and the constants of
// §§ 12, 12a–12c and 14b below.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/ini.h"

namespace verdika::tariff {

// One legal act of a calculation.
struct TTarifUkon {
    Date date{};
    std::string description;     // the act's name as chosen or typed
    std::string scaleVersion;    // section of "za_ukon.ini" in force on the date
    std::string specialVersion;  // key of "tarif_specialni.ini" in force for the kind on the date
    bool fullAct = true;         // § 11 odst. 1 ("úkon"); false: § 11 odst. 2 ("půl-úkon")
    double fee = 0;
    double lumpSum = 0;
};

struct ActVat {
    double rate = 0;  // per cent
    double onFee = 0;
    double onLumpSum = 0;
};

// § 12: "Mimořádné zvýšení / snížení" of every fee.
enum class Scaling { None, Triple, Halve };

// "Speciální": the lawyer appointed by a court or authority (§§ 12a–12c).
enum class Appointment {
    None,
    ExOfficioDefence,  // "trestní ex offo"
    Representative,    // "§12a zástupce/opatrovník"
    ChildsGuardian,    // "§12c opatrovník dítěte"
};

// "Upravit procentně odměnu za úkon": which of its two choices is on.
enum class FeeAdjustment { None, Raise, Lower };

// One calculation: its options, its acts in processing order and the totals.
struct TAdvokatni_Tarif {
    std::vector<double> tariffBases;  // same index as acts
    double lumpSumTotal = 0;
    double feeTotal = 0;
    double vatOnLumpSums = 0;
    double vatOnFees = 0;
    double sum14b = 0;  // § 14b fees granted so far (they never exceed the tariff base together)
    bool percentageOn = false;
    double percentage = 0;  // positive raises, negative lowers
    int kind = 0;           // index into kindItems()
    int fullActs = 0;
    int halfActs = 0;
    int persons = 1;
    bool vatPayer = false;
    Scaling scaling = Scaling::None;
    Appointment appointment = Appointment::None;
    bool par14b = false;      // "náhrada žalobce z formulářové žaloby"
    std::vector<ActVat> vat;  // same index as acts
    std::vector<TTarifUkon> acts;

    double vatTotal() const { return vatOnFees + vatOnLumpSums; }
    double grandTotal() const { return feeTotal + lumpSumTotal + vatOnFees + vatOnLumpSums; }
};

// The three tables, read once per calculation (an edited table applies to
// the next one).
struct Tables {
    IniFile scale;    // za_ukon.ini
    IniFile special;  // tarif_specialni.ini
    IniFile vat;      // dph.ini
    static Tables load(const std::filesystem::path& programDir);
};

// The tariff base text of an act: for kind 0 the typed tariff value; for any
// other kind (also -1) the part before the first comma of the kind's entry in
// "tarif_specialni.ini" in force on the date. Not a number means the table
// holds a note for the user instead (or nothing, for kind -1).
std::string Tarifni_Zaklad(const IniFile& special, std::string_view tariffValue, int kind, Date date);

// The reduction fraction of a special entry ("10000,0.2" gives 0.2): the part
// after the first comma, with a decimal point or comma; 0 when there is none.
double Snizeni_Z_Hodnoty(std::string_view specialValue);

// § 14b applies to act i: the option is on, the act is one of the six § 14b
// acts and its tariff base is at most 50 000 Kč.
bool Je_14b(const TAdvokatni_Tarif& calc, std::size_t i);

// Computes act i's fee, lump sum and VAT and adds them to the totals; the act,
// its tariff base, VAT rate and the options are filled beforehand. A scale
// band with a step of 0 is a DataError naming the table and the band.
void Odmena_Za_Ukon(const IniFile& scale, const IniFile& special, std::size_t i, TAdvokatni_Tarif& calc);

// The act list as the page shows it: date (d.m.yyyy), description, "úkon" or "půl-úkon".
struct ActRow {
    std::string date;
    std::string description;
    std::string kind;
    friend bool operator==(const ActRow&, const ActRow&) = default;
};

// The inputs of one calculation, as the page's controls hold them, as a saved
// calculation stores them and as the command line gives them.
struct TariffForm {
    std::optional<int> kind = 0;  // index into kindItems(); none chosen
    std::string tariffValue;      // text of the tariff value field; only kind 0 reads it
    int persons = 1;
    bool vatPayer = false;
    Scaling scaling = Scaling::None;
    Appointment appointment = Appointment::None;
    FeeAdjustment adjustment = FeeAdjustment::None;
    std::string raiseText;  // "zvýšit odměnu o" … %
    std::string lowerText;  // "snížit odměnu o" … %
    bool par14b = false;
    std::vector<ActRow> acts;
    // The act added when the list is empty: the full-act list's text, dated as the page's date.
    Date defaultDate{};
    std::string defaultDescription = "úkon";
    friend bool operator==(const TariffForm&, const TariffForm&) = default;
};

// The percentage options as the page reads them: with either option on, the
// raise field is read (so a bad raise field stops the calculation even when
// the reduction is chosen); the reduction is stored as a negative percentage.
void readPercentage(bool raiseSelected, bool lowerSelected, std::string_view raiseText,
                    std::string_view lowerText, bool& on, double& percentage);

// Chooses the percentage change of a signed number: 0 or more raises, less
// than 0 lowers by its size (the raise field then holds "0").
void setPercentage(TariffForm& form, double percent);

struct TariffResult {
    TAdvokatni_Tarif calc;
    std::vector<ActRow> acts;  // the act list after the calculation: sorted, with the automatic act
    bool par14bRemoved = false;  // § 14b was switched off (a claim filed before 1.7.2014)
};

inline constexpr std::string_view k14bRemovedMessage =
    "Bylo odstraněno zatržení § 14b, protože byl zjištěn úkon zahájení řízení před 1. 7. 2014. ";

// The whole calculation: sorts the acts by date, checks § 14b against its
// start, prepares every act and computes it. Throws ConversionError for a bad
// number or date (or no kind, or a kind whose table entry is a note) and
// DataError for an unusable table; nothing is returned half-done.
TariffResult Vypocitat(const TariffForm& form, const Tables& tables);

// The summary text, line by line.
std::vector<std::string> summaryLines(const TAdvokatni_Tarif& calc);

// The act list sorted by date; acts of one day by description, then kind,
// ignoring case. Throws ConversionError for a date that does not parse.
std::vector<ActRow> sortActs(const std::vector<ActRow>& rows);

}  // namespace verdika::tariff
