#include "common/ini.h"

#include <iterator>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika {

IniFile IniFile::load(const std::filesystem::path& path) {
    auto text = readTextFile(path);
    IniFile ini = parse(text ? *text : std::string(), path);
    ini.exists_ = text.has_value();
    return ini;
}

IniFile IniFile::parse(std::string_view utf8Text, std::filesystem::path path) {
    IniFile ini;
    ini.path_ = std::move(path);
    ini.exists_ = true;
    Section* current = nullptr;
    for (const std::string& raw : splitLines(utf8Text)) {
        std::string_view t = trimBlanks(raw);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string_view::npos) {
            std::string name(trimBlanks(t.substr(1, t.find(']') - 1)));
            // A repeated header continues the first section of that name, as the profile API reads it.
            current = ini.findSection(name);
            if (!current) {
                ini.index_.emplace(asciiLower(name), ini.sections_.size());
                ini.sections_.push_back(Section{name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        if (!current) {
            ini.preamble_.push_back(raw);
            continue;
        }
        Line line;
        auto eq = t.find('=');
        if (!t.empty() && t.front() != ';' && eq != std::string_view::npos && eq > 0) {
            line.isKey = true;
            line.key = trimmed(t.substr(0, eq));
            line.value = trimmed(t.substr(eq + 1));
        } else {
            line.value = raw;
        }
        current->lines.push_back(std::move(line));
    }
    return ini;
}

void IniFile::update(const std::filesystem::path& path, const std::function<void(IniFile&)>& change) {
    IniFile ini = load(path);
    change(ini);
    ini.saveAs(path);
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    auto it = index_.find(asciiLower(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    auto it = index_.find(asciiLower(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

void IniFile::reindex() {
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) index_.emplace(asciiLower(sections_[i].name), i);
}

const IniFile::Line* IniFile::findKey(const Section& s, std::string_view key) {
    for (const auto& l : s.lines)
        if (l.isKey && equalsIgnoreAsciiCase(l.key, key)) return &l;
    return nullptr;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    return s && findKey(*s, key);
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& s : sections_) names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::sectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = findSection(section))
        for (const auto& l : s->lines)
            if (l.isKey) keys.push_back(l.key);
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::sectionValues(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> values;
    if (const Section* s = findSection(section))
        for (const auto& l : s->lines)
            if (l.isKey) values.emplace_back(l.key, l.value);
    return values;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const Line* l = findKey(*s, key);
    if (!l) return std::nullopt;
    return l->value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
    auto v = value(section, key);
    return v ? *v : std::string(def);
}

std::int64_t IniFile::readInteger(std::string_view section, std::string_view key, std::int64_t def) const {
    auto v = value(section, key);
    if (!v) return def;
    auto n = tryParseInteger(*v);
    return n ? *n : def;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::readDecimal(std::string_view section, std::string_view key, double def) const {
    auto v = value(section, key);
    if (!v || v->empty()) return def;
    std::string s = *v;
    for (char& c : s)
        if (c == '.') c = ',';
    if (auto d = tryParseDecimal(s)) return *d;
    throw DataError("V souboru " + pathText(path_.filename()) + " je v oddílu [" + std::string(section) +
                    "] u klíče „" + std::string(key) + "“ hodnota „" + *v + "“, která není číslo.");
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string v = Jeden_Radek(value);
    Section* s = findSection(section);
    if (!s) {
        index_.emplace(asciiLower(section), sections_.size());
        sections_.push_back(Section{std::string(section), {}});
        s = &sections_.back();
    }
    for (auto& l : s->lines) {
        if (l.isKey && equalsIgnoreAsciiCase(l.key, key)) {
            l.value = v;
            return;
        }
    }
    // New keys go after the last key of the section, before trailing blank lines.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && !std::prev(pos)->isKey && trimBlanks(std::prev(pos)->value).empty()) --pos;
    s->lines.insert(pos, Line{std::string(key), v, true});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s) return;
    std::erase_if(s->lines, [&](const Line& l) { return l.isKey && equalsIgnoreAsciiCase(l.key, key); });
}

void IniFile::eraseSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return equalsIgnoreAsciiCase(s.name, section); });
    reindex();
}

std::string IniFile::toText() const {
    std::string out;
    for (const auto& p : preamble_) out += p + "\r\n";
    for (const auto& s : sections_) {
        out += "[" + s.name + "]\r\n";
        for (const auto& l : s.lines) out += (l.isKey ? l.key + "=" + l.value : l.value) + "\r\n";
    }
    return out;
}

void IniFile::save() const { saveAs(path_); }

void IniFile::saveAs(const std::filesystem::path& path) const { writeTextFileAtomic(path, toText()); }

}  // namespace verdika
