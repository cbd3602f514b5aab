#pragma once
// verdika-cli: the calculators from the shell. Each subcommand lives in its
// own file and registers itself with a static CommandRegistration.
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/paths.h"
#include "common/dates.h"

namespace verdika::cli {

// A bad argument: the message is printed on one line, the exit code is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    std::vector<std::string> args;  // after the subcommand's name
    AppPaths paths;                 // program directory (shipped tables) and data directory
    std::ostream& out;
    std::ostream& err;
};

using CommandFn = std::function<int(Context&)>;

struct Command {
    std::string name;
    std::string summary;  // one line for --help
    std::string usage;    // the argument synopsis
    CommandFn run;
    int order = 100;      // position in --help
};

struct CommandRegistration {
    explicit CommandRegistration(Command c);
};

const std::map<std::string, Command>& commands();

// Argument parsing shared by the subcommands: --name VALUE, --name=VALUE,
// flags, repeatable options, positional arguments. Unknown options and
// missing values are UsageErrors naming the argument.
class Args {
public:
    Args(const std::vector<std::string>& args, const std::vector<std::string>& flags,
         const std::vector<std::string>& valued);
    bool flag(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;  // the last one given
    std::vector<std::string> values(const std::string& name) const;   // every one, in order
    const std::vector<std::string>& positional() const { return positional_; }

    // Typed values; a malformed one is a UsageError with the core's Czech message.
    double decimal(const std::string& name, double def) const;       // decimal comma or point
    std::int64_t integer(const std::string& name, std::int64_t def) const;
    std::optional<Date> date(const std::string& name) const;

private:
    std::vector<std::string> flags_;
    std::multimap<std::string, std::string> values_;
    std::vector<std::string> order_;
    std::vector<std::string> positional_;
};

// Decimal number from the command line: the decimal comma or a decimal point.
double parseCliDecimal(const std::string& text);

}  // namespace verdika::cli
