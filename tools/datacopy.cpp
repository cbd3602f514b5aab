// Build step: copies the shipped data files beside the executables. Tables
// and texts (*.ini, *.vrd) are kept as UTF-8 in the repository, so diffs stay
// readable, and are written in the program's on-disk code page,
// Windows-1250. Other files are copied as they are.
//   verdika-datacopy SOURCE_DIR TARGET_DIR
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/cp1250.h"
#include "common/errors.h"
#include "common/files.h"

namespace fs = std::filesystem;
using namespace verdika;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: verdika-datacopy SOURCE_DIR TARGET_DIR\n");
        return 2;
    }
    const fs::path source = argv[1], target = argv[2];
    int failures = 0;
    std::error_code ec;
    fs::create_directories(target, ec);
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (!entry.is_regular_file()) continue;
        const fs::path rel = fs::relative(entry.path(), source);
        const std::string ext = entry.path().extension().string();
        if (ext == ".md") continue;  // notes for the developers, not program data
        const fs::path out = target / rel;
        fs::create_directories(out.parent_path(), ec);
        auto bytes = readFileBytes(entry.path());
        if (!bytes) {
            std::fprintf(stderr, "datacopy: cannot read %s\n", entry.path().string().c_str());
            ++failures;
            continue;
        }
        std::string content = *bytes;
        if (ext == ".ini" || ext == ".vrd") {
            std::string text = decodeText(content);
            auto encoded = utf8ToCp1250(text);
            if (!encoded) {
                std::fprintf(stderr, "datacopy: %s holds a character Windows-1250 cannot store\n",
                             entry.path().string().c_str());
                ++failures;
                continue;
            }
            content = *encoded;
        }
        auto existing = readFileBytes(out);
        if (existing && *existing == content) continue;
        try {
            writeFileAtomic(out, content);
        } catch (const Error& e) {
            std::fprintf(stderr, "datacopy: %s\n", e.what());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
