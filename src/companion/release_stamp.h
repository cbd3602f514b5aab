#pragma once
// The release stamp "verdika.txt": its first line identifies the release
// (a dotted version number), its last line is the version text shown to the
// user.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace verdika {

std::optional<std::string> stampFirstLine(const std::filesystem::path& stamp);
std::optional<std::string> stampLastLine(const std::filesystem::path& stamp);

// Start-up refresh: the release is new when the data directory's stamp is
// missing, either stamp cannot be read, or their first lines differ.
bool isNewRelease(const std::filesystem::path& programStamp, const std::filesystem::path& dataStamp);

// True when the remote first line names a higher version than the local one
// ("1.10.0" > "1.9.3"); text after the numbers ("+build") is ignored, and a
// line without a version number never counts as newer.
bool announcesNewerRelease(std::string_view remoteFirstLine, std::string_view localFirstLine);

}  // namespace verdika
