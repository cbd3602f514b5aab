#pragma once
// verdika-cli: the calculators from the shell. Each subcommand is a small
// class in its own file: define() declares its options (CLI11 parses them
// and writes the help), run() computes and prints text or --json.
//
//   class Svatky final : public Subcommand {
//       std::int64_t year = 0;
//       bool json = false;
//       void define(Options& o) override {
//           o.integer("--rok", year, "ROK", "rok 2000 až 9999", 2000, 9999).required();
//           o.json(json);
//       }
//       int run(Context& c) override { ... }
//   };
//   const Register<Svatky> reg({"svatky", "státní a ostatní svátky roku", 72,
//                               "verdika-cli svatky --rok 2026", "jeden svátek na řádek: datum a název"});
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/paths.h"
#include "common/dates.h"

// CLI11 parses, but only cli.cpp sees it: its header costs seconds per file.
namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace verdika::cli {

// A bad argument: the message is printed on one line, the exit code is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    AppPaths paths;                 // program directory (shipped tables) and data directory
    std::ostream& out;
    std::ostream& err;
};

// Runs one command line (without the program name): prints to out and err
// and returns the exit code (0 done, 1 the computation failed, 2 bad arguments).
int run(const std::vector<std::string>& args, const AppPaths& paths, std::ostream& out, std::ostream& err);

// ---- values from the command line ----

// A number as the program writes it: decimal comma, thousands dots only
// where they group whole thousands ("100.000", "1.234.567,50"). A dot that
// groups nothing ("100.5") is refused with a hint to use the decimal comma,
// never read as something else. The option name goes into the message.
double parseNumber(std::string_view text, std::string_view option);

// ---- JSON output (one convention for every subcommand) ----

using Json = nlohmann::ordered_json;

// Money: a number rounded as the program shows it (two decimals, as
// Format_Castky rounds), null when not finite.
Json money(double amount);
// Dates: "d.m.yyyy" strings, the form of the text output.
Json jsonDate(Date d);
Json jsonDate(const std::optional<Date>& d);
// One line of compact JSON.
void printJson(std::ostream& out, const Json& j);

// ---- declaring options ----

// Whether an amount may be negative.
enum class Sign { NonNegative, Any };

// A declared option, to mark it required or exclusive with another.
class Opt {
public:
    explicit Opt(CLI::Option* o) : o_(o) {}
    Opt required() const;
    Opt excludes(Opt other) const;  // either one, never both (in both directions)

private:
    CLI::Option* o_;
};

// The option builder a subcommand gets in define(). Every value option
// names its value (ČÁSTKA, DATUM, …) and says in its help what it takes;
// a bad value is a one-line Czech UsageError naming the option.
class Options {
public:
    explicit Options(CLI::App& app) : app_(app) {}

    Opt flag(const std::string& name, bool& target, const std::string& help);
    Opt json(bool& target);  // --json: the same help everywhere

    Opt text(const std::string& name, std::optional<std::string>& target, const std::string& valueName,
             const std::string& help);
    Opt texts(const std::string& name, std::vector<std::string>& target, const std::string& valueName,
              const std::string& help);  // repeatable, in the order given

    Opt amount(const std::string& name, std::optional<double>& target, const std::string& help,
               Sign sign = Sign::NonNegative);  // Kč
    Opt number(const std::string& name, std::optional<double>& target, const std::string& valueName,
               const std::string& help, Sign sign = Sign::NonNegative);
    Opt integer(const std::string& name, std::optional<std::int64_t>& target, const std::string& valueName,
                const std::string& help, std::int64_t min, std::int64_t max);
    Opt date(const std::string& name, std::optional<Date>& target, const std::string& help);

    // One of a few named values: the help lists "value – meaning" per line.
    Opt choice(const std::string& name, std::optional<std::string>& target, const std::string& valueName,
               const std::string& help, const std::vector<std::pair<std::string, std::string>>& values);

    // Positional arguments, collected in order; the subcommand checks their
    // count. The label ("D1 D2") stands for them in the usage and the help.
    Opt positionals(const std::string& name, std::vector<std::string>& target, const std::string& label,
                    const std::string& help);

private:
    CLI::App& app_;
};

// ---- subcommands ----

class Subcommand {
public:
    virtual ~Subcommand() = default;
    virtual void define(Options& o) = 0;
    virtual int run(Context& c) = 0;
};

// What the list and --help say about a subcommand.
struct About {
    std::string name;
    std::string summary;  // one line in the list of subcommands
    int order = 100;      // position in that list
    std::string example;  // one whole command line
    std::string output;   // what it prints, as text and with --json
};

using SubcommandFactory = std::function<std::unique_ptr<Subcommand>()>;
void registerSubcommand(About about, SubcommandFactory make);

template <class T>
struct Register {
    explicit Register(About about) {
        registerSubcommand(std::move(about), [] { return std::make_unique<T>(); });
    }
};

// The subcommands, in the order of the list.
std::vector<std::string> subcommandNames();

}  // namespace verdika::cli
