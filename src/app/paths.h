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
    std::string notice;  // one Czech line for the user about how the paths were chosen; usually empty
};

// Where an installed program keeps its shipped files, relative to the executable's folder.
inline constexpr std::string_view kInstalledProgramDir = "../share/verdika";

// The program directory for an executable in exeDir: exeDir itself when it
// holds the release stamp "verdika.txt" (a build tree or a portable copy),
// else exeDir/../share/verdika when that folder exists (installed), else
// exeDir. `installed` is true in the second case only.
struct ProgramDir {
    std::filesystem::path dir;
    bool installed = false;
};
ProgramDir locateProgramDir(const std::filesystem::path& exeDir);

// Said when "portable" is asked of an installed program, whose folder is not ours to write into.
inline constexpr std::string_view kPortableNeedsCopy =
    "Přenosný režim (portable) potřebuje kopii programu ve složce, do které lze zapisovat; "
    "program se spouští s obvyklým datovým adresářem.";

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
// An installed program refuses "portable" with `notice` and starts normally.
AppPaths resolvePaths(const std::vector<std::string>& args);
AppPaths resolvePaths(const std::vector<std::string>& args, const std::filesystem::path& executable);

}  // namespace verdika
