#include "interest/interest_report.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace verdika::interest {

using std::chrono::days;

namespace {

// The plain form; whole numbers (most principals, days, rounded amounts) the
// short way, which gives the same text.
std::string plain(double v) {
    if (std::fabs(v) < 1e15 && v == std::trunc(v)) return std::to_string(static_cast<std::int64_t>(v));
    return Format_Cislo(v);
}

// The plain form of a value that repeats from period to period (a rate).
class PlainCache {
public:
    const std::string& operator()(double v) {
        if (!(v == last_) || text_.empty()) {
            last_ = v;
            text_ = plain(v);
        }
        return text_;
    }

private:
    double last_ = 0;
    std::string text_;
};
std::string money(Money m) { return Format_Castky(crowns(m)); }
std::string money(double v) { return Format_Castky(v); }
std::string date(Date d) { return formatDate(d); }
std::string whole(double v) { return plain(std::nearbyint(v) + 0.0); }

bool feeMode(const Computation& c) { return c.options.mode == Mode::Fee; }
bool customInterest(const Computation& c) { return c.options.customRate && !feeMode(c); }
bool daily(const Computation& c) { return c.options.kind == RateKind::Daily; }

// The late-fee periods after the first one are shown from the day after
// their first event (a month end).
Date shownStart(const Computation& c, const Period& p) { return feeMode(c) && !p.first ? p.from + days(1) : p.from; }

// The late fee's daily rate in percent, as the petition and the export name it.
std::string feePercent(const Period& p) { return plain(p.perMille / 10); }
std::string perMilleText(const Period& p) { return plain(p.perMille); }

const char* const kDebtor[] = {"Žalovaný je povinen", "Žalovaná je povinna", "Žalovaní jsou povinni"};
const char* const kCreditor[] = {"žalobci", "žalobkyni", "žalobcům"};

std::string claim(const PetitionOptions& p) { return kDebtor[static_cast<int>(p.debtor)]; }
std::string creditor(const PetitionOptions& p) { return kCreditor[static_cast<int>(p.creditor)]; }

const char* const kHalfYearClause =
    "přičemž v každém kalendářním pololetí, v němž trvá prodlení žalovaného, odpovídá výše úroků z prodlení ročně "
    "výši repo sazby stanovené ČNB, zvýšené o sedm procentních bodů a platné pro první den příslušného kalendářního "
    "pololetí";

std::string quoted(const std::string& field) {
    std::string out = "\"";
    for (char ch : field) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

std::string quotedRow(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) out += (i ? ";" : "") + quoted(fields[i]);
    return out;
}

}  // namespace

const char* payFromText(PayFrom from) {
    return from == PayFrom::PaymentOrder ? "doručení platebního rozkazu" : "právní moci rozhodnutí";
}

const char* regimeExplanation(int regime) {
    switch (regime) {
    case 1: return "(dvojnásobek diskontní sazby ČNB ke dni, v němž byl žalovaný prvně v prodlení)";
    case 2:
        return "(repo sazba ČNB k prvnímu dni kalendářního pololetí, v němž byl žalovaný prvně v prodlení, zvýšená o "
               "sedm procentních bodů)";
    case 3:
        return "(repo sazba ČNB k poslednímu dni kalendářního pololetí, které předchází kalendářnímu pololetí, v němž "
               "byl žalovaný prvně v prodlení, zvýšená o sedm procentních bodů)";
    case 4:
        return "(repo sazba ČNB k poslednímu dni kalendářního pololetí, které předchází kalendářnímu pololetí, v němž "
               "byl žalovaný prvně v prodlení, zvýšená o osm procentních bodů)";
    case 5:
        return "(repo sazba ČNB pro první den kalendářního pololetí, v němž došlo k prodlení, zvýšená o 8 procentních "
               "bodů)";
    default: return "";
    }
}

std::vector<std::string> reportLines(const Computation& c) {
    std::vector<std::string> out;
    const bool fee = feeMode(c);
    PlainCache rateText;
    const std::string yearText = plain(c.yearLength);
    for (const GroupResult& g : c.groups) {
        for (const ExcludedPayment& x : g.excluded)
            out.push_back("Úhrada ze dne " + date(x.day) + " ve výši " + money(x.amount) + " (skupina " + g.label +
                          ") je pozdější než den " + date(g.endDay) +
                          ", ke kterému se úrok počítá, a do výpočtu nebyla zahrnuta.");
        for (const Period& p : g.periods) {
            out.push_back("=========================================================");
            out.push_back("Označení jistiny: " + g.label);
            out.push_back("Období:");
            out.push_back("  Prodlení od: " + date(shownStart(c, p)));
            if (p.last || fee) {
                out.push_back("  Prodlení do: " + date(p.to));
                out.push_back("  Počet dní prodlení: " + std::to_string((p.to - p.from).count() + 1));
            } else {
                out.push_back("  Prodlení do: " + date(p.to - days(1)));
                out.push_back("  Počet dní prodlení: " + std::to_string((p.to - p.from).count()));
            }
            out.push_back("Jistina: " + money(p.principal));
            out.push_back("---------------------------------------------------------------------");
            out.push_back("    počet dní v daném období = " + std::to_string(p.days));
            if (fee) {
                out.push_back("    poplatek = " + perMilleText(p) + " ‰");
                std::string line = "    průběh výpočtu: " + plain(p.before) + " + (" + money(p.principal) +
                                   " / 100) * 0," + plain(p.minimum) + " * " + std::to_string(p.days);
                if (p.minimumCharged)
                    line += " - toto je ale menší, nežli " + plain(p.minimum) + " Kč, proto se připočte " +
                            plain(p.minimum) + " Kč";
                out.push_back(line);
            } else if (c.options.customRate) {
                out.push_back(daily(c) ? "    denní úrok = " + c.options.dailyRate
                                       : "    roční úrok = " + c.options.annualRate);
                out.push_back("    průběh výpočtu: " + plain(p.before) + " + (" + money(p.principal) + " / 100) * " +
                              c.options.dailyRate + " * " + std::to_string(p.days));
            } else {
                const std::string& rate = rateText(p.rate);
                out.push_back("    úrok z prodlení v procentech = " + rate + "%");
                out.push_back("    průběh výpočtu: " + plain(p.before) + " + (" + rate + " / 100) * " +
                              std::to_string(p.days) + " * " + money(p.principal) + " / " + yearText);
            }
            out.push_back((fee ? "    poplatek z prodlení v korunách = " : "    úrok z prodlení v korunách = ") +
                          plain(p.after));
            out.push_back("");
        }
        if (g.settledOn) {
            out.push_back("=========================================================");
            out.push_back("Jistina uhrazena ke dni: " + date(*g.settledOn));
            out.push_back((fee ? "Konečný poplatek z prodlení: " : "Konečný úrok z prodlení: ") + money(g.interest));
            out.push_back("");
        }
    }
    return out;
}

std::vector<GridRow> resultGrid(const Computation& c) {
    std::vector<GridRow> rows;
    for (const GroupResult& g : c.groups)
        rows.push_back({g.label, date(g.first), date(g.last), std::to_string(g.days), money(g.interest),
                        money(g.principal), money(g.interest + crowns(g.principal))});
    rows.push_back({"", "", "", "suma:", money(c.totalInterest), money(c.totalPrincipal),
                    money(c.totalInterest + crowns(c.totalPrincipal))});
    if (c.totalOverpayment > 0)
        rows.push_back({"", "", "", "", "", "suma přeplatků, které jsou potřeba vrátit", money(c.totalOverpayment)});
    rows.push_back({});
    return rows;
}

std::string petition1(const Computation& c, const PetitionOptions& po) {
    const bool fee = feeMode(c);
    std::string t = claim(po) + " uhradit " + creditor(po) + " do " + po.days + " dnů od " + payFromText(po.from);
    if (customInterest(c)) t += " smluvní";
    t += fee ? " poplatek z prodlení " : " úrok z prodlení ";
    const std::string annual = plain(c.annualRate);
    const std::string dailyText = plain(c.dailyRate);
    PlainCache rateText;
    for (const GroupResult& g : c.groups) {
        for (const Period& p : g.periods) {
            const std::string P = money(p.principal);
            if (!c.options.customRate) {
                // After a group whose wording ends with its last period's comma, the next one starts a new line.
                if (t.back() == ',') t += "\n";
                // A period ends the day before the next one begins.
                t += "z částky " + P + " od " + date(p.from) + " do " + date(p.last ? p.to : p.to - days(1)) +
                     " ve výši " + rateText(p.rate) + "% ročně " + regimeExplanation(g.regime) + ",";
                if (!p.last) {
                    t += "\n";
                } else if (g.regime == 1 || g.regime == 3) {
                    t += " a od " + date(p.to + days(1)) + " až do zaplacení ve výši " + rateText(p.rate) + "% ročně.\n\n";
                } else if (g.regime == 2) {
                    t += " a od " + date(p.to + days(1)) +
                         " nadále ve výši, která odpovídá v každém jednotlivém kalendářním pololetí trvání prodlení"
                         " v procentech součtu čísla 7 a repo sazby (limitní sazby pro dvoutýdenní repo operace), "
                         "vyhlášené ve Věstníku ČNB ve výši platné vždy k prvnímu dni příslušného kalendářního "
                         "pololetí.\n\n";
                }
            } else if (!p.last) {
                if (fee)
                    t += " z částky " + P + " od " + date(shownStart(c, p)) + " do " + date(p.to) + " ve výši " +
                         perMilleText(p) + " promile za den, nejméně však ve výši " + plain(p.minimum) + " Kč,";
                else if (daily(c))
                    t += " z částky " + P + " od " + date(p.from) + " do " + date(p.to - days(1)) + " ve výši " +
                         dailyText + "% za den,";
                else
                    t += " z částky " + P + " od " + date(p.from) + " do " + date(p.to - days(1)) + " ve výši " +
                         annual + "% ročně,";
            } else {
                const std::string from = date(shownStart(c, p)), to = date(p.to), next = date(p.to + days(1));
                if (fee || daily(c)) {
                    const std::string d = fee ? feePercent(p) : dailyText;
                    t += " z částky " + P + " od " + from + " do " + to + " ve výši " + d + "% za den a od " + next +
                         " až do zaplacení ve výši " + d + "% za den,";
                } else {
                    t += " z částky " + P + " od " + from + " do " + to + " ve výši " + annual + "% ročně a od " +
                         next + " až do zaplacení ve výši " + annual + "% ročně,";
                }
            }
        }
    }
    if (!t.empty() && t.back() == ',') t.back() = '.';
    return t;
}

std::vector<std::string> petition2(const Computation& c, const PetitionOptions& po) {
    const bool fee = feeMode(c);
    std::vector<std::string> lines;
    lines.push_back(claim(po) + " do " + po.days + " dnů od " + payFromText(po.from) + " uhradit " + creditor(po) + ": ");
    const std::string annual = plain(c.annualRate);
    const std::string dailyText = plain(c.dailyRate);
    for (const GroupResult& g : c.groups) {
        std::string open;
        bool halfYear = false;
        const Period* lastPeriod = nullptr;
        for (const Period& p : g.periods) {
            lastPeriod = &p;
            if (!p.newSegment) continue;
            if (!open.empty()) {
                open += " do " + date(p.from - days(1));
                if (halfYear) open += std::string(", ") + kHalfYearClause + ",";
                lines.push_back(open);
            }
            open = "částku " + money(p.principal);
            if (fee)
                open += " s poplatkem z prodlení ve výši " + perMilleText(p) + " promile za den z dlužné částky od " +
                        date(p.from);
            else if (c.options.customRate && daily(c))
                open += " s denním úrokem z prodlení ve výši " + dailyText + "% od " + date(p.from);
            else if (c.options.customRate)
                open += " s ročním úrokem z prodlení ve výši " + annual + "% od " + date(p.from);
            else
                open += " s " + plain(p.rate) + "% úrokem z prodlení od " + date(p.from);
            // A regime-2 default keeps changing its rate every half-year, also after 30.6.2010.
            halfYear = !c.options.customRate && g.regime == 2;
        }
        if (open.empty()) continue;
        if (g.settledOn) {
            // Paid in full: the segment ends the day before the settling payment.
            open += " do " + date(*g.settledOn - days(1));
            open += halfYear ? std::string(", ") + kHalfYearClause + "." : std::string(".");
            lines.push_back(open);
            continue;
        }
        open += " do " + date(g.endDay);
        if (fee) open += " , nejméně však " + plain(lastPeriod->minimum) + " Kč za každý i započatý měsíc prodlení, ";
        if (halfYear)
            open += std::string(" a nadále až do zaplacení, ") + kHalfYearClause + ".";
        else if (fee)
            open += " a nadále až do zaplacení ve výši " + perMilleText(*lastPeriod) +
                    " promile za den z dlužné částky, nejméně však " + plain(lastPeriod->minimum) +
                    " Kč za každý i započatý měsíc prodlení.";
        else if (c.options.customRate && daily(c))
            open += " a nadále až do zaplacení ve výši " + dailyText + "% za den.";
        else if (c.options.customRate)
            open += " a nadále až do zaplacení ve výši " + annual + "% ročně.";
        else
            open += " a nadále až do zaplacení ve výši " + plain(lastPeriod->rate) + "% ročně.";
        lines.push_back(open);
    }
    return lines;
}

std::vector<std::string> exportTable(const Computation& c) {
    const bool fee = feeMode(c);
    std::vector<std::string> out;
    PlainCache shownText;
    out.push_back("");
    out.push_back(quotedRow({"Označení jistiny", "Prodlení od", "Prodlení do", "Úroková sazba",
                             "Výše úroku k poslednímu dni období", "Celková výše úroku", "Výše jistiny",
                             "Zaplacená částka", "Jistina s úroky"}));
    for (const GroupResult& g : c.groups) {
        for (const Period& p : g.periods) {
            const double P = crowns(p.principal), n = static_cast<double>(p.days);
            double shown, periodInterest;
            if (fee) {
                shown = p.perMille / 10;
                periodInterest = shown / 100 * n * P;
            } else if (c.options.customRate && daily(c)) {
                shown = c.dailyRate;
                periodInterest = shown / 100 * n * P;
            } else {
                shown = c.options.customRate ? c.annualRate : p.rate;
                periodInterest = shown / 100 * n * P / c.yearLength;
            }
            out.push_back(quotedRow({g.label, date(shownStart(c, p)), date(p.to), shownText(shown), whole(periodInterest),
                                     whole(p.after), whole(P), whole(crowns(p.payment)), whole(p.after + P)}));
        }
        if (g.settledOn) {
            out.push_back(quotedRow({"Uhrazeno ke dni", date(*g.settledOn), "", "", "", "", whole(0), "",
                                     whole(g.interest)}));
            out.push_back(";;;;;;;;;");
        } else if (!g.periods.empty()) {
            const double P = crowns(g.periods.back().principal);
            out.push_back(quotedRow({"Úrok / poplatek z prodlení ke dni:", date(g.endDay), "", "", "",
                                     whole(g.interest), whole(P), "", whole(g.interest + P)}));
            for (int i = 0; i < 3; ++i) out.push_back(";;;;;;;;;");
        }
    }
    out.push_back("Skupina závazků;Dluh k zaplacení;Úrok zbývá;Celkem");
    for (const GroupResult& g : c.groups)
        out.push_back(g.label + ";" + plain(crowns(g.principal)) + ";" + plain(g.interest) + ";" +
                      plain(g.interest + crowns(g.principal)));
    out.push_back("Součet:;" + plain(crowns(c.totalPrincipal)) + ";" + plain(c.totalInterest) + ";" +
                  plain(c.totalInterest + crowns(c.totalPrincipal)));
    return out;
}

std::vector<std::string> resultGridText(const std::vector<GridRow>& rows) {
    std::vector<std::string> out = {"Úrok / poplatek z prodlení", "------------------------------"};
    size_t totals = 0;
    while (totals < rows.size() && rows[totals][3] != "suma:") ++totals;
    for (size_t r = 0; r < totals && r < rows.size(); ++r) {
        const GridRow& g = rows[r];
        if (std::all_of(g.begin(), g.end(), [](const std::string& s) { return s.empty(); })) continue;
        out.insert(out.end(), {"Skupina: " + g[0], "Prodlení od: " + g[1], "Prodlení do: " + g[2],
                               "Počet dnů prodlení: " + g[3], "Výše jistiny: " + g[5], "Výše úroků: " + g[4],
                               "Jistina s úroky: " + g[6], ""});
    }
    out.push_back("===============================================");
    out.push_back("Shrnutí");
    if (totals < rows.size()) {
        const GridRow& t = rows[totals];
        out.insert(out.end(), {"Výše jistiny: " + t[5], "Výše úroků: " + t[4], "Jistina s úroky: " + t[6], ""});
    }
    return out;
}

}  // namespace verdika::interest
