#include "cli/cli.h"

#include <algorithm>

#include "common/errors.h"
#include "common/numbers.h"

namespace verdika::cli {

namespace {
std::map<std::string, Command>& registry() {
    static std::map<std::string, Command> r;
    return r;
}
}  // namespace

CommandRegistration::CommandRegistration(Command c) { registry()[c.name] = std::move(c); }

const std::map<std::string, Command>& commands() { return registry(); }

Args::Args(const std::vector<std::string>& args, const std::vector<std::string>& flags,
           const std::vector<std::string>& valued) {
    auto known = [](const std::vector<std::string>& list, const std::string& n) {
        return std::find(list.begin(), list.end(), n) != list.end();
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            std::string name = a.substr(2), val;
            bool inlineValue = false;
            if (auto eq = name.find('='); eq != std::string::npos) {
                val = name.substr(eq + 1);
                name = name.substr(0, eq);
                inlineValue = true;
            }
            if (known(flags, name)) {
                if (inlineValue) throw UsageError("Přepínač --" + name + " nemá hodnotu.");
                flags_.push_back(name);
            } else if (known(valued, name)) {
                if (!inlineValue) {
                    if (i + 1 >= args.size()) throw UsageError("U přepínače --" + name + " chybí hodnota.");
                    val = args[++i];
                }
                values_.emplace(name, val);
            } else {
                throw UsageError("Neznámý přepínač " + a + ".");
            }
        } else {
            positional_.push_back(a);
        }
    }
}

bool Args::flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::optional<std::string> Args::value(const std::string& name) const {
    auto [b, e] = values_.equal_range(name);
    if (b == e) return std::nullopt;
    return std::prev(e)->second;
}

std::vector<std::string> Args::values(const std::string& name) const {
    std::vector<std::string> out;
    auto [b, e] = values_.equal_range(name);
    for (auto it = b; it != e; ++it) out.push_back(it->second);
    return out;
}

double parseCliDecimal(const std::string& text) {
    std::string t = text;
    // A shell user types a decimal point as often as a comma; a single point is a decimal point here.
    if (t.find(',') == std::string::npos && std::count(t.begin(), t.end(), '.') == 1)
        std::replace(t.begin(), t.end(), '.', ',');
    try {
        return parseDecimal(t);
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
}

double Args::decimal(const std::string& name, double def) const {
    auto v = value(name);
    return v ? parseCliDecimal(*v) : def;
}

std::int64_t Args::integer(const std::string& name, std::int64_t def) const {
    auto v = value(name);
    if (!v) return def;
    try {
        return parseInteger(*v);
    } catch (const ConversionError& e) {
        throw UsageError(std::string(e.what()) + " (--" + name + ")");
    }
}

std::optional<Date> Args::date(const std::string& name) const {
    auto v = value(name);
    if (!v) return std::nullopt;
    try {
        return parseDate(*v);
    } catch (const ConversionError& e) {
        throw UsageError(std::string(e.what()) + " (--" + name + ")");
    }
}

}  // namespace verdika::cli
