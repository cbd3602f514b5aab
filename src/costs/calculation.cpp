#include "costs/calculation.h"

#include <cmath>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"
#include "common/versioned.h"
#include "costs/lists.h"
#include "fees/court_fee.h"

namespace verdika::costs {
namespace {

// Principals beyond this cannot be held in whole crowns exactly; nobody claims them.
constexpr double kMaxPrincipal = 1e15;

int checkedPersons(int persons) {
    if (persons < 0 || persons > 100)
        throw ConversionError("Počet osob musí být 0 až 100, ne " + std::to_string(persons) + ".");
    return persons;
}

// The act grid as the calculation reads it. Blank rows are left out; an empty
// list gets the two acts every claim has, dated with the act-date picker.
std::vector<TPravniUkony> readActs(std::vector<ActRow> rows, Date actDate) {
    std::vector<ActRow> filled;
    for (ActRow& row : rows)
        if (!trimBlanks(row.date).empty() || !trimBlanks(row.description).empty()) filled.push_back(std::move(row));
    if (filled.empty()) {
        filled.push_back({formatDate(actDate), std::string(kDefaultAct1)});
        filled.push_back({formatDate(actDate), std::string(kDefaultAct2)});
    }
    std::vector<TPravniUkony> acts;
    for (const ActRow& row : filled) {
        if (trimBlanks(row.date).empty())
            throw ConversionError("Úkon „" + row.description + "“ nemá datum.");
        acts.push_back({parseDate(row.date), row.description, 0});
    }
    return acts;
}

std::vector<ActRow> actRows(const TNaklady_rizeni& r) {
    std::vector<ActRow> rows;
    for (const TPravniUkony& a : r.pravni_ukony) rows.push_back({formatDate(a.datum), a.popis});
    return rows;
}

// Acts, VAT rate and sorting: the steps both tabs share before the fee.
void prepare(TNaklady_rizeni& r, const std::vector<ActRow>& rows, Date actDate, bool vatPayer, Date vatDate,
             const Tables& t) {
    r.pravni_ukony = readActs(rows, actDate);
    r.jeden_ukon = r.pravni_ukony.size() < 2;
    const auto rate = vatRate(t.vat, vatDate);
    if (vatPayer && !rate)
        throw DataError("Sazbu DPH ke dni " + formatDate(vatDate) + " tabulka dph.ini neuvádí; výpočet nelze provést.");
    r.dph_sazba = rate.value_or(0);
    Seradit_Ukony(r);
}

// The court-fee table starts with its first version; an earlier day would
// silently take later rates.
void checkCourtFeeDate(const IniFile& table, Date date) {
    const auto versions = amendmentDates(table);
    if (versions.empty()) return;  // Platna_Novelizace reports the missing table
    const auto first = tryParseDate(versions.front());
    if (first && date < *first)
        throw DataError("Soudní poplatky ke dni " + formatDate(date) + " tabulka soudních poplatků neuvádí (začíná dnem " +
                        versions.front() +
                        "). Zadejte jiné datum soudního poplatku, nebo zrušte zatržení soudního poplatku.");
}

[[noreturn]] void courtFeeNotListed(int item, Date date) {
    throw DataError("Soudní poplatek položky " + std::to_string(item) + " seznamu poplatků ke dni " + formatDate(date) +
                    " tabulka soudních poplatků neuvádí. Zadejte jiné datum soudního poplatku, nebo zrušte zatržení "
                    "soudního poplatku.");
}

}  // namespace

int monetaryCourtFeeItem(const MonetaryInput& in) {
    if (in.dismissal) return fees::kItemStopping;
    if (in.proceedings == Proceedings::Enforcement) return fees::kItemEnforcement;
    if (in.proceedings == Proceedings::ElectronicPaymentOrder) return fees::kItemElectronicPaymentOrder;
    return fees::kItemMonetaryClaim;
}

Calculation calculateMonetary(const MonetaryInput& in, const Tables& t) {
    Calculation c;
    TNaklady_rizeni& r = c.record;
    if (trimBlanks(in.principal).empty()) throw ConversionError("Zadejte jistinu.");
    r.jistina = parseDecimal(in.principal);
    if (!(r.jistina >= 0 && r.jistina < kMaxPrincipal))
        throw ConversionError("Jistina " + std::string(trimBlanks(in.principal)) + " je mimo rozsah, který program počítá.");
    r.platce_dph = in.vatPayer;
    r.pocet_osob = checkedPersons(in.persons);
    r.datum = in.date;
    r.vykon_rozhodnuti = in.proceedings == Proceedings::Enforcement;
    r.platebni_rozkaz = in.proceedings == Proceedings::ElectronicPaymentOrder;
    r.slozita_vec = false;
    r.zastaveni_rizeni = in.dismissal == Dismissal::Claim;
    r.zastaveni_odvolaciho = in.dismissal == Dismissal::Appeal;
    r.soudni_poplatek = 0;
    r.jistina_poplatek = r.jistina;
    r.zapocitat_poplatek = in.courtFee;

    prepare(r, in.acts, in.actDate, in.vatPayer, in.vatDate, t);
    c.acts = actRows(r);
    Spocitat_Odmenu_484(r, t, Platna_Novelizace(t.scale, 0, r.datum));

    if (in.courtFee) {
        checkCourtFeeDate(t.courtFees, in.courtFeeDate);
        const int item = monetaryCourtFeeItem(in);
        const fees::CourtFeeResult fee = fees::courtFee(t.courtFees, item, in.courtFeeDate, r.jistina_poplatek);
        if (!fee.listed) courtFeeNotListed(item, in.courtFeeDate);
        r.soudni_poplatek = fee.fee;
    }
    return c;
}

Calculation calculateNonMonetary(const NonMonetaryInput& in, const Tables& t) {
    if (!in.item || *in.item < 1 || *in.item > kItemCount) throw Error(std::string(kNoItemMessage));
    if (in.courtFee && (!in.courtFeeItem || *in.courtFeeItem <= 0)) throw Error(std::string(kNoCourtFeeMessage));
    Calculation c;
    TNaklady_rizeni& r = c.record;
    r.odmena = 0;
    r.jistina = 0;
    r.platce_dph = in.vatPayer;
    r.pocet_osob = checkedPersons(in.persons);
    r.datum = in.date;
    r.platebni_rozkaz = false;
    r.vykon_rozhodnuti = false;
    r.slozita_vec = in.complex;
    r.zastaveni_rizeni = in.dismissal == Dismissal::Claim;
    r.zastaveni_odvolaciho = in.dismissal == Dismissal::Appeal;
    r.soudni_poplatek = 0;
    r.jistina_poplatek = 0;
    r.zapocitat_poplatek = in.courtFee;
    r.polozka = *in.item;

    prepare(r, in.acts, in.actDate, in.vatPayer, in.vatDate, t);
    c.acts = actRows(r);
    Spocitat_Odmenu_Specialni(r, t, Platna_Novelizace(t.scale, 0, r.datum), Platna_Novelizace(t.items, 0, r.datum));

    if (in.courtFee) {
        checkCourtFeeDate(t.courtFees, in.courtFeeDate);
        const int item = *in.courtFeeItem;
        const std::string version = fees::courtFeeVersion(t.courtFees, item, in.courtFeeDate);
        if (fees::isFeeFromPrincipal(t.courtFees, item, version)) {
            c.warning = std::string(kCourtFeeFromPrincipalMessage);
        } else {
            if (!fees::hasCourtFeeEntry(t.courtFees, item, version)) courtFeeNotListed(item, in.courtFeeDate);
            r.soudni_poplatek = fees::fixedCourtFee(t.courtFees, item, version);
        }
    }
    return c;
}

}  // namespace verdika::costs
