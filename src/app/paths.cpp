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

AppPaths resolvePaths(const std::vector<std::string>& args) {
    AppPaths p;
    p.programDir = platform::executablePath().parent_path();
    if (isPortableArgument(args)) {
        p.dataDir = p.programDir;
        return p;
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
