#include "calculators/wage_deduction.h"

#include <chrono>
#include <cmath>
#include <numeric>

#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::wage {

namespace {

std::string tableName(const IniFile& table) {
    return table.path().filename().empty() ? std::string(kTable) : pathText(table.path().filename());
}

std::string periodText(int month, int year) { return std::to_string(month) + "/" + std::to_string(year); }

std::int64_t ceilDiv(std::int64_t num, std::int64_t den) { return num / den + (num % den > 0 ? 1 : 0); }

double kc(std::int64_t hellers) { return static_cast<double>(hellers) / 100; }

DataError badValue(const IniFile& table, const std::string& section, std::string_view key, const std::string& value) {
    return DataError("V tabulce " + tableName(table) + " má oddíl [" + section + "] neplatnou hodnotu " +
                     std::string(key) + "=„" + value + "“.");
}

// "2/3", "0,85", "1,5" or "2"; at most maxValue and with a denominator of at
// most 1000, so the exact products below stay far inside 64 bits.
Share readShare(const IniFile& table, const std::string& section, std::string_view key, std::int64_t maxValue) {
    const std::string text = trimmed(table.readString(section, key));
    Share s;
    s.text = text;
    bool ok = false;
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        const auto num = tryParseInteger(text.substr(0, slash));
        const auto den = tryParseInteger(text.substr(slash + 1));
        if (num && den && *num > 0 && *den > 0 && *den <= 1000) {
            s.num = *num;
            s.den = *den;
            ok = true;
        }
    } else if (!text.empty() && text.find_first_not_of("0123456789,.") == std::string::npos) {
        const auto comma = text.find_first_of(",.");
        const std::string whole = text.substr(0, comma);
        const std::string decimals = comma == std::string::npos ? std::string() : text.substr(comma + 1);
        // At most six whole digits and three decimals, checked before reading:
        // a longer number would overflow the reading itself.
        if (!whole.empty() && whole.size() <= 6 && decimals.find_first_of(",.") == std::string::npos &&
            decimals.size() <= 3) {
            s.den = 1;
            for (size_t i = 0; i < decimals.size(); ++i) s.den *= 10;
            s.num = std::stoll(whole + decimals);
            ok = s.num > 0;
        }
    }
    if (!ok || s.num > maxValue * s.den) throw badValue(table, section, key, text);
    const std::int64_t g = std::gcd(s.num, s.den);
    s.num /= g;
    s.den /= g;
    return s;
}

std::int64_t readWhole(const IniFile& table, const std::string& section, std::string_view key, std::int64_t max) {
    const std::string text = trimmed(table.readString(section, key));
    const auto v = tryParseInteger(text);
    if (!v || *v < 0 || *v > max) throw badValue(table, section, key, text);
    return *v;
}

// The section in force on the day, nullopt before the first one.
std::optional<std::string> versionOn(const IniFile& table, Date day) {
    std::optional<std::string> chosen;
    for (const auto& [key, value] : table.sectionValues("novelizace")) {
        const std::string name = trimmed(value);
        const auto from = tryParseDate(name);
        if (!from)
            throw DataError("V tabulce " + tableName(table) + " je v oddílu [novelizace] neplatné datum „" + value +
                            "“.");
        if (*from > day) break;
        chosen = name;
    }
    return chosen;
}

// The first section whose key holds a positive whole number (e.g. the day the
// employer's fee started); empty when none does.
std::string firstVersionWith(const IniFile& table, std::string_view key) {
    for (const auto& [k, value] : table.sectionValues("novelizace")) {
        const auto v = tryParseInteger(table.readString(trimmed(value), key));
        if (v && *v > 0) return trimmed(value);
    }
    return {};
}

// A period the sources left without figures has an empty housing amount.
bool hasFigures(const IniFile& table, const std::string& section) {
    return !trimmed(table.readString(section, "bydleni")).empty() &&
           !trimmed(table.readString(section, "zivotni_minimum")).empty();
}

Date lastDayOfMonth(int year, int month) {
    using namespace std::chrono;
    return sys_days(year_month_day_last(std::chrono::year(year), month_day_last(std::chrono::month(
                                                                       static_cast<unsigned>(month)))));
}

void checkInput(const Input& in) {
    if (in.wageMonth < 1 || in.wageMonth > 12 || in.wageYear < 1900 || in.wageYear > 9999)
        throw WageError("Mzdové období zadejte jako měsíc a rok, např. 3/2026.");
    if (!std::isfinite(in.netWage) || in.netWage < 0)
        throw WageError("Čistá mzda musí být nezáporná částka.");
    if (in.netWage > kMaxNetWage)
        throw WageError("Čistá mzda nad " + Format_Castky(kMaxNetWage) + " je mimo rozsah výpočtu.");
    if (in.dependants < 0 || in.dependants > kMaxDependants)
        throw WageError("Počet vyživovaných osob musí být celé číslo 0 až " + std::to_string(kMaxDependants) + ".");
}

}  // namespace

std::optional<std::pair<int, int>> parseWagePeriod(std::string_view text) {
    const std::string t = trimmed(text);
    const auto slash = t.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const auto month = tryParseInteger(t.substr(0, slash));
    const auto year = tryParseInteger(t.substr(slash + 1));
    if (!month || !year || *month < 1 || *month > 12 || *year < 1900 || *year > 9999) return std::nullopt;
    if (t.substr(slash + 1).size() != 4) return std::nullopt;
    return std::pair{static_cast<int>(*month), static_cast<int>(*year)};
}

Date defaultPaymentDate(int wageYear, int wageMonth) {
    return wageMonth == 12 ? makeDate(wageYear + 1, 1, 15) : makeDate(wageYear, static_cast<unsigned>(wageMonth + 1), 15);
}

Period readPeriod(const IniFile& table, const std::string& section) {
    Period p;
    p.name = section;
    p.from = parseDate(section);
    p.note = trimmed(table.readString(section, "poznamka"));
    if (!hasFigures(table, section))
        throw WageError("Pro období od " + section + " tabulka " + tableName(table) + " neuvádí částky, srážky proto "
                        "nelze spočítat." + (p.note.empty() ? "" : " " + p.note));
    p.subsistence = readWhole(table, section, "zivotni_minimum", 1'000'000);
    p.housing = readWhole(table, section, "bydleni", 1'000'000);
    p.debtorShare = readShare(table, section, "podil_povinny", 1);
    p.dependantShare = readShare(table, section, "podil_vyzivovana", 1);
    p.thresholdMultiple = readShare(table, section, "nasobek_hranice", 10);
    const std::string rule = trimmed(table.readString(section, "rozhoduje"));
    if (rule == "obdobi") p.decidedBy = DecidedBy::WagePeriod;
    else if (rule == "vyplata") p.decidedBy = DecidedBy::PaymentYear;
    else throw badValue(table, section, "rozhoduje", rule);
    const std::string spouse = trimmed(table.readString(section, "manzel"));
    if (spouse == "vzdy") p.spouse = SpouseRule::Always;
    else if (spouse == "duchod") p.spouse = SpouseRule::WithPension;
    else throw badValue(table, section, "manzel", spouse);
    p.employerFee = readWhole(table, section, "nahrada_platce", 10'000);
    p.fourExecutions = readWhole(table, section, "ctyri_exekuce", 1) == 1;
    p.unconfirmed = table.readBool(section, "nepotvrzeno", false);
    return p;
}

Period periodFor(const IniFile& table, const Input& in, Date* decisive) {
    const std::string file = tableName(table);
    if (!table.exists())
        throw DataError("Tabulka " + file + " v adresáři programu chybí; srážky ze mzdy nelze spočítat.");
    if (table.sectionValues("novelizace").empty())
        throw DataError("Tabulka " + file + " nemá žádné období v oddílu [novelizace].");
    const auto end = tryParseDate(table.readString("platnost", "do"));
    if (!end) throw DataError("V tabulce " + file + " chybí poslední den platnosti ([platnost] do=d.m.rrrr).");

    const Date start = makeDate(in.wageYear, static_cast<unsigned>(in.wageMonth), 1);
    if (in.payment < start)
        throw WageError("Den výplaty " + formatDate(in.payment) + " předchází mzdovému období " +
                        periodText(in.wageMonth, in.wageYear) + ".");
    // Once the payment-year rule is in force it decides for every wage paid
    // under it; before, a rise counts from the wage period it falls into.
    Date day = lastDayOfMonth(in.wageYear, in.wageMonth);
    const Date newYear = makeDate(yearOf(in.payment), 1, 1);
    const auto paymentVersion = versionOn(table, newYear);
    const bool byPayment = paymentVersion && trimmed(table.readString(*paymentVersion, "rozhoduje")) == "vyplata";
    if (byPayment) day = newYear;
    if (day > *end)
        throw WageError(byPayment ? "Tabulka " + file + " uvádí částky pro mzdy vyplacené nejpozději " +
                                        formatDate(*end) + "; pro výplatu dne " + formatDate(in.payment) +
                                        " je zatím nemá."
                                  : "Tabulka " + file + " uvádí částky nejdéle do " + formatDate(*end) +
                                        "; pro mzdové období " + periodText(in.wageMonth, in.wageYear) +
                                        " je zatím nemá.");
    const auto version = byPayment ? paymentVersion : versionOn(table, day);
    if (!version) {
        const Date first = parseDate(trimmed(table.sectionValues("novelizace").front().second));
        throw WageError("Tabulka " + file + " uvádí částky od mzdového období " +
                        periodText(static_cast<int>(monthOf(first)), yearOf(first)) + "; pro období " +
                        periodText(in.wageMonth, in.wageYear) + " je nemá.");
    }
    if (!hasFigures(table, *version)) {
        const std::string note = trimmed(table.readString(*version, "poznamka"));
        throw WageError("Pro mzdové období " + periodText(in.wageMonth, in.wageYear) + " tabulka " + file +
                        " neuvádí částky, srážky proto nelze spočítat." + (note.empty() ? "" : " " + note));
    }
    if (decisive) *decisive = day;
    return readPeriod(table, *version);
}

Result compute(const IniFile& table, const Input& in) {
    checkInput(in);
    Result r;
    r.period = periodFor(table, in, &r.decisive);
    const Period& p = r.period;
    r.counted = in.dependants + (in.spouse ? 1 : 0);

    // Z = S × a/b × (1 + n × c/d), exact; only the total goes up to whole Kč.
    const std::int64_t s = p.subsistence + p.housing;
    const Share& a = p.debtorShare;
    const Share& c = p.dependantShare;
    r.debtorAmount = static_cast<double>(s * a.num) / static_cast<double>(a.den);
    r.dependantAmount = static_cast<double>(s * a.num * c.num) / static_cast<double>(a.den * c.den);
    const std::int64_t zKc = ceilDiv(s * a.num * (c.den + r.counted * c.num), a.den * c.den);
    const Share& t = p.thresholdMultiple;
    const std::int64_t tKc = ceilDiv(s * t.num, t.den);
    r.nonSeizable = static_cast<double>(zKc);
    r.threshold = static_cast<double>(tKc);
    r.thresholdExact = static_cast<double>(s * t.num) / static_cast<double>(t.den);

    const std::int64_t net = std::llround(in.netWage * 100);
    const std::int64_t rest = std::max<std::int64_t>(0, net - zKc * 100);
    const std::int64_t above = std::max<std::int64_t>(0, rest - tKc * 100);
    const std::int64_t upToThreshold = (rest - above) / 100;  // whole Kč, hellers dropped
    const std::int64_t byThree = upToThreshold - upToThreshold % 3;
    r.remainder = kc(rest);
    r.aboveThreshold = kc(above);
    r.remainderByThree = static_cast<double>(byThree);
    r.third = static_cast<double>(byThree / 3);

    const bool fourApply = in.fourOrMoreExecutions && p.fourExecutions && !in.insolvency;
    r.thirdsTaken = (in.insolvency || in.claim != Claim::Ordinary || fourApply) ? 2 : 1;
    const std::int64_t deduction = r.thirdsTaken * (byThree / 3) * 100 + above;
    r.deduction = kc(deduction);
    r.paidToDebtor = kc(net - deduction);
    if (p.employerFee > 0 && !in.insolvency && deduction > 0) {
        // At most a third of the deduction, in whole Kč up.
        const std::int64_t cap = ceilDiv(deduction, 300) * 100;
        r.employerFee = kc(std::min(p.employerFee * 100, cap));
    }
    r.toCreditors = r.deduction - r.employerFee;

    // The notes the summary carries where the choice matters.
    if (!p.note.empty()) r.notes.push_back(p.note);
    if (p.unconfirmed)
        r.notes.push_back("Částky tohoto období nejsou ověřeny v úředním textu; před použitím výsledek ověřte.");
    // The rounding of a threshold with hellers matters only once the remainder reaches it.
    if (s * t.num % t.den != 0 && rest > s * t.num * 100 / t.den)
        r.notes.push_back("Hranice " + Format_Castky(r.thresholdExact) +
                          " je zaokrouhlena na celé koruny nahoru; nařízení její zaokrouhlení neupravuje.");
    if (p.decidedBy == DecidedBy::PaymentYear) {
        const auto own = versionOn(table, lastDayOfMonth(in.wageYear, in.wageMonth));
        if (own && trimmed(table.readString(*own, "rozhoduje")) != "vyplata")
            r.notes.push_back("Mzda za období " + periodText(in.wageMonth, in.wageYear) + " vyplacená v roce " +
                              std::to_string(yearOf(in.payment)) +
                              ": použity částky platné 1. ledna roku výplaty; přechodné ustanovení pro tento "
                              "případ nebylo ověřeno.");
    }
    if (in.spouse && p.spouse == SpouseRule::WithPension)
        r.notes.push_back("Manžel/ka se započítává jen tehdy, pobírá-li povinný nebo manžel/ka starobní, invalidní "
                          "(II. nebo III. stupně) nebo sirotčí důchod.");
    if (in.claim == Claim::Maintenance)
        r.notes.push_back("Osoba, v jejíž prospěch se vymáhá výživné, se mezi vyživované osoby nezapočítává; "
                          "běžné výživné se uspokojuje přednostně.");
    if (in.insolvency)
        r.notes.push_back("Oddlužení: sráží se jako pro přednostní pohledávky; paušální náhrada plátce mzdy se "
                          "neuplatní.");
    else if (in.fourOrMoreExecutions && !p.fourExecutions)
        r.notes.push_back("Pravidlo o čtyřech a více exekucích se na toto období nevztahuje.");
    if (r.employerFee > 0) {
        const std::string since = firstVersionWith(table, "nahrada_platce");
        r.notes.push_back("Paušální náhrada plátce mzdy náleží u výkonu rozhodnutí a exekucí nařízených od " + since +
                          "; hradí se ze srážky a srážku nezvyšuje.");
    }
    return r;
}

std::string claimText(Claim c) {
    switch (c) {
        case Claim::Maintenance: return "přednostní – výživné";
        case Claim::Preferential: return "jiná přednostní";
        case Claim::Ordinary: break;
    }
    return "nepřednostní";
}

std::vector<std::string> summaryLines(const Input& in, const Result& r) {
    const Period& p = r.period;
    std::vector<std::string> out;
    out.push_back("Srážky ze mzdy");
    out.push_back(std::string(59, '-'));
    out.push_back("Mzda za období " + periodText(in.wageMonth, in.wageYear) + ", výplata dne " +
                  formatDate(in.payment));
    out.push_back("Použité částky: období od " + p.name +
                  (p.decidedBy == DecidedBy::PaymentYear ? " (částky platné 1. ledna roku výplaty)"
                                                         : " (částky mzdového období)") +
                  (p.unconfirmed ? ", neověřené" : ""));
    out.push_back("Čistá mzda: " + Format_Castky(in.netWage));
    out.push_back("");
    out.push_back("Životní minimum jednotlivce: " + Format_Castky(static_cast<double>(p.subsistence)));
    out.push_back("Náklady na bydlení: " + Format_Castky(static_cast<double>(p.housing)));
    out.push_back("Nezabavitelná částka na povinného: " + Format_Castky(r.debtorAmount) + " (" +
                  p.debtorShare.text + " součtu)");
    out.push_back("Nezabavitelná částka na vyživovanou osobu: " + Format_Castky(r.dependantAmount) + " (" +
                  p.dependantShare.text + " částky na povinného)");
    out.push_back("Vyživované osoby: " + std::to_string(r.counted) + (in.spouse ? " (včetně manžela/manželky)" : ""));
    out.push_back("Nezabavitelná částka celkem: " + Format_Castky(r.nonSeizable));
    out.push_back("");
    out.push_back("Zbytek čisté mzdy: " + Format_Castky(r.remainder));
    out.push_back("Hranice, nad kterou se zbytek srazí bez omezení: " + Format_Castky(r.threshold) + " (" +
                  p.thresholdMultiple.text + " × součet)");
    out.push_back("Zbytek nad hranicí (sráží se celý): " + Format_Castky(r.aboveThreshold));
    out.push_back("Zbytek do hranice zaokrouhlený dolů na částku dělitelnou třemi: " +
                  Format_Castky(r.remainderByThree));
    out.push_back("Jedna třetina: " + Format_Castky(r.third));
    out.push_back(in.insolvency ? std::string("Oddlužení (insolvence)") : "Druh pohledávky: " + claimText(in.claim));
    if (in.fourOrMoreExecutions && !in.insolvency) out.push_back("Čtyři a více exekucí");
    out.push_back(std::string("Sráží se: ") + (r.thirdsTaken == 2 ? "dvě třetiny" : "jedna třetina") +
                  " a celý zbytek nad hranicí");
    out.push_back(std::string(16, '-'));
    out.push_back("Srážka celkem: " + Format_Castky(r.deduction));
    out.push_back("Povinnému se vyplatí: " + Format_Castky(r.paidToDebtor));
    if (r.employerFee > 0) {
        out.push_back("Paušální náhrada plátce mzdy (ze srážky): " + Format_Castky(r.employerFee));
        out.push_back("Věřitelům připadne: " + Format_Castky(r.toCreditors));
    }
    if (!r.notes.empty()) {
        out.push_back("");
        out.push_back("Poznámky:");
        for (const auto& n : r.notes) out.push_back("- " + n);
    }
    out.push_back("");
    return out;
}

std::string periodExplanation(const Period& p) {
    const std::int64_t s = p.subsistence + p.housing;
    const double n = static_cast<double>(s * p.debtorShare.num) / static_cast<double>(p.debtorShare.den);
    const double v = n * p.dependantShare.value();
    const double t = static_cast<double>(ceilDiv(s * p.thresholdMultiple.num, p.thresholdMultiple.den));
    std::string text = "Období od " + p.name +
                       (p.decidedBy == DecidedBy::PaymentYear
                            ? " (rozhodují částky platné 1. ledna roku výplaty mzdy)."
                            : " (rozhodují částky platné v měsíci, za který se mzda vyplácí).");
    text += "\nNa povinného nesmí být sraženo " + p.debtorShare.text + " součtu životního minima jednotlivce (" +
            Format_Castky(static_cast<double>(p.subsistence)) + ") a nákladů na bydlení (" +
            Format_Castky(static_cast<double>(p.housing)) + "), tj. " + Format_Castky(n) +
            "; na každou vyživovanou osobu " + p.dependantShare.text + " této částky (" + Format_Castky(v) +
            "). Celkový součet se zaokrouhluje na celé koruny nahoru.";
    text += "\nZbytek čisté mzdy se zaokrouhlí dolů na částku dělitelnou třemi. Sráží se jedna třetina, "
            "u přednostních pohledávek a v oddlužení dvě třetiny";
    if (p.fourExecutions) text += " (dvě třetiny i při čtyřech a více exekucích)";
    text += ". Zbytek nad " +
            (p.thresholdMultiple.num == p.thresholdMultiple.den ? std::string("tímto součtem")
                                                                : p.thresholdMultiple.text + "násobkem součtu") +
            " (" + Format_Castky(t) + ") se srazí celý.";
    text += p.spouse == SpouseRule::Always
                ? "\nManžel/ka se mezi vyživované osoby započítává vždy."
                : "\nManžel/ka se započítává jen při starobním, invalidním (II. nebo III. stupně) nebo sirotčím "
                  "důchodu povinného nebo manžela/ky.";
    if (p.employerFee > 0)
        text += "\nPaušální náhrada plátce mzdy " + Format_Castky(static_cast<double>(p.employerFee)) +
                " měsíčně se hradí ze srážky (ne v oddlužení).";
    if (p.unconfirmed) text += "\nČástky tohoto období nejsou ověřeny v úředním textu.";
    return text;
}

}  // namespace verdika::wage
