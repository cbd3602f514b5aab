#pragma once
// Where the program keeps its files: the program directory (the executable's
// folder, holding the shipped read-only tables) and the per-user data
// directory (settings, user tables, databases, exports).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdika {

struct AppPaths {
    std::filesystem::path programDir;
    std::filesystem::path dataDir;
};

// Portable mode: the first argument is exactly "portable"; later ones are not looked at.
bool isPortableArgument(const std::vector<std::string>& args);

// The Windows derivation from the roaming application-data folder: keep what
// precedes the first "Roaming", append "Local\Verdika\"; with nothing kept
// the data directory is the program directory. Texts end in "\".
struct WindowsDataDir {
    std::string keptPart;
    std::string dataDir;
    std::vector<std::string> legacyFolders;  // old per-user copies to move in, in order
};
WindowsDataDir deriveWindowsDataDir(std::string_view roamingFolder, std::string_view programDir);

// Resolves both directories for this run. On Linux and macOS the data
// directory is the per-user application-data folder; the environment
// variable VERDIKA_DATA_DIR (used by tests and screenshots) names another one.
AppPaths resolvePaths(const std::vector<std::string>& args);

}  // namespace verdika
