#include "costs/costs.h"

#include <algorithm>
#include <cmath>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "common/versioned.h"
#include "fees/court_fee.h"

namespace verdika::costs {
namespace {

constexpr std::int64_t kMaxBands = 100;
constexpr std::int64_t kMaxFigure = 1'000'000'000'000'000;  // 10^15 Kč

std::string tableName(const IniFile& table, std::string_view fallback) {
    std::string name = pathText(table.path().filename());
    return name.empty() ? std::string(fallback) : name;
}

std::int64_t scaleFigure(const IniFile& scale, std::string_view version, const std::string& key) {
    const std::int64_t v = scale.readInteger(version, key, 0);
    if (v < -kMaxFigure || v > kMaxFigure)
        throw DataError("Tabulka " + tableName(scale, kScaleTable) + ", znění [" + std::string(version) +
                        "]: hodnota " + key + " = " + std::to_string(v) + " je mimo rozumný rozsah; výpočet nelze provést.");
    return v;
}

// § 19a: the increase for two or for more represented persons.
void applyPersons(TNaklady_rizeni& r, const IniFile& scale, std::string_view version) {
    if (r.pocet_osob < 2) return;
    const char* key = r.pocet_osob == 2 ? "dve_osoby" : "vice_osob";
    if (!scale.hasKey(version, key))
        throw DataError(std::string(kNotInTable) + " Zvýšení odměny při zastoupení " +
                        (r.pocet_osob == 2 ? "dvou osob" : "více než dvou osob") + " (§ 19a) pro znění ze dne " +
                        std::string(version) + " tabulka " + tableName(scale, kScaleTable) + " neuvádí.");
    r.odmena *= 1 + scale.readDecimal(version, key, 0);
}

const char* adjustmentProvision(std::string_view key) {
    if (key == "vykon_rozhodnuti") return "§ 12 odst. 1";
    if (key == "zastaveni_rizeni") return "§ 13 odst. 1";
    if (key == "zastaveni_odvolaciho_rizeni") return "§ 14 odst. 1";
    if (key == "jeden_pu") return "§ 18 odst. 1";
    return "§ 18 odst. 2";
}

void applyAdjustment(TNaklady_rizeni& r, const IniFile& scale, std::string_view version, const char* key) {
    if (!scale.hasKey(version, key))
        throw DataError(std::string(kAdjustmentError) + "\nÚpravu odměny podle " + adjustmentProvision(key) +
                        " pro znění ze dne " + std::string(version) + " tabulka " + tableName(scale, kScaleTable) +
                        " neuvádí.");
    try {
        Upravit_Odmenu(scale.readString(version, key), r);
    } catch (const DataError& e) {
        throw DataError(std::string(e.what()) + " (tabulka " + tableName(scale, kScaleTable) + ", znění [" +
                        std::string(version) + "], " + key + ")");
    }
}

// Steps shared by both kinds of claim: rounding, lump sums per act, VAT.
void finish(TNaklady_rizeni& r, const Tables& t) {
    r.odmena = roundUpToTens(r.odmena);

    r.rezijni_pausaly = 0;
    for (TPravniUkony& act : r.pravni_ukony) {
        const std::string v = Platna_Novelizace(t.lumpSums, 0, act.datum);
        if (!t.scale.hasKey(v, "rezijni_pausal"))
            throw DataError(std::string(kNotInTable) + " Režijní paušál pro úkon ze dne " + formatDate(act.datum) +
                            " (znění ze dne " + v + ") tabulka " + tableName(t.scale, kScaleTable) + " neuvádí.");
        act.rezijni_pausal = t.scale.readDecimal(v, "rezijni_pausal", 0);
        r.rezijni_pausaly = static_cast<std::int64_t>(
            roundHalfEven(static_cast<double>(r.rezijni_pausaly) + act.rezijni_pausal, 0));
    }
    r.rezijni_pausal =
        r.pravni_ukony.empty() ? 0 : static_cast<std::int64_t>(roundHalfEven(r.pravni_ukony.front().rezijni_pausal, 0));

    if (r.platce_dph) {
        r.dph_odmena = r.dph_sazba / 100 * r.odmena;
        r.dph_rp = r.dph_sazba / 100 * static_cast<double>(r.rezijni_pausaly);
    } else {
        r.dph_odmena = 0;
        r.dph_rp = 0;
    }
}

}  // namespace

Tables Tables::load(const std::filesystem::path& programDir) {
    Tables t;
    t.scale = IniFile::load(programDir / kScaleTable);
    t.lumpSums = IniFile::load(programDir / kLumpSumTable);
    t.items = IniFile::load(programDir / kItemTable);
    t.vat = IniFile::load(programDir / kVatTable);
    t.courtFees = IniFile::load(programDir / fees::kCourtFeeTable);
    return t;
}

void Seradit_Ukony(TNaklady_rizeni& record) {
    std::stable_sort(record.pravni_ukony.begin(), record.pravni_ukony.end(),
                     [](const TPravniUkony& a, const TPravniUkony& b) { return a.datum < b.datum; });
}

void Upravit_Odmenu(std::string_view triple, TNaklady_rizeni& record) {
    if (triple == ",,") throw DataError(std::string(kAdjustmentError));
    const auto parts = Rozdel_Text(',', triple);
    int numbers[3] = {0, 0, 0};
    bool ok = parts.size() == 3;
    for (size_t i = 0; ok && i < 3; ++i) {
        const auto n = tryParseInteger(parts[i]);
        ok = n && *n >= 0 && *n <= 1'000'000'000;
        if (ok) numbers[i] = static_cast<int>(*n);
    }
    if (!ok)
        throw DataError("Úprava odměny „" + std::string(triple) +
                        "“ není zapsána jako tři celá nezáporná čísla oddělená dvěma čárkami.");
    const auto [p, min, max] = numbers;
    record.snizeni_procento = p;
    record.snizeni_min = min;
    record.snizeni_max = max;
    if (p == 100 && min <= 0 && max <= 0) return;
    record.odmena = p * record.odmena / 100;
    if (min > record.odmena) record.odmena = min;
    if (max != 0 && record.odmena > max) record.odmena = max;
}

double roundUpToTens(double fee) {
    const double whole = roundHalfEven(fee, 0);
    if (std::fmod(whole, 10) == 0) return whole;
    return (std::trunc(whole / 10) + 1) * 10;
}

double scaleFee(const IniFile& scale, std::string_view version, double P) {
    const std::int64_t J = scale.readInteger(version, "castek_jednoduche", 0);
    const std::int64_t S = scale.readInteger(version, "castek_s_procenty", 0);
    if (J < 0 || S < 0 || J + S > kMaxBands)
        throw DataError("Tabulka " + tableName(scale, kScaleTable) + ", znění [" + std::string(version) +
                        "]: neplatný počet pásem (castek_jednoduche, castek_s_procenty); výpočet nelze provést.");
    if (J + S == 0)
        throw DataError(std::string(kNotInTable) + " Sazby § 3 odst. 1 pro znění vyhlášky ze dne " +
                        std::string(version) + " tabulka " + tableName(scale, kScaleTable) + " neuvádí.");
    auto H = [&](std::int64_t n) { return static_cast<double>(scaleFigure(scale, version, std::to_string(n) + "_hranice")); };
    auto O = [&](std::int64_t n) { return static_cast<double>(scaleFigure(scale, version, std::to_string(n) + "_odmena")); };
    auto Q = [&](std::int64_t n) { return scale.readDecimal(version, std::to_string(n) + "_procento", 0); };

    // The bands read "over X up to Y": a principal equal to a border belongs to
    // the lower band. In overlapping bands the last one wins.
    double fee = 0;
    for (std::int64_t i = 0; i < J; ++i)
        if (P > H(i) && P <= H(i + 1)) fee = O(i + 1);
    for (std::int64_t n = J; n < J + S; ++n)
        if (P > H(n) && P <= H(n + 1)) fee = O(n + 1) + (P - H(n)) * Q(n + 1);
    const std::int64_t L = J + S;
    if (P > H(L)) fee = O(L + 1) + (P - H(L)) * Q(L + 1);
    return fee;
}

void Spocitat_Odmenu_484(TNaklady_rizeni& r, const Tables& t, std::string_view version) {
    r.odmena = scaleFee(t.scale, version, r.jistina);
    applyPersons(r, t.scale, version);
    if (r.vykon_rozhodnuti) applyAdjustment(r, t.scale, version, "vykon_rozhodnuti");
    if (r.zastaveni_rizeni) applyAdjustment(r, t.scale, version, "zastaveni_rizeni");
    else if (r.zastaveni_odvolaciho) applyAdjustment(r, t.scale, version, "zastaveni_odvolaciho_rizeni");
    if (r.jeden_ukon) applyAdjustment(r, t.scale, version, "jeden_pu");
    finish(r, t);
}

void Spocitat_Odmenu_Specialni(TNaklady_rizeni& r, const Tables& t, std::string_view version484,
                               std::string_view itemVersion) {
    const std::string section = std::to_string(r.polozka);
    double fee = t.items.readDecimal(section, itemVersion, -1);
    if (fee == -1) {
        // A version that left the item unchanged has no entry: walk back from it
        // to the latest earlier version with a positive amount.
        std::int64_t k = 1;
        for (;; ++k) {
            const std::string v = t.items.readString("novelizace", std::to_string(k));
            if (v.empty() || v == itemVersion) break;
        }
        for (std::int64_t back = k - 1; back >= 1 && !(fee > 0); --back) {
            const std::string v = t.items.readString("novelizace", std::to_string(back));
            if (v.empty()) break;
            fee = t.items.readDecimal(section, v, -1);
        }
        if (!(fee > 0)) fee = -1;  // amounts of 0 in earlier versions do not count
    }
    if (fee < 0)
        throw DataError(std::string(kNotInTable) + " Položku " + section + " pro znění ze dne " +
                        std::string(itemVersion) + " tabulka " + tableName(t.items, kItemTable) + " neuvádí.");
    r.odmena = fee;
    applyPersons(r, t.scale, version484);
    if (r.zastaveni_rizeni) applyAdjustment(r, t.scale, version484, "zastaveni_rizeni");
    else if (r.zastaveni_odvolaciho) applyAdjustment(r, t.scale, version484, "zastaveni_odvolaciho_rizeni");
    if (r.slozita_vec) applyAdjustment(r, t.scale, version484, "slozita_vec");
    if (r.jeden_ukon) applyAdjustment(r, t.scale, version484, "jeden_pu");
    finish(r, t);
}

std::optional<double> vatRate(const IniFile& vat, Date date) {
    const std::string v = Platna_Novelizace(vat, 0, date);
    if (!vat.hasKey(v, "zvysena")) return std::nullopt;
    return static_cast<double>(vat.readInteger(v, "zvysena", 0));
}

std::string vatRateLabel(const std::filesystem::path& programDir, Date date) {
    try {
        const IniFile vat = IniFile::load(programDir / kVatTable);
        return vat.readString(Platna_Novelizace(vat, 0, date), "zvysena", "0") + "%";
    } catch (const Error&) {
        return "0%";
    }
}

}  // namespace verdika::costs
