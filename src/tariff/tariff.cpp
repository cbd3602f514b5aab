#include "tariff/tariff.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "common/versioned.h"
#include "tariff/lists.h"

namespace verdika::tariff {
namespace {

// Dates the decree's own rules fix (§§ 12a–12c, § 14b).
const Date kCuts2011 = makeDate(2011, 1, 1);
const Date kCuts2012End = makeDate(2012, 12, 31);
const Date kCuts2013 = makeDate(2013, 1, 1);
const Date kStart14b = makeDate(2014, 7, 1);

constexpr double kCap = 5000;           // the reduced fee of an appointed lawyer, per act
constexpr double kFactor2011 = 0.7;     // §§ 12a–12c, 1.1.2011–31.12.2012
constexpr double kPerPerson = 0.8;      // § 12 odst. 4, joint act for several persons
constexpr double kLimit14b = 50000;     // § 14b applies to money claims up to this value
// Tariff values beyond this cannot be held in whole crowns exactly; nobody bills them.
constexpr double kMaxTariffBase = 1e15;
constexpr std::int64_t kMaxTableFigure = 1'000'000'000'000'000;  // 10^15 Kč
constexpr std::int64_t kMaxBands = 100;

std::string scaleTableName(const IniFile& scale) {
    std::string name = pathText(scale.path().filename());
    return name.empty() ? std::string("za_ukon.ini") : name;
}

// One band figure of a scale version; absurd figures would overflow the arithmetic.
std::int64_t bandFigure(const IniFile& scale, const std::string& section, const std::string& key) {
    const std::int64_t v = scale.readInteger(section, key, 0);
    if (v < -kMaxTableFigure || v > kMaxTableFigure)
        throw DataError("Tabulka " + scaleTableName(scale) + ", znění [" + section + "]: hodnota " + key + " = " +
                        std::to_string(v) + " je mimo rozumný rozsah; výpočet nelze provést.");
    return v;
}

// The § 7 fee for tariff base B from the scale version `section`.
double scaleFee(const IniFile& scale, const std::string& section, double B) {
    const std::int64_t p = scale.readInteger(section, "castek_jednoduche", 0);
    const std::int64_t q = scale.readInteger(section, "castek_s_procenty", 0);
    if (p < 0 || q < 0 || p > kMaxBands || q > kMaxBands - p)  // no sum of two absurd counts
        throw DataError("Tabulka " + scaleTableName(scale) + ", znění [" + section +
                        "]: neplatný počet pásem (castek_jednoduche, castek_s_procenty); výpočet nelze provést.");
    const std::int64_t m = p + q;
    auto h = [&](std::int64_t k) { return bandFigure(scale, section, std::to_string(k) + "_hranice"); };
    auto O = [&](std::int64_t k) { return bandFigure(scale, section, std::to_string(k) + "_odmena"); };

    // Fixed part at the band's lower limit, plus the amount for every started
    // step above it. Started steps are counted on B itself, so that halers
    // over a step boundary start a new step as the decree says.
    auto stepped = [&](std::int64_t k) {
        const std::string band = std::to_string(k + 1);
        const std::int64_t C = bandFigure(scale, section, band + "_korun");
        const std::int64_t Z = bandFigure(scale, section, band + "_zapocatych");
        if (Z <= 0)
            throw DataError("Tabulka " + scaleTableName(scale) + ", znění [" + section + "]: pásmo " + band +
                            " má krok " + band + "_zapocatych = " + std::to_string(Z) +
                            "; výpočet nelze provést.");
        const auto T = static_cast<std::int64_t>(B);  // B > h(k) >= -10^15 and B < 10^15
        const std::int64_t over = T - h(k);           // >= 0, since B > h(k) and h(k) is whole
        std::int64_t steps = over / Z;
        if (over % Z != 0 || B > static_cast<double>(T)) ++steps;
        return static_cast<double>(O(k + 1)) + static_cast<double>(steps) * static_cast<double>(C);
    };

    double fee = 0;
    for (std::int64_t k = 0; k < p; ++k)
        if (static_cast<double>(h(k)) < B && B <= static_cast<double>(h(k + 1))) fee = static_cast<double>(O(k + 1));
    for (std::int64_t k = p; k < m; ++k)
        if (static_cast<double>(h(k)) < B && B <= static_cast<double>(h(k + 1))) fee = stepped(k);
    if (B > static_cast<double>(h(m))) fee = stepped(m);
    return fee;
}

bool is14bAct(std::string_view d) {
    return d == kAct14bClaim || d == kActTakeOver || d == kActSimpleDemand || d == kActReasonedDemand ||
           d == kActEnforcementConsultation || d == kActEnforcementMotion;
}

}  // namespace

Tables Tables::load(const std::filesystem::path& programDir) {
    return Tables{IniFile::load(programDir / "za_ukon.ini"), IniFile::load(programDir / "tarif_specialni.ini"),
                  IniFile::load(programDir / "dph.ini")};
}

std::string Tarifni_Zaklad(const IniFile& special, std::string_view tariffValue, int kind, Date date) {
    if (kind == 0) return std::string(tariffValue);
    const std::string version = Platna_Novelizace(special, kind, date);
    const std::string value = special.readString(std::to_string(kind), version);
    return value.substr(0, value.find(','));
}

double Snizeni_Z_Hodnoty(std::string_view specialValue) {
    const auto comma = specialValue.find(',');
    if (comma == std::string_view::npos) return 0;
    const std::string fraction = Nahrad_Vse(specialValue.substr(comma + 1), ".", ",");
    return tryParseDecimal(fraction).value_or(0);
}

bool Je_14b(const TAdvokatni_Tarif& calc, std::size_t i) {
    return calc.par14b && i < calc.acts.size() && i < calc.tariffBases.size() &&
           is14bAct(calc.acts[i].description) && calc.tariffBases[i] <= kLimit14b;
}

void Odmena_Za_Ukon(const IniFile& scale, const IniFile& special, std::size_t i, TAdvokatni_Tarif& calc) {
    TTarifUkon& act = calc.acts.at(i);
    const double B = calc.tariffBases.at(i);
    const bool par14b = Je_14b(calc, i);
    double fee = 0;

    if (par14b) {
        const std::string& d = act.description;
        if (d == kAct14bClaim || d == kActTakeOver || d == kActReasonedDemand)
            // "do 10 000 Kč", "přes 10 000 do 30 000 Kč", "přes 30 000 Kč": upper limits belong to the band.
            fee = B <= 10000 ? 200 : B <= 30000 ? 300 : 500;
        else
            fee = 100;
        // Together the § 14b fees never exceed the tariff base.
        if (calc.sum14b + fee > B) fee = std::max(0.0, B - calc.sum14b);
        calc.sum14b += fee;
    } else {
        fee = scaleFee(scale, act.scaleVersion, B);
        const double r = Snizeni_Z_Hodnoty(special.readString(std::to_string(calc.kind), act.specialVersion));
        const Date day = act.date;
        switch (calc.appointment) {
        case Appointment::None:
            break;
        case Appointment::ExOfficioDefence:
            fee *= 1 - r;
            if (day >= kCuts2013 && fee > kCap) fee = kCap;
            break;
        case Appointment::Representative:
            if (day >= kCuts2011 && day <= kCuts2012End) {
                fee *= kFactor2011;
                if (fee > kCap) fee = kCap;
            } else if (day >= kCuts2013) {
                fee *= 1 - r;
                if (fee > kCap) fee = kCap;
            }
            break;
        case Appointment::ChildsGuardian:
            if (day >= kCuts2011 && day <= kCuts2012End) {
                fee *= kFactor2011;
            } else if (day >= kCuts2013) {
                fee *= 1 - r;
                if (fee > kCap) fee = kCap;
            }
            break;
        }
    }

    if (calc.persons > 1) fee = fee * kPerPerson * calc.persons;
    if (calc.scaling == Scaling::Halve) fee /= 2;
    if (calc.scaling == Scaling::Triple) fee *= 3;
    if (calc.percentageOn)
        fee = calc.percentage > 0 ? fee * (1 + calc.percentage / 100) : fee * (1 - std::fabs(calc.percentage) / 100);
    if (!act.fullAct && !par14b) fee /= 2;

    const double lumpSum = par14b ? static_cast<double>(scale.readInteger(act.scaleVersion, "rezijni_pausal_formularova", 100))
                                  : static_cast<double>(scale.readInteger(act.scaleVersion, "rezijni_pausal", 0));
    ActVat& vat = calc.vat.at(i);
    if (calc.vatPayer) {
        vat.onFee = fee * vat.rate / 100;
        vat.onLumpSum = lumpSum * vat.rate / 100;
    } else {
        vat.onFee = 0;
        vat.onLumpSum = 0;
    }
    act.fee = fee;
    act.lumpSum = lumpSum;
    calc.feeTotal += fee;
    calc.lumpSumTotal += lumpSum;
    calc.vatOnLumpSums += vat.onLumpSum;
    calc.vatOnFees += vat.onFee;
}

void readPercentage(bool raiseSelected, bool lowerSelected, std::string_view raiseText, std::string_view lowerText,
                    bool& on, double& percentage) {
    if (!raiseSelected && !lowerSelected) {
        on = false;
        percentage = 0;
        return;
    }
    double p = parseDecimal(raiseText);
    if (lowerSelected) {
        const double lower = parseDecimal(lowerText);
        // A cut of more than the whole fee would make it negative.
        if (lower > 100) throw ConversionError("Odměnu nelze snížit o více než 100 %.");
        p = -lower;
    }
    on = true;
    percentage = p;
}

void setPercentage(TariffForm& form, double percent) {
    if (percent < 0) {
        form.adjustment = FeeAdjustment::Lower;
        form.raiseText = "0";
        form.lowerText = Format_Cislo(-percent);
    } else {
        form.adjustment = FeeAdjustment::Raise;
        form.raiseText = Format_Cislo(percent);
    }
}

std::vector<ActRow> sortActs(const std::vector<ActRow>& rows) {
    struct Keyed {
        Date date;
        std::string description, kind;
        std::size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keyed.push_back({parseDate(rows[i].date), asciiLower(rows[i].description), asciiLower(rows[i].kind), i});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.date != b.date) return a.date < b.date;
        if (a.description != b.description) return a.description < b.description;
        return a.kind < b.kind;
    });
    std::vector<ActRow> out;
    out.reserve(rows.size());
    for (const Keyed& k : keyed) out.push_back(rows[k.index]);
    return out;
}

TariffResult Vypocitat(const TariffForm& form, const Tables& tables) {
    TariffResult result;
    TAdvokatni_Tarif& calc = result.calc;
    calc.persons = form.persons;
    readPercentage(form.adjustment == FeeAdjustment::Raise, form.adjustment == FeeAdjustment::Lower,
                   form.raiseText, form.lowerText, calc.percentageOn, calc.percentage);
    if (!form.kind) throw ConversionError("Není zvolen druh řízení; zvolte jej (obvykle „Peněžité plnění“).");
    if (*form.kind < 0 || *form.kind >= kKindCount)
        throw ConversionError("Druh řízení č. " + std::to_string(*form.kind) + " program nezná.");
    calc.kind = *form.kind;
    calc.scaling = form.scaling;
    calc.appointment = form.appointment;
    calc.vatPayer = form.vatPayer;
    calc.par14b = form.par14b;

    std::vector<ActRow> rows = form.acts;
    if (rows.empty() || (rows.size() == 1 && rows.front().date.empty()))
        rows = {ActRow{formatDate(form.defaultDate), form.defaultDescription, std::string(kFullActKind)}};
    rows = sortActs(rows);

    for (const ActRow& row : rows) {
        const Date date = parseDate(row.date);
        if (calc.par14b && (row.description == kAct14bClaim || row.description == kActEnforcementMotion) &&
            date < kStart14b) {
            calc.par14b = false;
            result.par14bRemoved = true;
        }
        const std::string baseText = Tarifni_Zaklad(tables.special, form.tariffValue, calc.kind, date);
        const auto base = tryParseDecimal(baseText);
        if (!base) {
            if (calc.kind == 0) parseDecimal(baseText);  // the usual message naming the text
            if (baseText.empty())
                throw ConversionError("Pro druh řízení č. " + std::to_string(calc.kind) +
                                      " nemá tabulka tarif_specialni.ini ke dni " + formatDate(date) +
                                      " žádnou tarifní hodnotu.");
            throw ConversionError("Úkon ze dne " + formatDate(date) + ": " + baseText);
        }
        if (!(std::fabs(*base) < kMaxTariffBase))
            throw ConversionError("Tarifní hodnota " + Format_Castky(*base) + " je mimo rozsah, který program počítá.");

        TTarifUkon act;
        act.date = date;
        act.description = row.description;
        act.scaleVersion = Platna_Novelizace(tables.scale, 0, date);
        act.specialVersion = Platna_Novelizace(tables.special, calc.kind, date);
        act.fullAct = row.kind == kFullActKind;
        ActVat vat;
        vat.rate = static_cast<double>(tables.vat.readInteger(Platna_Novelizace(tables.vat, 0, date), "zvysena", 0));
        if (act.fullAct) ++calc.fullActs;
        else ++calc.halfActs;
        calc.acts.push_back(std::move(act));
        calc.tariffBases.push_back(*base);
        calc.vat.push_back(vat);
    }
    for (std::size_t i = 0; i < calc.acts.size(); ++i) Odmena_Za_Ukon(tables.scale, tables.special, i, calc);
    result.acts = std::move(rows);
    return result;
}

std::vector<std::string> summaryLines(const TAdvokatni_Tarif& calc) {
    auto F = [](double x) { return Format_Castky(x); };
    const std::string equals(55, '=');
    std::vector<std::string> L;
    L.push_back("Mimosmluvní odměna advokáta podle vyhl. č. 177/1996 Sb.");
    L.push_back(calc.kind >= 0 && calc.kind < kKindCount ? kindItems()[static_cast<std::size_t>(calc.kind)]
                                                         : std::string());
    L.push_back(std::string(59, '-'));
    L.push_back("");
    if (calc.persons > 1) L.push_back("Více osob: " + std::to_string(calc.persons));
    if (calc.scaling == Scaling::Halve) L.push_back("Odměna za každý úkon snížena na polovinu.");
    if (calc.scaling == Scaling::Triple) L.push_back("Odměna za každý úkon zvýšena na trojnásobek.");
    if (calc.percentageOn) {
        if (calc.percentage > 0)
            L.push_back("Odměna za jeden úkon právní služby zvýšena o " + Format_Cislo(calc.percentage) + "%.");
        else
            L.push_back("Odměna za jeden úkon právní služby snížena o " + Format_Cislo(std::fabs(calc.percentage)) + "%.");
    }
    if (calc.appointment == Appointment::Representative) L.push_back("Sníženo z důvodu ustanovení zástupcem.");
    if (calc.appointment == Appointment::ExOfficioDefence)
        L.push_back("Sníženo z důvodu odměny ustanoveného obhájce v trestním řízení.");
    if (calc.appointment == Appointment::ChildsGuardian) L.push_back("Sníženo z důvodu opatrovnické věci.");
    if (calc.par14b) {
        L.push_back("Zohledněna úprava odměn dle § 14b vyhlášky č. 177/1996 Sb.");
        L.push_back("");
    }
    for (std::size_t i = 0; i < calc.acts.size(); ++i) {
        const TTarifUkon& a = calc.acts[i];
        const ActVat& v = calc.vat[i];
        L.push_back("Tarifní základ: " + F(calc.tariffBases[i]));
        L.push_back(a.fullAct ? "Právní úkon dle § 11 odst. 1: " : "Právní úkon dle § 11 odst. 2: ");
        L.push_back(formatDate(a.date) + ": " + a.description);
        L.push_back("Odměna: " + F(a.fee) + ", režijní paušál " + F(a.lumpSum));
        if (calc.vatPayer)
            L.push_back("DPH " + Format_Cislo(v.rate) + "%: " + F(v.onFee + v.onLumpSum) + " (z odměny " + F(v.onFee) +
                        ", z paušálu " + F(v.onLumpSum) + ")");
        L.push_back("Celkem za tento úkon: " + F(a.fee + a.lumpSum + v.onFee + v.onLumpSum));
        L.push_back(std::string(36, '-'));
    }
    L.insert(L.end(), {"", equals, ""});
    L.push_back("Počet právních úkonů dle § 11 odst. 1: " + std::to_string(calc.fullActs));
    L.push_back("Počet právních úkonů dle § 11 odst. 2: " + std::to_string(calc.halfActs));
    L.push_back("");
    L.push_back("Režijní paušály celkem: " + F(calc.lumpSumTotal));
    L.push_back("Odměna za všechny PÚ činí: " + F(calc.feeTotal));
    if (calc.vatOnFees > 0) {
        L.push_back("");
        L.push_back("DPH z odměny: " + F(calc.vatOnFees));
        L.push_back("DPH z režijních paušálů: " + F(calc.vatOnLumpSums));
        L.push_back("DPH celkem: " + F(calc.vatTotal()));
    }
    L.push_back("");
    L.push_back("Odměna celkem: " + F(calc.grandTotal()));
    L.insert(L.end(), {"", equals, ""});
    L.push_back("Vyčíslení nákladů k orgánům:");
    L.push_back("Žalobce navrhuje, aby byl žalovaný zavázán / Žalovaný navrhuje, aby byl žalobce zavázán");
    L.push_back("k náhradě nákladů řízení, které sestávají z odměny za zastoupení advokátem dle vyhl. č. 177/1996 Sb. "
                "v celkové výši " + F(calc.grandTotal()) + ", když zástupce učinil tyto úkony právní služby: ");
    std::string list;
    for (std::size_t i = 0; i < calc.acts.size(); ++i) {
        const TTarifUkon& a = calc.acts[i];
        if (i > 0) list += ", ";
        list += "dne " + formatDate(a.date) + " " + a.description + " `a " + F(a.fee) + " + RP " + F(a.lumpSum);
    }
    if (calc.vatTotal() > 0) list += ", společně s DPH ve výši " + F(calc.vatTotal());
    L.push_back(list);
    return L;
}

}  // namespace verdika::tariff
