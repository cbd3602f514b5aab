#include "cli/cli.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <sstream>

#include <CLI/CLI.hpp>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"
#include "fees/fee_text.h"

namespace verdika::cli {

namespace {

struct Entry {
    About about;
    SubcommandFactory make;
};

std::map<std::string, Entry>& registry() {
    static std::map<std::string, Entry> r;
    return r;
}

std::vector<const Entry*> entriesInOrder() {
    std::vector<const Entry*> list;
    for (const auto& [name, e] : registry()) list.push_back(&e);
    std::stable_sort(list.begin(), list.end(), [](auto a, auto b) { return a->about.order < b->about.order; });
    return list;
}

// Columns are counted in characters, not bytes, so "ČÁSTKA" lines up.
size_t displayWidth(std::string_view s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

std::string pad(const std::string& s, size_t width) {
    const size_t w = displayWidth(s);
    return w >= width ? s : s + std::string(width - w, ' ');
}

// Two columns: the label, then the text; a text's later lines and a label
// too wide for the column continue under the text column.
void writeColumns(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows, size_t maxColumn) {
    size_t column = 0;
    for (const auto& [label, text] : rows) column = std::max(column, displayWidth(label) + 4);
    column = std::min(column, maxColumn);
    for (const auto& [label, text] : rows) {
        std::string line = "  " + label;
        if (displayWidth(line) + 2 > column) {
            out << line << "\n";
            line.clear();
        }
        std::istringstream lines(text);
        std::string part;
        bool first = true;
        while (std::getline(lines, part)) {
            out << pad(first ? line : std::string(), column) << part << "\n";
            first = false;
        }
        if (first) out << line << "\n";
    }
}

bool isHelp(const CLI::Option* o) { return o->get_lnames() == std::vector<std::string>{"help"}; }

bool repeatable(const CLI::Option* o) { return o->get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll; }

std::string optionLabel(const CLI::Option* o) {
    if (o->get_positional()) return o->get_type_name();
    std::string label;
    for (const auto& s : o->get_snames()) label += (label.empty() ? "-" : ", -") + s;
    for (const auto& l : o->get_lnames()) label += (label.empty() ? "--" : ", --") + l;
    if (!o->get_type_name().empty()) label += " " + o->get_type_name();
    return label;
}

// Wrapped at 80 characters, later lines under the first option.
std::string usageLine(const CLI::App& app, const std::string& name) {
    const std::string head = "Použití: verdika-cli " + name;
    std::string usage = head, line = head;
    for (const CLI::Option* o : app.get_options()) {
        if (isHelp(o)) continue;
        std::string part;
        if (o->get_positional()) {
            part = o->get_type_name();  // the subcommand checks their count
        } else {
            part = "--" + o->get_lnames().front() + (o->get_type_name().empty() ? "" : " " + o->get_type_name());
            if (!o->get_required()) part = "[" + part + "]";
            if (repeatable(o)) part += "…";
        }
        if (displayWidth(line) + 1 + displayWidth(part) > 80 && line.size() > head.size()) {
            usage += "\n" + std::string(displayWidth(head), ' ');
            line = std::string(displayWidth(head), ' ');
        }
        usage += " " + part;
        line += " " + part;
    }
    return usage;
}

std::string indent(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) out += "  " + line + "\n";
    return out;
}

std::string helpOf(const CLI::App& app, const About& about) {
    std::ostringstream out;
    out << "verdika-cli " << about.name << " – " << about.summary << "\n\n"
        << usageLine(app, about.name) << "\n\n";
    std::vector<std::pair<std::string, std::string>> rows;
    std::vector<const CLI::Option*> options = app.get_options();
    std::stable_partition(options.begin(), options.end(), [](const CLI::Option* o) { return !isHelp(o); });
    for (const CLI::Option* o : options) {
        std::string text = o->get_description();
        // The marks end the first line, before the colon that opens a list of values.
        size_t end = std::min(text.find('\n'), text.size());
        if (end > 0 && text[end - 1] == ':') --end;
        if (repeatable(o) && !o->get_positional()) text.insert(end, " (lze opakovat)");
        if (o->get_required()) text.insert(end, " (povinné)");
        rows.emplace_back(optionLabel(o), text);
    }
    out << "Přepínače:\n";
    writeColumns(out, rows, 30);
    if (!about.example.empty()) out << "\nPříklad:\n" << indent(about.example);
    if (!about.output.empty()) out << "\nVýstup:\n" << indent(about.output);
    return out.str();
}

void printList(std::ostream& out) {
    out << "Verdika " << VERDIKA_VERSION << " – výpočty z příkazové řádky\n\n"
        << "Použití: verdika-cli [--portable] PŘÍKAZ [PŘEPÍNAČE]\n"
        << "         verdika-cli PŘÍKAZ --help      (přepínače, příklad a výstup příkazu)\n\n"
        << "Příkazy:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Entry* e : entriesInOrder()) rows.emplace_back(e->about.name, e->about.summary);
    writeColumns(out, rows, 20);
    out << "\nČísla se píší jako v programu: desetinná čárka, tečky jen mezi tisíci\n"
        << "(100.000 je sto tisíc, 1.234,50; „100.5“ se odmítne). Data ve tvaru d.m.rrrr.\n"
        << "--json: výstup jako JSON; částky jsou čísla zaokrouhlená na haléře, data řetězce d.m.rrrr.\n"
        << "--portable: datový adresář je adresář programu (jako „verdika portable“).\n"
        << "Proměnná prostředí VERDIKA_DATA_DIR určuje jiný datový adresář.\n"
        << "Návratový kód: 0 hotovo, 1 výpočet se nepodařil (tabulka, soubor), 2 chybný argument.\n";
}

// CLI11 explains itself in English; the user gets one Czech line instead.
std::string czechParseError(const CLI::ParseError& e) {
    const std::string what = e.what();
    const std::string option = what.substr(0, what.find_first_of(": "));
    if (dynamic_cast<const CLI::RequiredError*>(&e) && what.size() > 12 &&
        what.compare(what.size() - 12, 12, " is required") == 0)
        return "Chybí povinný přepínač " + what.substr(0, what.size() - 12) + ".";
    if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
        const auto at = what.find(" excludes ");
        if (at != std::string::npos)
            return what.substr(0, at) + " a " + what.substr(at + 10) + " se vylučují; zadejte jen jedno z nich.";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) || dynamic_cast<const CLI::ConversionError*>(&e)) {
        if (what.find("flag") != std::string::npos)
            return "Přepínač " + (option.rfind("-", 0) == 0 ? option : "--" + option) + " nemá hodnotu.";
        if (option.rfind("-", 0) == 0) return "U přepínače " + option + " chybí hodnota.";
    }
    return "Chybný argument: " + what;
}

// Every failure is one line on err: 2 for a bad argument, 1 for the rest.
int runGuarded(const std::function<int()>& body, std::ostream& err) {
    try {
        return body();
    } catch (const UsageError& e) {
        err << Jeden_Radek(e.what()) << "\n";
        return 2;
    } catch (const ConversionError& e) {
        err << Jeden_Radek(e.what()) << "\n";
        return 2;
    } catch (const Error& e) {
        err << Jeden_Radek(e.what()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "Chyba: " << Jeden_Radek(e.what()) << "\n";
        return 1;
    }
}

std::unique_ptr<CLI::App> makeApp(const About& about) {
    auto app = std::make_unique<CLI::App>(about.summary, "verdika-cli " + about.name);
    app->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)->disable_flag_override();
    app->set_help_flag("-h,--help", "vypíše tuto nápovědu");
    app->allow_extras();  // unknown arguments get our own message
    return app;
}

int runSubcommand(const Entry& e, const std::vector<std::string>& args, Context& ctx) {
    auto app = makeApp(e.about);
    std::unique_ptr<Subcommand> cmd = e.make();
    Options options(*app);
    cmd->define(options);
    if (std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        ctx.out << helpOf(*app, e.about);
        return 0;
    }
    return runGuarded(
        [&] {
            try {
                app->parse(std::vector<std::string>(args.rbegin(), args.rend()));
            } catch (const CLI::ParseError& pe) {
                throw UsageError(czechParseError(pe));
            }
            const auto rest = app->remaining();
            if (!rest.empty()) {
                const std::string& a = rest.front();
                if (a.size() > 1 && a[0] == '-' && !tryParseDecimal(a))
                    throw UsageError("Neznámý přepínač " + a.substr(0, a.find('=')) + "; přepínače vypíše verdika-cli " +
                                     e.about.name + " --help.");
                throw UsageError("Nečekaný argument „" + a + "“.");
            }
            return cmd->run(ctx);
        },
        ctx.err);
}

std::string withOption(const std::string& message, std::string_view option) {
    return option.empty() ? message : message + " (" + std::string(option) + ")";
}

}  // namespace

// ---- registry and dispatch ----

void registerSubcommand(About about, SubcommandFactory make) {
    const std::string name = about.name;
    registry()[name] = Entry{std::move(about), std::move(make)};
}

std::vector<std::string> subcommandNames() {
    std::vector<std::string> names;
    for (const Entry* e : entriesInOrder()) names.push_back(e->about.name);
    return names;
}

int run(const std::vector<std::string>& args, const AppPaths& paths, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
        printList(out);
        return 0;
    }
    const std::string& name = args.front();
    auto it = registry().find(name);
    if (it == registry().end()) {
        err << "Neznámý příkaz „" << name << "“; seznam příkazů vypíše verdika-cli --help.\n";
        return 2;
    }
    Context ctx{paths, out, err};
    return runSubcommand(it->second, std::vector<std::string>(args.begin() + 1, args.end()), ctx);
}

// ---- values ----

double parseNumber(std::string_view text, std::string_view option) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) throw UsageError(withOption("Chybí číslo.", option));
    try {
        return parseGrouped(text);
    } catch (const ConversionError&) {
        std::string t(text);
        if (t.find('.') != std::string::npos && t.find_first_not_of("+-0123456789., ") == std::string::npos) {
            // With one dot and no comma the intended number is plain to see: suggest it.
            std::string hint = "1.234,5";
            if (std::count(t.begin(), t.end(), '.') == 1 && t.find(',') == std::string::npos)
                hint = t.substr(0, t.find('.')) + "," + t.substr(t.find('.') + 1);
            throw UsageError(withOption("V čísle „" + t + "“ odděluje tečka jen tisíce; desetinnou část oddělte čárkou (" +
                                            hint + ").",
                                        option));
        }
        throw UsageError(withOption("„" + t + "“ není platné číslo.", option));
    }
}

Json money(double amount) {
    if (!std::isfinite(amount)) return nullptr;
    // Read back what the program shows, so the JSON never disagrees with the text by a haler.
    std::string shown = Format_Castky(amount);
    shown.resize(shown.size() - std::string_view(" Kč").size());
    return parseGrouped(shown);
}

Json jsonDate(Date d) { return formatDate(d); }

Json jsonDate(const std::optional<Date>& d) { return d ? jsonDate(*d) : Json(nullptr); }

void printJson(std::ostream& out, const Json& j) {
    out << j.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

// ---- options ----

Opt Opt::required() const {
    o_->required();
    return *this;
}

Opt Opt::excludes(Opt other) const {
    o_->excludes(other.o_);
    return *this;
}

Opt Options::flag(const std::string& name, bool& target, const std::string& help) {
    return Opt(app_.add_flag(name, target, help));
}

Opt Options::json(bool& target) {
    return flag("--json", target, "výstup jako JSON (částky čísla na haléře, data „d.m.rrrr“)");
}

namespace {

// A value option whose text the function converts (and may refuse with a UsageError).
CLI::Option* valueOption(CLI::App& app, const std::string& name, const std::string& valueName,
                         const std::string& help, std::function<void(const std::string&)> read) {
    return app.add_option_function<std::string>(name, std::move(read), help)->type_name(valueName);
}

}  // namespace

Opt Options::text(const std::string& name, std::optional<std::string>& target, const std::string& valueName,
                  const std::string& help) {
    return Opt(valueOption(app_, name, valueName, help, [&target](const std::string& v) { target = v; }));
}

Opt Options::texts(const std::string& name, std::vector<std::string>& target, const std::string& valueName,
                   const std::string& help) {
    CLI::Option* o = app_.add_option(name, target, help);
    o->type_name(valueName)->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    o->allow_extra_args(false);  // "--ukon A navic": navic is no second act
    return Opt(o);
}

Opt Options::amount(const std::string& name, std::optional<double>& target, const std::string& help, Sign sign) {
    return number(name, target, "ČÁSTKA", help, sign);
}

Opt Options::number(const std::string& name, std::optional<double>& target, const std::string& valueName,
                    const std::string& help, Sign sign) {
    return Opt(valueOption(app_, name, valueName, help, [&target, name, sign](const std::string& v) {
        const double x = parseNumber(v, name);
        if (sign == Sign::NonNegative && x < 0)
            throw UsageError("Hodnota " + name + " nesmí být záporná (zadáno " + v + ").");
        target = x;
    }));
}

Opt Options::integer(const std::string& name, std::optional<std::int64_t>& target, const std::string& valueName,
                     const std::string& help, std::int64_t min, std::int64_t max) {
    return Opt(valueOption(app_, name, valueName, help, [&target, name, min, max](const std::string& v) {
        const auto x = tryParseInteger(v);
        if (!x || *x < min || *x > max)
            throw UsageError(name + " je celé číslo od " + std::to_string(min) + " do " + std::to_string(max) +
                             ", ne „" + v + "“.");
        target = *x;
    }));
}

Opt Options::date(const std::string& name, std::optional<Date>& target, const std::string& help) {
    return Opt(valueOption(app_, name, "DATUM", help, [&target, name](const std::string& v) {
        try {
            target = parseDate(v);
        } catch (const ConversionError& e) {
            throw UsageError(withOption(e.what(), name));
        }
    }));
}

Opt Options::choice(const std::string& name, std::optional<std::string>& target, const std::string& valueName,
                    const std::string& help, const std::vector<std::pair<std::string, std::string>>& values) {
    std::string text = help;
    std::string known;
    for (size_t i = 0; i < values.size(); ++i) {
        const auto& [v, meaning] = values[i];
        text += "\n  " + v + (meaning.empty() ? "" : " – " + meaning);
        known += (i == 0 ? "" : i + 1 == values.size() ? " nebo " : ", ") + v;
    }
    return Opt(valueOption(app_, name, valueName, text, [&target, name, values, known](const std::string& v) {
        for (const auto& value : values)
            if (value.first == v) {
                target = v;
                return;
            }
        throw UsageError(name + " nemá hodnotu „" + v + "“; zadejte " + known + ".");
    }));
}

Opt Options::positionals(const std::string& name, std::vector<std::string>& target, const std::string& label,
                         const std::string& help) {
    CLI::Option* o = app_.add_option(name, target, help);
    o->type_name(label)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    return Opt(o);
}

}  // namespace verdika::cli
