#include "fees/band_table.h"

#include <optional>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::fees {
namespace {

std::optional<double> number(std::string_view text) {
    std::string t = trimmed(text);
    for (char& c : t)
        if (c == '.') c = ',';
    return tryParseDecimal(t);
}

}  // namespace

std::string tableFileName(const IniFile& table, const char* fallback) {
    return table.path().empty() ? std::string(fallback) : pathText(table.path().filename());
}

std::vector<Band> readBands(const IniFile& table, int item) {
    const std::string file = tableFileName(table, "tabulka");
    const std::string section = std::to_string(item);
    const std::string where = " u položky " + section + " (oddíl [" + section + "]";
    if (!table.hasSection(section))
        throw DataError("Tabulka " + file + " nemá položku " + section + " (oddíl [" + section +
                        "]); odměnu nelze spočítat.");
    const std::string countText = table.readString(section, "pocet");
    std::int64_t count = 1;
    if (!countText.empty()) {
        auto c = tryParseInteger(countText);
        if (!c || *c < 1 || *c > kMaxBands)
            throw DataError("Tabulka " + file + " má" + where + ", klíč „pocet“) počet pásem „" + countText +
                            "“; povoleno je 1 až " + std::to_string(kMaxBands) + " pásem. Odměnu nelze spočítat.");
        count = *c;
    }
    std::vector<Band> bands;
    for (std::int64_t k = 1; k <= count; ++k) {
        const std::string key = std::to_string(k);
        const std::string text = table.readString(section, key);
        const auto semicolon = text.find(';');
        std::optional<double> border, rate;
        if (semicolon != std::string::npos) {
            border = number(std::string_view(text).substr(0, semicolon));
            rate = number(std::string_view(text).substr(semicolon + 1));
        }
        if (!border || !rate)
            throw DataError("Tabulka " + file + " má" + where + ", klíč „" + key + "“) pásmo „" + text +
                            "“, které není ve tvaru hranice;sazba. Odměnu nelze spočítat.");
        bands.push_back({*border, *rate});
    }
    return bands;
}

double bandSum(const std::vector<Band>& bands, double value) {
    double fee = 0, previous = 0;
    for (const Band& b : bands) {
        if (value >= b.border) {
            fee += (b.border - previous) * b.rate / 100.0;
            previous = b.border;
        } else {
            fee += (value - previous) * b.rate / 100.0;
            break;
        }
    }
    return fee;
}

}  // namespace verdika::fees
