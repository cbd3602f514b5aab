#pragma once
// Helpers shared by the core and UI tests.
#include <filesystem>
#include <string>
#include <string_view>

namespace verdika::test {

namespace fs = std::filesystem;

// A fresh temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }
    fs::path operator/(std::string_view name) const { return path_ / name; }

private:
    fs::path path_;
};

// The build's program directory: executables and the shipped tables.
fs::path shippedDir();

// Writes bytes as they are (tests choose the encoding).
void writeBytes(const fs::path& file, std::string_view bytes);
// Writes UTF-8 text converted to Windows-1250, as the program's files are.
void writeCp1250(const fs::path& file, std::string_view utf8);
std::string readBytes(const fs::path& file);

// One member of a zip package (an .xlsx or .docx) as text; "(not a zip)" when
// the file is not one, empty when the member is missing.
std::string zipMember(const fs::path& file, const char* name);

// Runs a command line, returns its exit code; output captured in out/err.
int runCommand(const std::string& commandLine, std::string* out = nullptr, std::string* err = nullptr);

}  // namespace verdika::test
