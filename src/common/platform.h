#pragma once
// The few operating-system services the core needs. Everything that differs
// between Windows, Linux and macOS lives in platform.cpp.
#include <filesystem>
#include <optional>

namespace verdika::platform {

// Full path of the running executable.
std::filesystem::path executablePath();

// The per-user roaming application-data folder on Windows (…\AppData\Roaming);
// empty on other systems.
std::optional<std::filesystem::path> windowsRoamingAppData();

// The per-user application-data folder of this program on Linux and macOS
// (~/.local/share/Verdika, ~/Library/Application Support/Verdika); empty when
// the home folder is unknown or on Windows.
std::optional<std::filesystem::path> unixAppDataDir();

// Flushes a written file to the disk; false on failure.
bool syncFile(const std::filesystem::path& path);
// Flushes a folder's entries (a rename into it) to the disk, so a power loss
// cannot lose a file's new name; false on failure. Nothing to do on Windows,
// where the rename itself is written through.
bool syncFolder(const std::filesystem::path& folder);

}  // namespace verdika::platform
