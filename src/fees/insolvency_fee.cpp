#include "fees/insolvency_fee.h"

#include <algorithm>

#include "common/errors.h"
#include "common/numbers.h"
#include "fees/band_table.h"

namespace verdika::fees {
namespace {

std::string fileName(const IniFile& table) { return tableFileName(table, "insolvence.ini"); }

void requireSection(const IniFile& table, const std::string& section) {
    if (!table.hasSection(section))
        throw DataError("Tabulka " + fileName(table) + " nemá oddíl [" + section + "]; odměnu nelze spočítat.");
}

// The band of the proceeds A: band k covers A from border k − 1 inclusive to
// border k exclusive; a band without a border is open-ended.
BandPart bankruptcyPart(const IniFile& table, const std::string& section, const std::string& p, double a) {
    BandPart part;
    // A band needs keys of its own: a garbled count never runs past the section.
    const std::int64_t count = std::min<std::int64_t>(table.readInteger(section, p + "pocet", 0),
                                                      static_cast<std::int64_t>(table.sectionKeys(section).size()));
    double lower = 0;
    for (std::int64_t k = 1; k <= count; ++k) {
        const std::string key = p + std::to_string(k);
        const bool hasBorder = table.hasKey(section, key + "_hranice");
        const auto border = static_cast<double>(table.readInteger(section, key + "_hranice", 0));
        if (border > a || !hasBorder) {
            part.fee = static_cast<double>(table.readInteger(section, key + "_odmena", 0)) +
                       (a - lower) * table.readDecimal(section, key + "_procento", 0);
            return part;
        }
        lower = border;
    }
    part.outOfRange = a > 0;
    return part;
}

std::string money(double v) { return Format_Castky(v); }

}  // namespace

std::vector<InsolvencyVersion> insolvencyVersions(const IniFile& table) {
    std::vector<std::string> prefixes;
    for (auto& [key, value] : table.sectionValues("novelizace")) prefixes.push_back(value);
    if (prefixes.empty()) prefixes = {"31.12.2012", "1.1.2013", "1.1.2014"};
    std::vector<InsolvencyVersion> out;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        std::string label;
        std::string until;
        if (i + 1 < prefixes.size())
            if (auto next = tryParseDate(prefixes[i + 1])) until = formatDate(*next - std::chrono::days(1));
        if (i == 0 && !until.empty())
            label = "do " + until;
        else if (!until.empty())
            label = "od " + prefixes[i] + " do " + until;
        else
            label = "od " + prefixes[i];
        out.push_back({prefixes[i], label});
    }
    return out;
}

int insolvencyVersionOn(const std::vector<InsolvencyVersion>& versions, Date day) {
    int index = 0;
    // The first prefix names the original text, not the day an amendment took effect.
    for (size_t i = 1; i < versions.size(); ++i) {
        auto d = tryParseDate(versions[i].prefix);
        if (!d || *d > day) break;
        index = static_cast<int>(i);
    }
    return index;
}

std::string insolvencyCaption(const IniFile& table, std::string_view prefix) {
    const std::string wording = table.readString("zneni", prefix);
    return "Dle vyhlášky č. 313/2007 Sb." + (wording.empty() ? std::string() : " " + wording);
}

bool hasReliefRateBeforeApproval(const IniFile& table, std::string_view prefix) {
    return table.readDecimal(std::string(prefix) + "-oddluzeni", "mesicne_pred_schvalenim", 0) > 0;
}

InsolvencyResult computeInsolvency(const IniFile& table, const InsolvencyInput& in) {
    if (!table.exists()) throw DataError("Tabulka " + fileName(table) + " chybí; odměnu nelze spočítat.");
    const std::string bankruptcy = in.version + "-konkurs";
    const std::string reorganisation = in.version + "-reorganizace";
    const std::string relief = in.version + "-oddluzeni";
    requireSection(table, bankruptcy);
    requireSection(table, reorganisation);

    InsolvencyResult r;
    r.secured = bankruptcyPart(table, bankruptcy, "z_", in.secured);
    r.unsecured = bankruptcyPart(table, bankruptcy, "n_", in.unsecured);
    r.bankruptcyKnown = !r.secured.outOfRange && !r.unsecured.outOfRange;
    r.bankruptcyTotal = r.secured.fee + r.unsecured.fee;
    // The minimum belongs to a bankruptcy in which something was sold; with
    // no proceeds at all there is no fee from the proceeds.
    const double minimum = table.readDecimal(bankruptcy, "minimum", 0);
    if (in.secured + in.unsecured > 0 && minimum > r.bankruptcyTotal) r.bankruptcyTotal = minimum;

    r.reliefMonthly = table.readDecimal(relief, "mesicne", 750);
    r.reliefMonthlyBeforeApproval = table.readDecimal(relief, "mesicne_pred_schvalenim", 0);
    const int months = std::max(in.reliefMonths, 0);
    if (r.reliefMonthlyBeforeApproval > 0) {
        r.reliefMonthsBefore = std::clamp(in.reliefMonthsBeforeApproval, 0, months);
        r.relief = r.reliefMonthsBefore * r.reliefMonthlyBeforeApproval +
                   (months - r.reliefMonthsBefore) * r.reliefMonthly;
    } else {
        r.relief = months * r.reliefMonthly;
    }

    r.yearlyTurnover = 12 * in.turnover;
    const std::int64_t count = std::min<std::int64_t>(table.readInteger(reorganisation, "pocet", 0),
                                                      static_cast<std::int64_t>(table.sectionKeys(reorganisation).size()));
    for (std::int64_t k = 1; k <= count; ++k) {
        const std::string key = std::to_string(k);
        if (!table.hasKey(reorganisation, key + "_hranice") ||
            static_cast<double>(table.readInteger(reorganisation, key + "_hranice", 0)) > r.yearlyTurnover) {
            r.reorganisationMonthly = static_cast<double>(table.readInteger(reorganisation, key + "_odmena", 0));
            break;
        }
    }
    r.reorganisation = in.reorganisationMonths * r.reorganisationMonthly;
    return r;
}

std::vector<std::string> bankruptcyMemoLines(const InsolvencyInput& in, const InsolvencyResult& r) {
    const std::string outside = "částka je mimo rozsah tabulky programu, určete ji podle vyhlášky";
    auto part = [&](const BandPart& p) { return p.outOfRange ? outside : money(p.fee); };
    std::vector<std::string> lines = {
        "Odměna insolvenčního správce, způsobem řešení je konkurz",
        "",
        "Pokud je řešením konkurs:",
        "Odměna - zajištění věřitelé: " + part(r.secured),
        "Odměna - nezajištění věřitelé: " + part(r.unsecured),
        "Odměna celkem: " + (r.bankruptcyKnown ? money(r.bankruptcyTotal)
                                               : std::string("nelze určit, část odměny je mimo rozsah tabulky")),
        "",
        "Pokud je řešením oddlužení plnění splátkového kalendáře",
        "Odměna za kalendářní měsíce: " + money(r.relief),
    };
    if (r.reliefMonthlyBeforeApproval > 0) {
        const int after = std::max(in.reliefMonths, 0) - r.reliefMonthsBefore;
        lines.push_back("z toho do schválení oddlužení " + std::to_string(r.reliefMonthsBefore) + " × " +
                        money(r.reliefMonthlyBeforeApproval) + ", po schválení " + std::to_string(after) + " × " +
                        money(r.reliefMonthly));
    }
    return lines;
}

std::vector<std::string> reorganisationMemoLines(const InsolvencyInput& in, const InsolvencyResult& r) {
    return {
        "Způsobem řešení úpadku je reorganizace",
        "",
        "Průměrný měsíční obrat: " + money(in.turnover),
        "Dvanáctinásobek měsíčního obratu: " + money(r.yearlyTurnover),
        "Odměna měsíčně: " + money(r.reorganisationMonthly),
        "Odměna insolvenčního správce celkem: " + money(r.reorganisation),
    };
}

}  // namespace verdika::fees
