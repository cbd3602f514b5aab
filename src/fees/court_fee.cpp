#include "fees/court_fee.h"

#include <cmath>
#include <optional>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "common/versioned.h"
#include "fees/fee_text.h"

namespace verdika::fees {
namespace {

// The last day of the old rounding rule.
const Date kLastDayOfOldRounding = makeDate(2013, 12, 31);

std::string tableName(const IniFile& table) {
    return table.path().empty() ? std::string(kCourtFeeTable) : pathText(table.path().filename());
}

[[noreturn]] void malformed(const IniFile& table, int item, std::string_view version, const std::string& why) {
    throw DataError("Tabulka " + tableName(table) + " má u položky " + std::to_string(item) + " (oddíl [" +
                    std::to_string(item) + "], klíč „" + std::string(version) + "“) chybný seznam pásem: " + why +
                    "; poplatek nelze spočítat.");
}

// A band field: a whole number, −1, or (for a percentage such as 0,2 % that a
// whole number cannot hold) a number with a decimal point, since the comma
// separates the fields.
double bandField(const IniFile& table, int item, std::string_view version, const std::string& text, size_t index) {
    std::string t = trimmed(text);
    bool ok = !t.empty();
    size_t dots = 0;
    for (size_t i = 0; ok && i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.') {
            ++dots;
            t[i] = ',';
        } else if (!(c >= '0' && c <= '9') && !(c == '-' && i == 0)) {
            ok = false;
        }
    }
    std::optional<double> v;
    if (ok && dots <= 1) v = tryParseDecimal(t);
    if (!v)
        malformed(table, item, version,
                  "pole " + std::to_string(index + 1) + " („" + trimmed(text) + "“) není číslo");
    return *v;
}

}  // namespace

std::vector<std::string> courtFeeItems(const IniFile& table) {
    std::vector<std::string> items;
    for (auto& [key, caption] : table.sectionValues("seznam")) items.push_back(caption);
    return items;
}

std::string courtFeeVersion(const IniFile& table, int item, Date date) { return Platna_Novelizace(table, item, date); }

bool isFeeFromPrincipal(const IniFile& table, int item, std::string_view version) {
    return table.readString(std::to_string(item), std::string(version) + "_druh") == kFeeFromPrincipal;
}

double fixedCourtFee(const IniFile& table, int item, std::string_view version) {
    const std::string text = table.readString(std::to_string(item), version);
    std::string t = text;
    for (char& c : t)
        if (c == '.') c = ',';
    return tryParseDecimal(t).value_or(0.0);
}

bool hasCourtFeeEntry(const IniFile& table, int item, std::string_view version) {
    return !version.empty() && !table.readString(std::to_string(item), version).empty();
}

double courtFeeBase(Date date, double principal) {
    if (date <= kLastDayOfOldRounding) return std::floor(principal / 100.0) * 100.0;
    const double whole = std::ceil(principal);  // up to whole Kč
    return std::ceil(whole / 10.0) * 10.0;       // then up to the next multiple of 10
}

double Spocitat_Soudni_Poplatek(const IniFile& table, int item, std::string_view version, Date date,
                                double principal) {
    const std::string list = table.readString(std::to_string(item), version);
    std::vector<std::string> fields = Rozdel_Text(',', list);
    size_t count = fields.size();
    // A trailing comma leaves one empty field after the last band; it carries nothing.
    if (count % 7 == 1 && trimBlanks(fields.back()).empty()) --count;
    if (count % 7 != 0)
        malformed(table, item, version,
                  "počet čísel (" + std::to_string(fields.size()) + ") není násobkem sedmi");
    std::vector<double> f(count);
    for (size_t i = 0; i < count; ++i) f[i] = bandField(table, item, version, fields[i], i);

    const double base = courtFeeBase(date, principal);
    double fee = 0;
    for (size_t i = 0; i + 6 < count; i += 7) {
        const bool applies = f[i] < base && (f[i + 1] >= base || f[i + 1] == -1);
        if (!applies) continue;
        if (f[i + 2] > 0) fee += f[i + 2];
        if (f[i + 3] > 0) fee += (base - f[i + 4]) * f[i + 3] / 100.0;
        if (f[i + 5] > 0 && f[i + 5] > fee) fee = f[i + 5];
        if (f[i + 6] > 0 && f[i + 6] < fee) fee = f[i + 6];
    }

    // General limit: the "max" entry, raised by the last band's maximum. No
    // positive limit at all means the item has no ceiling (not a ceiling of 0).
    double limit = static_cast<double>(table.readInteger("max", version, 0));
    if (count >= 7 && f[count - 1] > limit) limit = f[count - 1];
    if (limit > 0 && fee > limit) fee = limit;

    if (date <= kLastDayOfOldRounding) fee = roundUpTo(fee, 10);
    return fee;
}

double Spocitat_Soudni_Poplatek(const std::filesystem::path& table, int item, std::string_view version, Date date,
                                double principal) {
    return Spocitat_Soudni_Poplatek(IniFile::load(table), item, version, date, principal);
}

CourtFeeResult courtFee(const IniFile& table, int item, Date date, double principal) {
    CourtFeeResult r;
    r.item = item;
    if (item <= 0) return r;
    r.version = courtFeeVersion(table, item, date);
    r.listed = hasCourtFeeEntry(table, item, r.version);
    r.fromPrincipal = isFeeFromPrincipal(table, item, r.version);
    r.fee = r.fromPrincipal ? Spocitat_Soudni_Poplatek(table, item, r.version, date, principal)
                            : fixedCourtFee(table, item, r.version);
    return r;
}

std::string latestCourtFeeVersion(const IniFile& table) {
    const auto dates = amendmentDates(table);
    return dates.empty() ? std::string() : dates.back();
}

}  // namespace verdika::fees
