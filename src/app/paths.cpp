#include "app/paths.h"

#include <cstdlib>

#include "common/files.h"
#include "common/platform.h"

namespace verdika {

bool isPortableArgument(const std::vector<std::string>& args) { return !args.empty() && args.front() == "portable"; }

WindowsDataDir deriveWindowsDataDir(std::string_view roamingFolder, std::string_view programDir) {
    WindowsDataDir r;
    auto pos = roamingFolder.find("Roaming");
    if (pos != std::string_view::npos) r.keptPart = std::string(roamingFolder.substr(0, pos));
    r.dataDir = r.keptPart + "Local\\Verdika\\";
    if (r.dataDir == "Local\\Verdika\\") {
        r.dataDir = std::string(programDir);
        if (r.dataDir.empty() || r.dataDir.back() != '\\') r.dataDir += '\\';
    }
    r.legacyFolders = {r.keptPart + "Local\\VirtualStore\\Program Files (x86)\\Verdika",
                       r.keptPart + "Local\\VirtualStore\\Program Files\\Verdika"};
    return r;
}

ProgramDir locateProgramDir(const std::filesystem::path& exeDir) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(exeDir / "verdika.txt", ec)) return {exeDir, false};
    const auto shared = (exeDir / pathFromUtf8(kInstalledProgramDir)).lexically_normal();
    if (std::filesystem::is_directory(shared, ec)) return {shared, true};
    return {exeDir, false};
}

AppPaths resolvePaths(const std::vector<std::string>& args) { return resolvePaths(args, platform::executablePath()); }

AppPaths resolvePaths(const std::vector<std::string>& args, const std::filesystem::path& executable) {
    AppPaths p;
    const ProgramDir program = locateProgramDir(executable.parent_path());
    p.programDir = program.dir;
    if (isPortableArgument(args)) {
        if (!program.installed) {
            p.dataDir = p.programDir;
            return p;
        }
        p.notice = std::string(kPortableNeedsCopy);
    }
    if (const char* env = std::getenv("VERDIKA_DATA_DIR"); env && *env) {
        p.dataDir = pathFromUtf8(env);
        return p;
    }
#if defined(_WIN32)
    auto roaming = platform::windowsRoamingAppData();
    std::string programText = pathText(p.programDir);
    auto w = deriveWindowsDataDir(roaming ? pathText(*roaming) : std::string(), programText + "\\");
    p.dataDir = pathFromUtf8(w.dataDir);
    if (!w.keptPart.empty()) {
        for (const auto& legacy : w.legacyFolders) {
            std::error_code ec;
            auto from = pathFromUtf8(legacy);
            if (std::filesystem::exists(from, ec)) std::filesystem::rename(from, p.dataDir, ec);  // outcome ignored
        }
    }
#else
    auto dir = platform::unixAppDataDir();
    p.dataDir = dir ? *dir : p.programDir;
#endif
    return p;
}

}  // namespace verdika
