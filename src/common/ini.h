#pragma once
// Settings and tables in INI form, read and written the way the classic
// Windows profile functions do: section and key names are case-insensitive,
// sections, keys and other lines keep their file order, every read takes a
// default, a write updates the value in place and keeps everything else.
// On disk the text is Windows-1250 (UTF-8 with a BOM is read as well); save()
// writes a temporary file and renames it over the old one.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace verdika {

class IniFile {
public:
    IniFile() = default;

    // A missing or unreadable file gives an empty IniFile (exists() false).
    static IniFile load(const std::filesystem::path& path);
    static IniFile parse(std::string_view utf8Text, std::filesystem::path path = {});

    // Loads the file, applies the change and saves it at once (atomically).
    static void update(const std::filesystem::path& path, const std::function<void(IniFile&)>& change);

    bool exists() const { return exists_; }
    const std::filesystem::path& path() const { return path_; }

    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    // Keys of a section in file order (ReadSection).
    std::vector<std::string> sectionKeys(std::string_view section) const;
    // key=value pairs of a section in file order (ReadSectionValues).
    std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view def = {}) const;
    // A value that is not a whole number reads as the default.
    std::int64_t readInteger(std::string_view section, std::string_view key, std::int64_t def) const;
    // "0" is false, any other whole number true; anything else the default.
    bool readBool(std::string_view section, std::string_view key, bool def) const;
    // A decimal number with the decimal comma (or point, as tables have it);
    // missing or empty gives the default, anything else throws a DataError
    // naming the file, section and key.
    double readDecimal(std::string_view section, std::string_view key, double def) const;

    // Line breaks in a value would break the file; they are written as blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int64_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void deleteKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

    std::string toText() const;  // UTF-8, CRLF line ends
    void save() const;           // to path(); throws IoError, the old file intact
    void saveAs(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string key;    // empty for a line that is not key=value
        std::string value;  // or the raw line
        bool isKey = false;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    static const Line* findKey(const Section& s, std::string_view key);

    void reindex();

    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    // Lower-case name -> position in sections_, so a file of many sections
    // (a long trip list) is read in linear time.
    std::unordered_map<std::string, std::size_t> index_;
    std::filesystem::path path_;
    bool exists_ = false;
};

}  // namespace verdika
