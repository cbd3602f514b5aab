#include "common/files.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "common/cp1250.h"
#include "common/errors.h"
#include "common/platform.h"

namespace verdika {

std::optional<std::string> readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return ss.str();
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::random_device rd;
    const fs::path tmp = dir / (path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    const auto fail = [&](const char* what) {
        std::error_code ec;
        fs::remove(tmp, ec);
        throw IoError("Soubor " + pathText(path) + " nelze uložit (" + what + "); původní obsah zůstal beze změny.");
    };
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) fail("nelze vytvořit dočasný soubor");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) fail("zápis selhal");
    }
    if (!platform::syncFile(tmp)) fail("zápis na disk selhal");
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) fail("přejmenování selhalo");
    // The new name is on the disk only once the folder is; a file system that
    // cannot sync folders still has the complete file under one of the names.
    platform::syncFolder(dir);
}

std::optional<std::string> readTextFile(const fs::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return decodeText(*bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

void writeTextFileAtomic(const fs::path& path, std::string_view utf8) {
    writeFileAtomic(path, encodeText(utf8));
}

std::string pathText(const fs::path& path) {
    auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace verdika
