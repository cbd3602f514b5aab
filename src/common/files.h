#pragma once
// File access with the guarantees every part of the program relies on:
// reads tell "missing" apart from content, writes never leave a half-written
// file behind (temporary file in the same folder, then a rename).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdika {

namespace fs = std::filesystem;

// The whole file, or empty when it does not exist or cannot be read.
std::optional<std::string> readFileBytes(const fs::path& path);

// Replaces the file with the bytes; throws IoError (the old file is intact).
// The bytes go to "NAME.tmpNNNNNN" in the same folder, are synced, renamed
// over the file, and the folder is synced; a temporary file a kill left
// behind is removed at the next start (removeStaleTemporaryFiles).
void writeFileAtomic(const fs::path& path, std::string_view bytes);

// Text files in the Czech 8-bit code page (UTF-8 with a BOM also accepted).
std::optional<std::string> readTextFile(const fs::path& path);
std::vector<std::string> splitLines(std::string_view text);
void writeTextFileAtomic(const fs::path& path, std::string_view utf8);

// Path text in UTF-8 for messages, whatever the platform's native form.
std::string pathText(const fs::path& path);
fs::path pathFromUtf8(std::string_view utf8);

}  // namespace verdika
