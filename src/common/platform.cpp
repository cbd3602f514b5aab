#include "common/platform.h"

#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#include <shlobj.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace verdika::platform {

std::filesystem::path executablePath() {
#if defined(_WIN32)
    std::wstring buf(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    buf.resize(n);
    return std::filesystem::path(buf);
#elif defined(__APPLE__)
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buf(size, '\0');
    _NSGetExecutablePath(buf.data(), &size);
    std::error_code ec;
    auto p = std::filesystem::canonical(buf.c_str(), ec);
    return ec ? std::filesystem::path(buf.c_str()) : p;
#else
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() / "verdika" : p;
#endif
}

std::optional<std::filesystem::path> windowsRoamingAppData() {
#if defined(_WIN32)
    PWSTR raw = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &raw) != S_OK) {
        CoTaskMemFree(raw);
        return std::nullopt;
    }
    std::filesystem::path p(raw);
    CoTaskMemFree(raw);
    return p;
#else
    return std::nullopt;
#endif
}

std::optional<std::filesystem::path> unixAppDataDir() {
#if defined(_WIN32)
    return std::nullopt;
#else
    const char* home = std::getenv("HOME");
#if defined(__APPLE__)
    if (!home || !*home) return std::nullopt;
    return std::filesystem::path(home) / "Library" / "Application Support" / "Verdika";
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "Verdika";
    if (!home || !*home) return std::nullopt;
    return std::filesystem::path(home) / ".local" / "share" / "Verdika";
#endif
#endif
}

bool syncFile(const std::filesystem::path& path) {
#if defined(_WIN32)
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
#else
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

bool syncFolder(const std::filesystem::path& folder) {
#if defined(_WIN32)
    (void)folder;
    return true;
#else
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

}  // namespace verdika::platform
