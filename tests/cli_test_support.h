#pragma once
// Runs verdika-cli in-process: cli::run with string streams, the build's
// program directory and a data directory of the test's choice.
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "test_support.h"

namespace verdika::test {

struct CliResult {
    int code = -1;
    std::string out, err;
    // The error output is a single line.
    bool oneLineError() const { return !err.empty() && err.find('\n') == err.size() - 1; }
};

// Splits a command line as a shell would for our tests: blanks separate,
// '…' and "…" keep blanks (and the other quote) together.
inline std::vector<std::string> splitArgs(std::string_view line) {
    std::vector<std::string> args;
    std::string cur;
    char quote = 0;
    bool any = false;
    for (char ch : line) {
        if ((ch == '\'' || ch == '"') && (quote == 0 || quote == ch)) {
            quote = quote ? 0 : ch;
            any = true;
        } else if (ch == ' ' && !quote) {
            if (any) args.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += ch;
            any = true;
        }
    }
    if (any) args.push_back(cur);
    return args;
}

inline CliResult runCli(const std::string& line, const fs::path& dataDir) {
    std::ostringstream out, err;
    CliResult r;
    r.code = cli::run(splitArgs(line), AppPaths{shippedDir(), dataDir, {}}, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// With a fresh data directory of its own.
inline CliResult runCli(const std::string& line) {
    TempDir data;
    return runCli(line, data.path());
}

}  // namespace verdika::test
