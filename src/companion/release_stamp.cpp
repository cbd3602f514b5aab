#include "companion/release_stamp.h"

#include <vector>

#include "common/files.h"
#include "common/text.h"

namespace verdika {
namespace {

std::optional<std::vector<long>> versionNumbers(std::string_view line) {
    std::string_view t = trimBlanks(line);
    std::vector<long> parts;
    long current = -1;
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            if (current > 100000000) return std::nullopt;
            current = (current < 0 ? 0 : current * 10) + (c - '0');
        } else if (c == '.' && current >= 0) {
            parts.push_back(current);
            current = -1;
        } else {
            break;
        }
    }
    if (current >= 0) parts.push_back(current);
    if (parts.empty()) return std::nullopt;
    return parts;
}

}  // namespace

std::optional<std::string> stampFirstLine(const std::filesystem::path& stamp) {
    auto text = readTextFile(stamp);
    if (!text) return std::nullopt;
    auto lines = splitLines(*text);
    return lines.empty() ? std::string() : lines.front();
}

std::optional<std::string> stampLastLine(const std::filesystem::path& stamp) {
    auto text = readTextFile(stamp);
    if (!text) return std::nullopt;
    auto lines = splitLines(*text);
    return lines.empty() ? std::string() : lines.back();
}

bool isNewRelease(const std::filesystem::path& programStamp, const std::filesystem::path& dataStamp) {
    std::error_code ec;
    if (!std::filesystem::exists(dataStamp, ec)) return true;
    auto a = stampFirstLine(programStamp);
    auto b = stampFirstLine(dataStamp);
    if (!a || !b) return true;
    return *a != *b;
}

bool announcesNewerRelease(std::string_view remoteFirstLine, std::string_view localFirstLine) {
    auto remote = versionNumbers(remoteFirstLine);
    if (!remote) return false;
    auto local = versionNumbers(localFirstLine);
    if (!local) return true;  // an unreadable local stamp: any real release is newer
    size_t n = std::max(remote->size(), local->size());
    remote->resize(n, 0);
    local->resize(n, 0);
    return *remote > *local;
}

}  // namespace verdika
