#include "interest/rate_table.h"

#include <algorithm>
#include <optional>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::interest {

namespace {

const Date kRegime2From = makeDate(2005, 4, 28);
const Date kRegime3From = makeDate(2010, 7, 1);
const Date kRegime4From = makeDate(2013, 7, 1);
const Date kRegime5From = makeDate(2014, 1, 1);

// The half-year split never considers the discount-rate era's lines.
constexpr std::size_t kFirstSplitCandidate = 27;

RateLine parseLine(std::string_view text, std::string_view fileName) {
    const RateLineParts parts = splitRateLine(text);
    auto date = tryParseDate(parts.date);
    auto rate = tryParseDecimal(parts.rate);
    const std::string where = "Řádek „" + std::string(text) + "“ tabulky úrokových sazeb " + std::string(fileName);
    if (!date || !rate || text.find(';') == std::string_view::npos)
        throw DataError(where + " nelze přečíst (má tvar den.měsíc.rok;sazba, např. 1.7.2024;4,75).");
    if (*date < kFirstComputableDay || *date > kLastComputableDay)
        throw DataError(where + " má datum mimo dny, které program umí spočítat (" +
                        formatDate(kFirstComputableDay) + " až " + formatDate(kLastComputableDay) + ").");
    if (!(*rate >= kMinRate && *rate <= kMaxRate))
        throw DataError(where + " má sazbu mimo rozsah " + Format_Cislo(kMinRate) + " až " + Format_Cislo(kMaxRate) +
                        " %.");
    return RateLine{*date, *rate, std::string(text)};
}

std::optional<Date> lineDate(std::string_view line) { return tryParseDate(splitRateLine(line).date); }

void checkRate(std::string_view rate) {
    if (trimBlanks(rate).empty()) throw DataError("Zadejte výši sazby v procentech, např. 3,50.");
    const auto value = tryParseDecimal(rate);
    if (!value)
        throw DataError("Sazba „" + std::string(trimBlanks(rate)) +
                        "“ není číslo. Zadejte ji s desetinnou čárkou, např. 3,50.");
    if (!(*value >= kMinRate && *value <= kMaxRate))
        throw DataError("Sazba „" + std::string(trimBlanks(rate)) + "“ je mimo rozsah " + Format_Cislo(kMinRate) +
                        " až " + Format_Cislo(kMaxRate) + " %.");
}

void checkDate(Date date) {
    if (date < kFirstComputableDay || date > kLastComputableDay)
        throw DataError("Hranici zadejte ke dni od " + formatDate(kFirstComputableDay) + " do " +
                        formatDate(kLastComputableDay) + ".");
}

void checkNotListed(const std::vector<std::string>& lines, Date date, std::size_t except) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == except) continue;
        if (lineDate(lines[i]) == date)
            throw DataError("Hranice ke dni " + formatDate(date) +
                            " už v tabulce je. Chcete-li ji změnit, vyberte ji a stiskněte „Uprav existující“.");
    }
}

std::vector<std::string> insertSorted(std::vector<std::string> lines, std::string line, Date date) {
    auto at = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        auto d = lineDate(l);
        return d && *d > date;
    });
    lines.insert(at, std::move(line));
    return lines;
}

void checkIndex(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size()) throw DataError("Vyberte v seznamu řádek, který chcete změnit.");
}

}  // namespace

int regimeFor(Date firstDayOfDefault) {
    if (firstDayOfDefault < kRegime2From) return 1;
    if (firstDayOfDefault < kRegime3From) return 2;
    if (firstDayOfDefault < kRegime4From) return 3;
    if (firstDayOfDefault < kRegime5From) return 4;
    return 5;
}

Date halfYearStart(Date day) { return makeDate(yearOf(day), monthOf(day) <= 6 ? 1 : 7, 1); }

RateTable RateTable::fromText(std::string_view text, std::string_view fileName) {
    RateTable t;
    t.fileName_ = std::string(fileName);
    for (const std::string& l : splitLines(text)) {
        if (trimBlanks(l).empty()) continue;
        t.lines_.push_back(parseLine(l, fileName));
    }
    if (t.lines_.empty())
        throw DataError("Tabulka úrokových sazeb " + std::string(fileName) +
                        " je prázdná. Zadejte sazby tlačítkem „Zadat výši úrokových sazeb“, nebo soubor obnovte "
                        "z instalace programu.");
    t.lines_.push_back(RateLine{makeDate(2100, 1, 1), 1, std::string(kSentinel)});
    std::stable_sort(t.lines_.begin(), t.lines_.end(),
                     [](const RateLine& a, const RateLine& b) { return a.date < b.date; });
    return t;
}

RateTable RateTable::load(const std::filesystem::path& file) {
    auto text = readTextFile(file);
    if (!text) throw IoError("Tabulku úrokových sazeb " + pathText(file) + " nelze otevřít.");
    return fromText(*text, pathText(file.filename()));
}

const RateLine& RateTable::line(std::size_t index) const {
    if (index >= lines_.size())
        throw DataError("Tabulka úrokových sazeb " + fileName_ + " nemá řádek číslo " + std::to_string(index) + ".");
    return lines_[index];
}

std::size_t RateTable::lineInForce(Date day) const {
    auto after = std::upper_bound(lines_.begin(), lines_.end(), day,
                                  [](Date d, const RateLine& l) { return d < l.date; });
    if (after == lines_.begin())
        throw DataError("Pro den " + formatDate(day) + " nemá tabulka úrokových sazeb " + fileName_ +
                        " žádnou sazbu (první hranice je ke dni " + formatDate(lines_.front().date) + ").");
    return static_cast<std::size_t>(after - lines_.begin()) - 1;
}

double RateTable::Vytahnuti_Repo(int regime, Date day) const {
    // The lines on 30.6. and 31.12. carry the rate of a half-year's last day
    // (regimes 3 and 4); regimes 2 and 5 name the rate of the half-year's
    // first day, so they look at the half-year's start and never pick up a
    // 30.6./31.12. line for a default that begins on such a day.
    switch (regime) {
    case 1:
        return 2 * line(lineInForce(day)).rate;
    case 2:
        // 163/2005 took effect on 28.4.2005; its line carries the repo of 1.1.2005.
        return 7 + line(lineInForce(std::max(halfYearStart(day), kRegime2From))).rate;
    case 3:
        return 7 + line(lineInForce(halfYearStart(day) - std::chrono::days(1))).rate;
    case 4:
        return 8 + line(lineInForce(halfYearStart(day) - std::chrono::days(1))).rate;
    case 5:
        return 8 + line(lineInForce(halfYearStart(day))).rate;
    default: {
        const std::size_t i = lineInForce(day);
        if (i == 0) throw DataError("Tabulka úrokových sazeb " + fileName_ + " nemá řádek před prvním řádkem.");
        return line(i - 1).rate;
    }
    }
}

std::vector<Date> RateTable::halfYearSplitPoints() const {
    std::vector<Date> out;
    for (std::size_t i = kFirstSplitCandidate; i < lines_.size(); ++i) {
        const Date d = lines_[i].date;
        if (dayOf(d) == 1 && (monthOf(d) == 1 || monthOf(d) == 7)) out.push_back(d);
    }
    return out;
}

// ---- editor ---------------------------------------------------------------

std::vector<std::string> readRateLines(const std::filesystem::path& file) {
    std::vector<std::string> out;
    if (auto text = readTextFile(file))
        for (std::string& l : splitLines(*text))
            if (!trimBlanks(l).empty()) out.push_back(std::move(l));
    return out;
}

void saveRateLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    writeTextFileAtomic(file, text);
}

std::string rateLineText(Date date, std::string_view rate) { return formatDate(date) + ";" + trimmed(rate); }

RateLineParts splitRateLine(std::string_view line) {
    const auto semi = line.find(';');
    if (semi == std::string_view::npos) return {std::string(line), ""};
    return {std::string(line.substr(0, semi)), std::string(line.substr(semi + 1))};
}

std::vector<std::string> addRateLine(std::vector<std::string> lines, Date date, std::string_view rate) {
    checkDate(date);
    checkRate(rate);
    checkNotListed(lines, date, lines.size());
    return insertSorted(std::move(lines), rateLineText(date, rate), date);
}

std::vector<std::string> replaceRateLine(std::vector<std::string> lines, std::size_t index, Date date,
                                         std::string_view rate) {
    checkIndex(lines, index);
    checkDate(date);
    checkRate(rate);
    checkNotListed(lines, date, index);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return insertSorted(std::move(lines), rateLineText(date, rate), date);
}

std::vector<std::string> removeRateLine(std::vector<std::string> lines, std::size_t index) {
    if (index >= lines.size()) throw DataError("Vyberte v seznamu řádek, který chcete smazat.");
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return lines;
}

}  // namespace verdika::interest
