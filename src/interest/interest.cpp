#include "interest/interest.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "common/numbers.h"
#include "common/text.h"
#include "interest/rate_table.h"

namespace verdika::interest {

using std::chrono::days;

namespace {

// ---- labels ----------------------------------------------------------------

// Labels group debts and payments whatever their case: "a" is "A".
std::string foldLabel(std::string_view label) { return foldCase(trimBlanks(label)); }

// ---- calendar --------------------------------------------------------------

Date endOfMonth(Date d) {
    using namespace std::chrono;
    const year_month_day ymd(d);
    return sys_days(ymd.year() / ymd.month() / last);
}

Date addMonthClamped(Date d) {
    using namespace std::chrono;
    const year_month_day ymd(d);
    const year_month ym = ymd.year() / ymd.month() + months(1);
    const auto lastDay = (ym / last).day();
    return sys_days(ym / std::min(ymd.day(), lastDay));
}

int monthIndex(Date d) { return yearOf(d) * 12 + static_cast<int>(monthOf(d)); }

const Date kFeeSwitch = makeDate(2013, 12, 31);

Money nonNegativeMoney(Money m, std::string_view text, const std::string& what) {
    if (m < 0) throw CaseError(what + " nesmí být záporná (" + std::string(trimBlanks(text)) + ").");
    return m;
}

struct ParsedDebt {
    DebtRow row;
    Date due;
    Date until;
    Money principal;
    size_t index;  // row in the grid as entered
};
struct ParsedPayment {
    PaymentRow row;
    Date day;
    Money amount;
};

std::string rangeText() { return formatDate(kFirstComputableDay) + " až " + formatDate(kLastComputableDay); }

// A date of a row: a text that is no date, or a day outside the computable
// range, names the row and the field.
Date rowDate(const std::string& text, const std::string& row, const char* field) {
    Date d;
    try {
        d = parseDate(text);
    } catch (const ConversionError& e) {
        throw ConversionError(row + ", " + field + ": " + e.what());
    }
    if (d < kFirstComputableDay || d > kLastComputableDay)
        throw CaseError(row + ": " + field + " " + formatDate(d) + " leží mimo dny, které program umí spočítat (" +
                        rangeText() + ").");
    return d;
}

Money rowMoney(const std::string& text, const std::string& row, const char* field) {
    try {
        return moneyFromText(text);
    } catch (const ConversionError& e) {
        throw ConversionError(row + ", " + field + ": " + e.what());
    }
}

std::string debtRowName(size_t index) { return "Závazek na řádku " + std::to_string(index + 1); }
std::string paymentRowName(size_t index) { return "Úhrada na řádku " + std::to_string(index + 1); }

void checkPeriodCount(size_t periods) {
    if (periods > kMaxPeriods)
        throw CaseError("Výpočet by měl víc než " + std::to_string(kMaxPeriods) +
                        " období. Zkontrolujte data (překlep v roce?) nebo případ rozdělte na menší.");
}

bool blankRow(std::initializer_list<const std::string*> cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string* s) { return trimBlanks(*s).empty(); });
}

}  // namespace

Money moneyFromText(std::string_view text) {
    const double v = parseDecimal(text);
    if (!(std::fabs(v) < kMaxCaseAmount))
        throw ConversionError("Částka „" + std::string(trimBlanks(text)) + "“ je příliš velká.");
    return static_cast<Money>(std::nearbyint(v * kMoneyScale));
}

std::vector<std::string> defaultGroupLabels() {
    std::vector<std::string> out;
    for (const std::string prefix : {"", "A", "B", "C"})
        for (char ch = 'A'; ch <= 'Z'; ++ch) out.push_back(prefix + ch);
    return out;
}

bool sameLabel(std::string_view a, std::string_view b) { return foldLabel(a) == foldLabel(b); }

FeeRule feeRuleFor(Date periodStart) {
    if (periodStart >= kFeeSwitch) return {1, 10};
    return {2.5, 25};
}

Prepared PropoctiUroky(const std::vector<DebtRow>& debtRows, const std::vector<PaymentRow>& paymentRows,
                       const Options& options, const RateTable* table) {
    Prepared out;
    std::unordered_map<std::string, size_t> groupOf;  // folded label -> group number

    // 1. Groups in the order their labels first occur in the grid.
    if (debtRows.size() + paymentRows.size() > kMaxCaseRows)
        throw CaseError("Případ má víc než " + std::to_string(kMaxCaseRows) +
                        " řádků závazků a úhrad; rozdělte ho na menší.");
    const bool statutory = !options.customRate && options.mode == Mode::Interest && table;
    Money total = 0;  // of every amount, so no running sum can leave the money range
    const auto count = [&](Money m) {
        total += m < 0 ? -m : m;
        if (crowns(total) >= kMaxCaseAmount)
            throw CaseError("Součet částek případu je příliš velký (nejvýš " + Format_Castky(kMaxCaseAmount) + ").");
    };
    std::vector<ParsedDebt> debts;
    for (size_t i = 0; i < debtRows.size(); ++i) {
        const DebtRow& r = debtRows[i];
        if (blankRow({&r.due, &r.until, &r.principal, &r.label})) continue;
        const std::string key = foldLabel(r.label);
        if (groupOf.count(key))
            throw CaseError("Skupina závazků „" + r.label +
                            "“ má více jistin. Každá skupina smí mít jen jednu jistinu; změňte označení skupiny.");
        const std::string name = debtRowName(i);
        ParsedDebt d{r, rowDate(r.due, name, "splatnost"), rowDate(r.until, name, "úrok ke dni"),
                     rowMoney(r.principal, name, "jistina"), i};
        count(d.principal);
        if (statutory && d.due + days(1) < table->line(0).date)
            throw CaseError(name + ": první den prodlení " + formatDate(d.due + days(1)) +
                            " je dřív než první řádek tabulky úrokových sazeb (" + formatDate(table->line(0).date) +
                            "); pro dřívější dny sazbu nezná.");
        groupOf[key] = out.groups.size();
        out.groups.push_back(Group{r.label, {Event{}}, {}, 0, {}});
        debts.push_back(std::move(d));
    }

    // 2. Debts by due date; equal dates keep their order.
    std::stable_sort(debts.begin(), debts.end(), [](const ParsedDebt& a, const ParsedDebt& b) { return a.due < b.due; });

    // 3. The first day of default is the day after the due date.
    for (const ParsedDebt& d : debts) {
        Group& g = out.groups[groupOf[foldLabel(d.row.label)]];
        const Date firstDay = d.due + days(1);
        g.endDay = d.until;
        g.label = d.row.label;
        const Money principal = nonNegativeMoney(d.principal, d.row.principal, "Jistina skupiny „" + d.row.label + "“");
        if (g.endDay < firstDay)
            throw CaseError("Skupina závazků „" + d.row.label + "“: den, ke kterému se úrok počítá (" +
                            formatDate(g.endDay) + "), je dřív než první den prodlení (" + formatDate(firstDay) + ").");
        g.events.push_back(Event{firstDay, principal, 0, false});
        out.debts.push_back(d.row);
    }

    // 4. Payments for the earliest due debt move up past later-dated rows.
    std::vector<ParsedPayment> payments;
    for (size_t i = 0; i < paymentRows.size(); ++i) {
        const PaymentRow& r = paymentRows[i];
        if (blankRow({&r.date, &r.amount, &r.label})) continue;
        const std::string name = paymentRowName(i);
        payments.push_back(ParsedPayment{r, rowDate(r.date, name, "datum"), rowMoney(r.amount, name, "částka")});
        count(payments.back().amount);
        if (r.label != kEarliestDue) continue;
        for (size_t j = payments.size() - 1; j > 0 && payments[j - 1].day > payments[j].day; --j)
            std::swap(payments[j - 1], payments[j]);
    }

    // 5.–6. Every payment becomes an event of its group.
    for (ParsedPayment& p : payments) {
        if (p.row.label == kEarliestDue) {
            if (debts.empty())
                throw CaseError("Úhrada ze dne " + p.row.date +
                                " patří k nejdříve splatnému závazku, ale není zadán žádný závazek.");
            p.row.label = debts.front().row.label;
        }
        auto it = groupOf.find(foldLabel(p.row.label));
        if (it == groupOf.end())
            throw CaseError("Úhrada ze dne " + p.row.date + " patří ke skupině závazků „" + p.row.label +
                            "“, která nemá žádnou jistinu. Zadejte jistinu této skupiny nebo úhradu přiřaďte jiné skupině.");
        Group& g = out.groups[it->second];
        const Money amount = nonNegativeMoney(p.amount, p.row.amount, "Úhrada ze dne " + p.row.date);
        if (p.day > g.endDay)
            g.excluded.push_back(ExcludedPayment{p.day, amount});
        else
            g.events.push_back(Event{p.day, -amount, 0, true});
        out.payments.push_back(p.row);
    }

    std::vector<Date> splitPoints;
    if (statutory) splitPoints = table->halfYearSplitPoints();
    size_t periods = 0;

    for (Group& g : out.groups) {
        std::vector<Event>& ev = g.events;
        // 7. Events by day; on one day the debt stays before the payments.
        std::stable_sort(ev.begin() + 1, ev.end(), [](const Event& a, const Event& b) { return a.day < b.day; });

        // 8. Payments before the debt reduce it from its first day of default.
        std::vector<Event> kept{ev[0]};
        Money prepaid = 0;
        bool debtSeen = false;
        for (size_t k = 1; k < ev.size(); ++k) {
            Event e = ev[k];
            if (!debtSeen) {
                if (e.principal <= 0) {
                    prepaid += e.principal;
                    continue;
                }
                debtSeen = true;
                e.principal += prepaid;
                e.payment = false;
            }
            kept.push_back(e);
        }
        // 9. A payment event holds the principal remaining after it.
        for (size_t k = 2; k < kept.size(); ++k)
            if (kept[k].payment) kept[k].principal += kept[k - 1].principal;
        // 10. One event per day: the later one already reflects both.
        ev.assign(1, kept[0]);
        for (size_t k = 1; k < kept.size(); ++k) {
            if (ev.size() > 1 && ev.back().day == kept[k].day)
                ev.back() = kept[k];
            else
                ev.push_back(kept[k]);
        }
        // 11. The end event.
        ev.push_back(Event{g.endDay, ev.back().principal, 0, false});

        if (options.customRate || options.mode == Mode::Fee) {
            g.regime = 0;
        } else {
            g.regime = regimeFor(ev[1].day);
        }

        // 12.3 Regime 2: a new period at every half-year boundary.
        if (g.regime == 2 && !splitPoints.empty()) {
            std::vector<Event> split{ev[0]};
            for (size_t k = 1; k < ev.size(); ++k) {
                split.push_back(ev[k]);
                if (k + 1 == ev.size()) break;
                auto sp = std::upper_bound(splitPoints.begin(), splitPoints.end(), ev[k].day);
                for (; sp != splitPoints.end() && *sp < ev[k + 1].day; ++sp)
                    split.push_back(Event{*sp, ev[k].principal, 0, false});
            }
            ev = std::move(split);
        }

        // 13. Late fee: periods end on month ends from the first month of
        // default on, until the first period that stays within one month.
        if (options.mode == Mode::Fee) {
            for (size_t k = 1; k + 1 < ev.size(); ++k) {
                if (monthIndex(ev[k].day + days(1)) >= monthIndex(ev[k + 1].day)) break;
                // A default that begins on a month's last day goes straight to the next month's end.
                Date at = (k == 1 && endOfMonth(ev[1].day) != ev[1].day) ? endOfMonth(ev[1].day)
                                                                          : endOfMonth(addMonthClamped(ev[k].day));
                ev.insert(ev.begin() + static_cast<std::ptrdiff_t>(k + 1), Event{at, ev[k].principal, 0, false});
            }
        }

        periods += ev.size() - 2;
        checkPeriodCount(periods);

        // 14. Statutory rates.
        if (g.regime != 0) {
            if (!table) throw DataError("Pro zákonný úrok z prodlení chybí tabulka úrokových sazeb.");
            const double fixed = g.regime == 2 ? 0 : table->Vytahnuti_Repo(g.regime, ev[1].day);
            for (size_t k = 1; k < ev.size(); ++k)
                ev[k].rate = g.regime == 2 ? table->Vytahnuti_Repo(2, ev[k].day) : fixed;
        }
    }
    return out;
}

Computation computeInterest(const Case& c, const RateTable* table) {
    Computation out;
    out.options = c.options;
    Options& opt = out.options;
    if (opt.mode == Mode::Fee) opt.customRate = true;  // the late fee always runs with the custom rate on

    out.yearLength = parseDecimal(opt.yearLength);
    if (!(out.yearLength >= 1 && out.yearLength <= kMaxYearLength))
        throw CaseError("Délka roku musí být číslo dní od 1 do " + Format_Cislo(kMaxYearLength) + " (obvykle 365).");
    if (opt.customRate) {
        if (opt.kind == RateKind::Daily) {
            out.dailyRate = parseDecimal(opt.dailyRate);
            if (!(out.dailyRate >= 0 && out.dailyRate <= kMaxDailyRate))
                throw CaseError("Denní úrok " + Format_Cislo(out.dailyRate) + " % je mimo rozsah 0 až " +
                                Format_Cislo(kMaxDailyRate) + " %.");
            out.annualRate = out.dailyRate * out.yearLength;
            opt.annualRate = Format_Cislo(out.annualRate);
        } else {
            out.annualRate = parseDecimal(opt.annualRate);
            if (!(out.annualRate >= 0 && out.annualRate <= kMaxAnnualRate))
                throw CaseError("Roční úrok " + Format_Cislo(out.annualRate) + " % je mimo rozsah 0 až " +
                                Format_Cislo(kMaxAnnualRate) + " %.");
            out.dailyRate = out.annualRate / out.yearLength;
            opt.dailyRate = Format_Cislo(out.dailyRate);
        }
    }

    Prepared prepared = PropoctiUroky(c.debts, c.payments, opt, table);
    out.debts = std::move(prepared.debts);
    out.payments = std::move(prepared.payments);
    std::vector<Group>& groups = prepared.groups;

    for (size_t gi = 0; gi < groups.size(); ++gi) {
        Group& g = groups[gi];
        std::vector<Event>& ev = g.events;
        GroupResult r;
        r.label = g.label;
        r.regime = g.regime;
        r.endDay = g.endDay;
        r.excluded = g.excluded;
        double interest = 0;
        // What interest-first adds to the principal of every event from the
        // current one on; applied to each event as the loop reaches it, so a
        // group with many payments costs no more than one pass.
        Money shift = 0;

        for (size_t i = 1; i + 1 < ev.size(); ++i) {
            ev[i].principal += shift;
            // 1. The payment recognised on this period's first day.
            const Money payment = i == 1 ? 0 : std::max<Money>(ev[i - 1].principal - ev[i].principal, 0);
            // 2. The payment goes to the interest accumulated so far first.
            if (opt.interestFirst) {
                if (payment > 0) {
                    ev[i].principal += payment;
                    shift += payment;
                }
                interest -= crowns(payment);
                if (interest < 0) {
                    // Rates are never negative, so this is at most the payment.
                    const auto rest = static_cast<Money>(std::nearbyint(interest * kMoneyScale));
                    ev[i].principal += rest;
                    shift += rest;
                    interest = 0;
                }
            }
            // 3. Payments exceeded the debt: the group is settled on this day.
            if (ev[i].principal < 0) {
                const Money over = -ev[i].principal;
                bool carried = false;
                if (gi + 1 < groups.size()) {
                    std::vector<Event>& next = groups[gi + 1].events;
                    for (size_t k = 1; k + 1 < next.size(); ++k) {
                        if (!(next[k].day < ev[i].day && ev[i].day < next[k + 1].day)) continue;
                        // The period's own rate: for a regime-2 default that is the half-year's rate.
                        next.insert(next.begin() + static_cast<std::ptrdiff_t>(k + 1),
                                    Event{ev[i].day, next[k].principal - over, next[k].rate, true});
                        for (size_t j = k + 2; j < next.size(); ++j) next[j].principal -= over;
                        carried = true;
                        break;
                    }
                }
                if (!carried) r.overpayment = crowns(over);
                ev.resize(i + 1);
                ev[i].principal = 0;
                r.settledOn = ev[i].day;
                shift = 0;
                break;
            }
            // 4. Days: the period's first day counts, the next event's day
            // does not, except the end day of the last period.
            Period p;
            p.from = ev[i].day;
            p.to = ev[i + 1].day;
            p.last = i + 2 == ev.size();
            p.first = i == 1;
            p.days = std::abs((p.to - p.from).count()) + (p.last ? 1 : 0);
            p.principal = ev[i].principal;
            p.rate = ev[i].rate;
            p.payment = payment;
            p.newSegment = i == 1 || ev[i].principal != ev[i - 1].principal;
            p.before = interest;
            const double n = static_cast<double>(p.days);
            // 5. Interest of the period.
            if (opt.mode == Mode::Fee) {
                const FeeRule rule = feeRuleFor(p.from);
                p.perMille = rule.perMille;
                p.minimum = rule.minimum;
                double fee = crowns(p.principal) * n * (rule.minimum / 100) / 100;
                if (fee > 0 && fee < rule.minimum) {
                    fee = rule.minimum;
                    p.minimumCharged = true;
                }
                interest += fee;
            } else if (opt.customRate) {
                interest += crowns(p.principal) / 100 * out.dailyRate * n;
            } else {
                interest = (p.rate / 100 * n * static_cast<double>(p.principal) / out.yearLength +
                            interest * kMoneyScale) / kMoneyScale;
            }
            p.after = interest;
            r.periods.push_back(p);
        }

        if (!r.settledOn && ev.size() > 1) ev.back().principal += shift;
        r.first = ev.size() > 1 ? ev[1].day : g.endDay;
        r.last = r.settledOn ? *r.settledOn : ev.back().day;
        r.days = (r.last - r.first).count() + 1;
        r.interest = interest;
        r.principal = ev.size() > 1 ? ev.back().principal : 0;
        out.totalInterest += r.interest;
        out.totalPrincipal += r.principal;
        if (r.overpayment > 0) out.totalOverpayment += r.overpayment;
        out.groups.push_back(std::move(r));
    }
    return out;
}

}  // namespace verdika::interest
