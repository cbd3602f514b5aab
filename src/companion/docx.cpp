#include "companion/docx.h"

#include "companion/zip_library.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "common/errors.h"
#include "common/files.h"
#include "common/utf8.h"

namespace verdika::docx {

namespace {

constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kStrictWordNs = "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr const char* kRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

// Bounds for documents we open: a hostile file must not exhaust memory.
constexpr std::uintmax_t kMaxPackageBytes = 128u << 20;
constexpr zip_int64_t kMaxEntries = 10000;
constexpr std::size_t kMaxPartBytes = 32u << 20;
constexpr std::size_t kMaxFilledPartBytes = 64u << 20;  // all filled parts together

// Markers for a line break and a tab inside text being edited; XML 1.0 cannot
// hold these characters, so they never come from a document.
constexpr char kBreakMark = '\x01';
constexpr char kTabMark = '\x02';

// ---------------------------------------------------------------- XML text

bool xmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Text as XML character data: escaped, invalid UTF-8 shown as U+FFFD and
// characters that XML 1.0 cannot hold left out.
void appendEscaped(std::string& out, std::string_view text, bool attribute = false) {
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextCodePoint(text, i).value_or(0xFFFD);
        if (!xmlChar(c)) continue;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\r': out += "&#13;"; break;
        default: appendUtf8(out, c);
        }
    }
}

std::string escaped(std::string_view text, bool attribute = false) {
    std::string out;
    appendEscaped(out, text, attribute);
    return out;
}

// Line breaks of any platform as our break marker, tabs as the tab marker,
// and other control characters (which no document can hold) dropped.
std::string markBreaks(std::string_view text, bool pageBreaks = false) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += kBreakMark;
        } else if (c == '\n') {
            out += kBreakMark;
        } else if (c == '\t') {
            out += kTabMark;
        } else if (c == '\f' && pageBreaks) {
            out += '\f';
        } else if (static_cast<unsigned char>(c) >= 0x20 || c < 0) {
            out += c;
        }
    }
    return out;
}

bool needsPreserve(std::string_view t) {
    return !t.empty() && (t.front() == ' ' || t.back() == ' ' || t.find("  ") != std::string_view::npos);
}

// Marked text as the content of a run: text elements, breaks and tabs.
void appendRunContent(std::string& out, std::string_view marked, const std::string& p) {
    std::size_t start = 0;
    bool any = false;
    for (std::size_t i = 0; i <= marked.size(); ++i) {
        const bool end = i == marked.size();
        if (!end && marked[i] != kBreakMark && marked[i] != kTabMark && marked[i] != '\f') continue;
        const std::string_view piece = marked.substr(start, i - start);
        if (!piece.empty()) {
            out += '<' + p + "t" + (needsPreserve(piece) ? " xml:space=\"preserve\">" : ">");
            appendEscaped(out, piece);
            out += "</" + p + "t>";
            any = true;
        }
        if (!end) {
            out += marked[i] == kTabMark ? '<' + p + "tab/>"
                   : marked[i] == '\f'   ? '<' + p + "br " + p + "type=\"page\"/>"
                                         : '<' + p + "br/>";
            any = true;
        }
        start = i + 1;
    }
    if (!any) out += '<' + p + "t/>";
}

// ------------------------------------------------------------------ writer

std::string twips(double pt) { return std::to_string(std::lround(pt * 20)); }
std::string halfPoints(double pt) { return std::to_string(std::lround(pt * 2)); }

std::string fontsElement(const std::string& font) {
    const std::string f = escaped(font, true);
    return "<w:rFonts w:ascii=\"" + f + "\" w:hAnsi=\"" + f + "\" w:eastAsia=\"" + f + "\" w:cs=\"" + f + "\"/>";
}

void appendRunProperties(std::string& out, const RunFormat& f) {
    std::string pr;
    if (!f.font.empty()) pr += fontsElement(f.font);
    if (f.bold) pr += "<w:b/><w:bCs/>";
    if (f.italic) pr += "<w:i/><w:iCs/>";
    if (f.sizePt > 0) pr += "<w:sz w:val=\"" + halfPoints(f.sizePt) + "\"/><w:szCs w:val=\"" + halfPoints(f.sizePt) + "\"/>";
    if (f.underline) pr += "<w:u w:val=\"single\"/>";
    if (!pr.empty()) out += "<w:rPr>" + pr + "</w:rPr>";
}

void appendParagraphProperties(std::string& out, const ParagraphFormat& f) {
    // Child order follows the schema; Word refuses files that mix it up.
    std::string pr;
    if (f.keepWithNext) pr += "<w:keepNext/>";
    if (f.pageBreakBefore) pr += "<w:pageBreakBefore/>";
    if (f.spaceBeforePt > 0 || f.spaceAfterPt > 0)
        pr += "<w:spacing w:before=\"" + twips(f.spaceBeforePt) + "\" w:after=\"" + twips(f.spaceAfterPt) + "\"/>";
    if (f.firstLineIndentPt > 0) pr += "<w:ind w:firstLine=\"" + twips(f.firstLineIndentPt) + "\"/>";
    if (f.firstLineIndentPt < 0)
        pr += "<w:ind w:left=\"" + twips(-f.firstLineIndentPt) + "\" w:hanging=\"" + twips(-f.firstLineIndentPt) + "\"/>";
    static constexpr const char* kJc[] = {nullptr, "center", "right", "both"};
    if (f.align != Align::Left) pr += std::string("<w:jc w:val=\"") + kJc[static_cast<int>(f.align)] + "\"/>";
    if (!pr.empty()) out += "<w:pPr>" + pr + "</w:pPr>";
}

std::string sectionXml(const Section& s) {
    const int columns = std::max(1, s.columns);
    std::string out = "<w:sectPr><w:pgSz w:w=\"" + twips(s.pageWidthPt) + "\" w:h=\"" + twips(s.pageHeightPt) + "\"/>";
    out += "<w:pgMar w:top=\"" + twips(s.marginTopPt) + "\" w:right=\"" + twips(s.marginRightPt) + "\" w:bottom=\"" +
           twips(s.marginBottomPt) + "\" w:left=\"" + twips(s.marginLeftPt) +
           "\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>";
    out += "<w:cols" + (columns > 1 ? " w:num=\"" + std::to_string(columns) + "\"" : std::string()) + " w:space=\"" +
           twips(s.columnSpacingPt) + "\"" + (columns > 1 ? " w:equalWidth=\"1\"" : "") + "/>";
    return out + "</w:sectPr>";
}

std::string stylesXml(const Document& d) {
    return std::string(kXmlHead) + "<w:styles xmlns:w=\"" + kWordNs +
           "\"><w:docDefaults><w:rPrDefault><w:rPr>" + fontsElement(d.font) + "<w:sz w:val=\"" +
           halfPoints(d.fontSizePt) + "\"/><w:szCs w:val=\"" + halfPoints(d.fontSizePt) +
           "\"/><w:lang w:val=\"cs-CZ\" w:eastAsia=\"en-US\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
           "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
           "</w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
           "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
           "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/><w:unhideWhenUsed/></w:style>"
           "</w:styles>";
}

std::string fontTableXml(const Document& d) {
    std::string out = std::string(kXmlHead) + "<w:fonts xmlns:w=\"" + kWordNs + "\">";
    std::set<std::string> done;
    auto add = [&](const std::string& name, const std::string& alt) {
        if (name.empty() || !done.insert(name).second) return;
        out += "<w:font w:name=\"" + escaped(name, true) + "\">";
        if (!alt.empty()) out += "<w:altName w:val=\"" + escaped(alt, true) + "\"/>";
        out += "<w:charset w:val=\"EE\"/><w:pitch w:val=\"variable\"/></w:font>";
    };
    add(d.font, d.fallbackFont);
    for (const Paragraph& p : d.paragraphs)
        for (const Run& r : p.runs) add(r.format.font, {});
    add(d.fallbackFont, {});
    return out + "</w:fonts>";
}

std::string settingsXml() {
    return std::string(kXmlHead) + "<w:settings xmlns:w=\"" + kWordNs +
           "\"><w:defaultTabStop w:val=\"708\"/><w:hyphenationZone w:val=\"425\"/>"
           "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
           // A justified line that ends in a line break stays unstretched, as users expect.
           "<w:compat><w:doNotExpandShiftReturn/><w:compatSetting "
           "w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
           "</w:settings>";
}

std::string utcNow() {
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day ymd{day};
    const hh_mm_ss hms{now - day};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
                  static_cast<int>(hms.seconds().count()));
    return buf;
}

std::string corePropertiesXml(const Document& d) {
    const std::string now = utcNow();
    return std::string(kXmlHead) +
           "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">" +
           "<dc:title>" + escaped(d.title) + "</dc:title><dc:creator>" + escaped(d.author) + "</dc:creator>" +
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" + now + "</dcterms:created>" +
           "<dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + now + "</dcterms:modified></cp:coreProperties>";
}

std::string contentTypesXml() {
    const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    auto over = [](const char* part, const std::string& type) {
        return std::string("<Override PartName=\"") + part + "\" ContentType=\"" + type + "\"/>";
    };
    return std::string(kXmlHead) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>" +
           over("/word/document.xml", wml + "document.main+xml") + over("/word/styles.xml", wml + "styles+xml") +
           over("/word/settings.xml", wml + "settings+xml") + over("/word/fontTable.xml", wml + "fontTable+xml") +
           over("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml") +
           over("/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml") +
           "</Types>";
}

std::string relationshipsXml(const std::vector<std::pair<std::string, std::string>>& rels) {
    std::string out = std::string(kXmlHead) + "<Relationships xmlns=\"" + kRelNs + "\">";
    int id = 1;
    for (const auto& [type, target] : rels)
        out += "<Relationship Id=\"rId" + std::to_string(id++) + "\" Type=\"" + type + "\" Target=\"" + target + "\"/>";
    return out + "</Relationships>";
}

// ------------------------------------------------------------------ zip

struct ZipCloser {
    void operator()(zip_t* z) const { zipLib().zip_discard(z); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

// The written archive of a buffer source, read back into memory.
std::optional<std::string> sourceBytes(zip_source_t* src) {
    zip_stat_t st;
    if (zipLib().zip_source_open(src) < 0) return std::nullopt;
    std::string out;
    if (zipLib().zip_source_stat(src, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) out.reserve(st.size);
    char buf[65536];
    zip_int64_t n;
    while ((n = zipLib().zip_source_read(src, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
    zipLib().zip_source_close(src);
    if (n < 0) return std::nullopt;
    return out;
}

// Closes an archive built on a buffer source and returns the bytes it wrote.
std::string finishArchive(ZipPtr zip, zip_source_t* src, const fs::path& path) {
    if (zipLib().zip_close(zip.get()) < 0) {
        zipLib().zip_source_free(src);
        throw IoError("Dokument " + pathText(path) + " nelze sestavit.");
    }
    zip.release();
    auto bytes = sourceBytes(src);
    zipLib().zip_source_free(src);
    if (!bytes) throw IoError("Dokument " + pathText(path) + " nelze sestavit.");
    return *bytes;
}

std::string zipFromParts(const std::vector<std::pair<std::string, std::string>>& parts, const fs::path& path) {
    zip_error_t err;
    zipLib().zip_error_init(&err);
    zip_source_t* src = zipLib().zip_source_buffer_create(nullptr, 0, 0, &err);
    ZipPtr zip(src ? zipLib().zip_open_from_source(src, ZIP_TRUNCATE, &err) : nullptr);
    zipLib().zip_error_fini(&err);
    if (!zip) {
        if (src) zipLib().zip_source_free(src);  // a failed open leaves the source to us
        throw IoError("Dokument " + pathText(path) + " nelze sestavit.");
    }
    zipLib().zip_source_keep(src);  // the written bytes are read from it after closing
    for (const auto& [name, data] : parts) {
        if (!name.empty() && name.back() == '/') {
            if (zipLib().zip_dir_add(zip.get(), name.c_str(), ZIP_FL_ENC_UTF_8) < 0) {
                zip.reset();
                zipLib().zip_source_free(src);
                throw IoError("Dokument " + pathText(path) + " nelze sestavit.");
            }
            continue;
        }
        zip_source_t* part = zipLib().zip_source_buffer(zip.get(), data.data(), data.size(), 0);
        if (!part || zipLib().zip_file_add(zip.get(), name.c_str(), part, ZIP_FL_ENC_UTF_8) < 0) {
            if (part) zipLib().zip_source_free(part);
            zip.reset();
            zipLib().zip_source_free(src);
            throw IoError("Dokument " + pathText(path) + " nelze sestavit.");
        }
    }
    return finishArchive(std::move(zip), src, path);
}

// A .docx opened from its bytes, read-only or for replacing some parts.
class Package {
public:
    explicit Package(const fs::path& path) : path_(path) {
        std::error_code ec;
        const auto size = fs::file_size(path, ec);
        if (ec) throw IoError("Soubor " + pathText(path) + " nelze přečíst.");
        if (size > kMaxPackageBytes) tooLarge();
        auto bytes = readFileBytes(path);
        if (!bytes) throw IoError("Soubor " + pathText(path) + " nelze přečíst.");
        bytes_ = std::move(*bytes);
        zip_error_t err;
        zipLib().zip_error_init(&err);
        src_ = zipLib().zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &err);
        if (src_) zip_.reset(zipLib().zip_open_from_source(src_, ZIP_RDONLY | ZIP_CHECKCONS, &err));
        zipLib().zip_error_fini(&err);
        if (zip_) zipLib().zip_source_keep(src_);  // the archive drops its reference, close() the other
        if (!zip_) {
            if (src_) zipLib().zip_source_free(src_);  // a failed open leaves the source to us
            src_ = nullptr;
            throw DataError("Soubor „" + pathText(path) + "“ není dokument Wordu (.docx), nebo je poškozený.");
        }
        if (zipLib().zip_get_num_entries(zip_.get(), 0) > kMaxEntries) {
            close();
            tooLarge();
        }
    }
    ~Package() { close(); }
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        const zip_int64_t n = zipLib().zip_get_num_entries(zip_.get(), 0);
        for (zip_int64_t i = 0; i < n; ++i)
            if (const char* name = zipLib().zip_get_name(zip_.get(), static_cast<zip_uint64_t>(i), 0))
                out.emplace_back(name);
        return out;
    }

    // The part's bytes, or nothing when the package lacks it.
    std::optional<std::string> read(const std::string& name) const {
        const zip_int64_t index = zipLib().zip_name_locate(zip_.get(), name.c_str(), 0);
        if (index < 0) return std::nullopt;
        zip_stat_t st;
        if (zipLib().zip_stat_index(zip_.get(), static_cast<zip_uint64_t>(index), 0, &st) == 0 &&
            (st.valid & ZIP_STAT_SIZE) && st.size > kMaxPartBytes)
            tooLarge();
        zip_file_t* f = zipLib().zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(index), 0);
        if (!f) damaged(name);
        std::string out;
        char buf[65536];
        zip_int64_t n;
        while ((n = zipLib().zip_fread(f, buf, sizeof buf)) > 0) {
            out.append(buf, static_cast<std::size_t>(n));
            if (out.size() > kMaxPartBytes) {
                zipLib().zip_fclose(f);
                tooLarge();
            }
        }
        zipLib().zip_fclose(f);
        if (n < 0) damaged(name);
        return out;
    }

    void replace(const std::string& name, std::string data) { replaced_[name] = std::move(data); }

    // The whole package with the replaced parts, every entry in its order.
    // Written into a new archive rather than back into the one read: libzip
    // 1.7 frees the read buffer twice when it rewrites an archive whose last
    // entries alone changed.
    std::string bytes(const fs::path& output) {
        std::vector<std::pair<std::string, std::string>> parts;
        for (const std::string& name : names()) {
            const auto r = replaced_.find(name);
            if (r != replaced_.end()) parts.emplace_back(name, std::move(r->second));
            else parts.emplace_back(name, read(name).value_or(std::string()));
        }
        close();
        return zipFromParts(parts, output);
    }

    [[noreturn]] void damaged(const std::string& part) const {
        throw DataError("Dokument „" + pathText(path_) + "“ je poškozený: jeho část " + part + " nelze přečíst.");
    }
    [[noreturn]] void tooLarge() const {
        throw DataError("Dokument „" + pathText(path_) + "“ je příliš velký nebo složitý na zpracování.");
    }
    const fs::path& path() const { return path_; }

private:
    void close() {
        zip_.reset();
        if (src_) zipLib().zip_source_free(src_);
        src_ = nullptr;
    }

    fs::path path_;
    std::string bytes_;
    zip_source_t* src_ = nullptr;
    ZipPtr zip_;
    std::map<std::string, std::string> replaced_;
};

// ------------------------------------------------------------ XML scanner

struct BadXml {};

// A text element (w:t) of a run: where it stands in the part and its text.
struct TextSlot {
    std::size_t begin = 0, end = 0;
    std::string text;
    bool usable = true;  // false when it held markup we do not understand
};

struct ParaItem {
    enum Kind { Text, Break, Tab } kind;
    std::size_t slot = 0;
};

struct Scan {
    std::string prefix;  // of the word-processing namespace, with its colon
    std::vector<TextSlot> slots;
    std::vector<std::vector<ParaItem>> paragraphs;  // in the order they start
};

bool nameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
}
bool nameChar(char c) { return nameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }
bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A character XML 1.0 cannot hold makes the part not well-formed. Kept, it
// would be dropped on writing and join the text around it (a placeholder
// could appear in the output that the filling never saw).
void requireXmlChar(std::string_view s, std::size_t& i) {
    const auto byte = static_cast<unsigned char>(s[i]);
    if (byte >= 0x20 && byte < 0x80) return;
    std::size_t at = i;
    const auto c = nextCodePoint(s, at);
    if (c && !xmlChar(*c)) throw BadXml{};
    if (c) i = at - 1;  // invalid UTF-8 is shown as U+FFFD, not dropped
}

// Character data with its references resolved; throws BadXml on a bad one.
void appendDecoded(std::string& out, std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '<') throw BadXml{};
        if (s[i] != '&') {
            const std::size_t from = i;
            requireXmlChar(s, i);
            out.append(s.substr(from, i - from + 1));
            continue;
        }
        const std::size_t semi = s.find(';', i);
        if (semi == std::string_view::npos || semi - i > 12) throw BadXml{};
        const std::string_view ref = s.substr(i + 1, semi - i - 1);
        if (ref == "amp") out += '&';
        else if (ref == "lt") out += '<';
        else if (ref == "gt") out += '>';
        else if (ref == "quot") out += '"';
        else if (ref == "apos") out += '\'';
        else if (ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            if (digits.empty()) throw BadXml{};
            char32_t c = 0;
            for (char d : digits) {
                int v = d >= '0' && d <= '9' ? d - '0' : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                        : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10 : -1;
                if (v < 0) throw BadXml{};
                c = c * (hex ? 16 : 10) + static_cast<char32_t>(v);
                if (c > 0x10FFFF) throw BadXml{};
            }
            if (!xmlChar(c)) throw BadXml{};
            appendUtf8(out, c);
        } else {
            throw BadXml{};
        }
        i = semi;
    }
}

class Scanner {
public:
    explicit Scanner(std::string_view xml) : x_(xml) {}

    Scan run() {
        std::size_t i = 0;
        bool rootDone = false;
        while (i < x_.size()) {
            if (x_[i] != '<') {
                const std::size_t lt = std::min(x_.find('<', i), x_.size());
                text(x_.substr(i, lt - i));
                i = lt;
            } else if (x_.compare(i, 4, "<!--") == 0) {
                i = skipPast(i + 4, "-->");
            } else if (x_.compare(i, 2, "<?") == 0) {
                i = skipPast(i + 2, "?>");
            } else if (x_.compare(i, 9, "<![CDATA[") == 0) {
                if (stack_.empty()) throw BadXml{};
                const std::size_t end = skipPast(i + 9, "]]>");
                const std::string_view data = x_.substr(i + 9, end - 3 - (i + 9));
                for (std::size_t k = 0; k < data.size(); ++k) requireXmlChar(data, k);
                if (slot_) scan_.slots[*slot_].text.append(data);
                i = end;
            } else if (x_.compare(i, 2, "<!") == 0) {
                throw BadXml{};  // a document type declaration: refused, so entities cannot expand
            } else if (x_.compare(i, 2, "</") == 0) {
                i = endTag(i);
                rootDone = stack_.empty();
            } else {
                if (rootDone) throw BadXml{};
                i = startTag(i);
                rootDone = stack_.empty();
            }
        }
        if (!rootDone || !stack_.empty()) throw BadXml{};
        return std::move(scan_);
    }

private:
    std::size_t skipPast(std::size_t from, std::string_view end) const {
        const std::size_t at = x_.find(end, from);
        if (at == std::string_view::npos) throw BadXml{};
        return at + end.size();
    }

    std::string_view name(std::size_t& i) const {
        const std::size_t start = i;
        if (i >= x_.size() || !nameStart(x_[i])) throw BadXml{};
        while (i < x_.size() && nameChar(x_[i])) ++i;
        return x_.substr(start, i - start);
    }

    void skipBlanks(std::size_t& i) const {
        while (i < x_.size() && blank(x_[i])) ++i;
    }

    void text(std::string_view t) {
        if (stack_.empty()) {
            if (std::any_of(t.begin(), t.end(), [](char c) { return !blank(c); })) throw BadXml{};
            return;
        }
        if (slot_) {
            appendDecoded(scan_.slots[*slot_].text, t);
        } else {
            std::string ignored;
            appendDecoded(ignored, t);  // checks the references only
        }
    }

    std::size_t startTag(std::size_t i) {
        const std::size_t begin = i++;
        const std::string_view tag = name(i);
        const bool root = stack_.empty();
        for (;;) {
            const std::size_t before = i;
            skipBlanks(i);
            if (i >= x_.size()) throw BadXml{};
            if (x_[i] == '>' || x_.compare(i, 2, "/>") == 0) break;
            if (i == before) throw BadXml{};
            const std::string_view attr = name(i);
            skipBlanks(i);
            if (i >= x_.size() || x_[i] != '=') throw BadXml{};
            ++i;
            skipBlanks(i);
            if (i >= x_.size() || (x_[i] != '"' && x_[i] != '\'')) throw BadXml{};
            const std::size_t close = x_.find(x_[i], i + 1);
            if (close == std::string_view::npos) throw BadXml{};
            std::string value;
            appendDecoded(value, x_.substr(i + 1, close - i - 1));
            if (root && (value == kWordNs || value == kStrictWordNs)) {
                if (attr == "xmlns") {
                    scan_.prefix.clear();
                    prefixSet_ = true;
                } else if (attr.starts_with("xmlns:")) {
                    scan_.prefix = std::string(attr.substr(6)) + ":";
                    prefixSet_ = true;
                }
            }
            i = close + 1;
        }
        const bool empty = x_[i] == '/';
        i += empty ? 2 : 1;
        if (root && !prefixSet_) scan_.prefix = "\x01";  // no word-processing names in this part
        open(tag, begin, empty);
        if (!empty) stack_.push_back(tag);
        else close(tag, i);
        return i;
    }

    std::size_t endTag(std::size_t i) {
        i += 2;
        const std::string_view tag = name(i);
        skipBlanks(i);
        if (i >= x_.size() || x_[i] != '>' || stack_.empty() || stack_.back() != tag) throw BadXml{};
        stack_.pop_back();
        close(tag, ++i);
        return i;
    }

    bool is(std::string_view qname, std::string_view local) const {
        return qname.size() == scan_.prefix.size() + local.size() && qname.starts_with(scan_.prefix) &&
               qname.ends_with(local);
    }
    bool inRun() const { return !stack_.empty() && is(stack_.back(), "r"); }

    // Called before the element is pushed, so the stack's top is its parent.
    void open(std::string_view tag, std::size_t begin, bool empty) {
        if (slot_) scan_.slots[*slot_].usable = false;  // a text element holds only text
        if (is(tag, "p")) {
            paras_.push_back(scan_.paragraphs.size());
            scan_.paragraphs.emplace_back();
        } else if (inRun() && is(tag, "t") && !empty) {
            slot_ = scan_.slots.size();
            slotDepth_ = stack_.size();
            scan_.slots.push_back({begin, 0, {}, true});
            item({ParaItem::Text, *slot_});
        } else if (inRun() && (is(tag, "br") || is(tag, "cr"))) {
            item({ParaItem::Break, 0});
        } else if (inRun() && is(tag, "tab")) {
            item({ParaItem::Tab, 0});
        }
    }

    // Called after the element is popped.
    void close(std::string_view tag, std::size_t end) {
        if (is(tag, "p") && !paras_.empty()) {
            paras_.pop_back();
        } else if (slot_ && is(tag, "t") && stack_.size() == slotDepth_) {
            scan_.slots[*slot_].end = end;
            slot_.reset();
        }
    }

    void item(ParaItem it) {
        if (!paras_.empty()) scan_.paragraphs[paras_.back()].push_back(it);
    }

    std::string_view x_;
    Scan scan_;
    bool prefixSet_ = false;
    std::vector<std::string_view> stack_;
    std::vector<std::size_t> paras_;
    std::optional<std::size_t> slot_;
    std::size_t slotDepth_ = 0;
};

Scan scanPart(const Package& pkg, const std::string& part, std::string_view xml) {
    try {
        return Scanner(xml).run();
    } catch (const BadXml&) {
        throw DataError("Dokument „" + pathText(pkg.path()) + "“ je poškozený: jeho část " + part +
                        " není platné XML.");
    }
}

// ------------------------------------------------------------- template fill

struct Match {
    std::size_t begin, end, value;
};

[[noreturn]] void tooLargeResult() {
    throw DataError("Vyplněný dokument by byl příliš velký; zkraťte nahrazované texty.");
}

// Leftmost-longest matches in one pass; the text between them is not re-read.
std::vector<Match> findMatches(std::string_view text, const std::vector<Replacement>& reps) {
    std::vector<Match> out;
    bool first[256] = {};
    for (const auto& r : reps)
        if (!r.placeholder.empty()) first[static_cast<unsigned char>(r.placeholder[0])] = true;
    for (std::size_t i = 0; i < text.size();) {
        std::optional<std::size_t> best;
        if (first[static_cast<unsigned char>(text[i])])
            for (std::size_t k = 0; k < reps.size(); ++k) {
                const std::string& ph = reps[k].placeholder;
                if (!ph.empty() && text.compare(i, ph.size(), ph) == 0 &&
                    (!best || ph.size() > reps[*best].placeholder.size()))
                    best = k;
            }
        if (best) {
            out.push_back({i, i + reps[*best].placeholder.size(), *best});
            i = out.back().end;
        } else {
            ++i;
        }
    }
    return out;
}

struct PartFill {
    std::string xml;
    std::size_t count = 0;
};

// New texts for the slots of one chain of adjacent text elements.
void fillChain(const std::vector<std::size_t>& chain, std::vector<TextSlot>& slots, const std::vector<std::string>& values,
               const std::vector<Replacement>& reps, std::vector<bool>& changed, std::size_t& count) {
    std::string all;
    std::vector<std::size_t> starts;
    for (std::size_t s : chain) {
        starts.push_back(all.size());
        all += slots[s].text;
    }
    const std::vector<Match> matches = findMatches(all, reps);
    if (matches.empty()) return;
    count += matches.size();
    std::size_t m = 0;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const std::size_t begin = starts[k], end = begin + slots[chain[k]].text.size();
        while (m < matches.size() && matches[m].end <= begin) ++m;
        if (m == matches.size() || matches[m].begin >= end) continue;
        std::string fresh;
        for (std::size_t pos = begin, j = m; pos < end;) {
            if (j == matches.size() || matches[j].begin >= end) {
                fresh.append(all, pos, end - pos);
                break;
            }
            if (matches[j].begin > pos) {
                fresh.append(all, pos, matches[j].begin - pos);
                pos = matches[j].begin;
            }
            if (pos == matches[j].begin) fresh += values[matches[j].value];
            pos = std::min(matches[j].end, end);
            if (pos == matches[j].end) ++j;
        }
        slots[chain[k]].text = std::move(fresh);
        changed[chain[k]] = true;
    }
}

PartFill fillPart(const Package& pkg, const std::string& part, const std::string& xml,
                  const std::vector<Replacement>& reps, const std::vector<std::string>& values) {
    Scan scan = scanPart(pkg, part, xml);
    PartFill out;
    std::vector<bool> changed(scan.slots.size(), false);
    for (const auto& para : scan.paragraphs) {
        std::vector<std::size_t> chain;
        auto flush = [&] {
            if (!chain.empty()) fillChain(chain, scan.slots, values, reps, changed, out.count);
            chain.clear();
        };
        for (const ParaItem& it : para) {
            if (it.kind == ParaItem::Text && scan.slots[it.slot].usable && scan.slots[it.slot].end > 0)
                chain.push_back(it.slot);
            else
                flush();
        }
        flush();
    }
    if (out.count == 0) return out;
    std::size_t copied = 0;
    for (std::size_t s = 0; s < scan.slots.size(); ++s) {
        if (!changed[s]) continue;
        out.xml.append(xml, copied, scan.slots[s].begin - copied);
        appendRunContent(out.xml, scan.slots[s].text, scan.prefix);
        copied = scan.slots[s].end;
        if (out.xml.size() > kMaxFilledPartBytes) tooLargeResult();
    }
    out.xml.append(xml, copied);
    if (out.xml.size() > kMaxFilledPartBytes) tooLargeResult();
    return out;
}

// Parts whose text a user sees: body, headers, footers, notes.
bool textPart(std::string_view name) {
    if (!name.starts_with("word/") || !name.ends_with(".xml")) return false;
    std::string_view stem = name.substr(5, name.size() - 9);
    if (stem == "document" || stem == "footnotes" || stem == "endnotes") return true;
    for (std::string_view kind : {"header", "footer"})
        if (stem.starts_with(kind) &&
            std::all_of(stem.begin() + kind.size(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    return false;
}

bool samePath(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const fs::path ca = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path cb = fs::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

std::string documentPart(const Package& pkg) {
    auto xml = pkg.read("word/document.xml");
    if (!xml)
        throw DataError("Soubor „" + pathText(pkg.path()) +
                        "“ není dokument Wordu (.docx): chybí v něm text dokumentu (word/document.xml).");
    return std::move(*xml);
}

}  // namespace

// ------------------------------------------------------------ public API

Paragraph& Paragraph::add(std::string text, RunFormat format) {
    runs.push_back({std::move(text), std::move(format)});
    return *this;
}

Paragraph& Document::addParagraph(ParagraphFormat format) {
    paragraphs.push_back({{}, format});
    return paragraphs.back();
}

Paragraph& Document::addParagraph(std::string text, ParagraphFormat format, RunFormat run) {
    Paragraph& p = addParagraph(format);
    if (!text.empty()) p.add(std::move(text), std::move(run));
    return p;
}

std::string Document::documentXml() const {
    std::string out = std::string(kXmlHead) + "<w:document xmlns:w=\"" + kWordNs +
                      "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><w:body>";
    for (const Paragraph& p : paragraphs) {
        out += "<w:p>";
        appendParagraphProperties(out, p.format);
        for (const Run& r : p.runs) {
            out += "<w:r>";
            appendRunProperties(out, r.format);
            appendRunContent(out, markBreaks(r.text, true), "w:");
            out += "</w:r>";
        }
        out += "</w:p>";
    }
    if (paragraphs.empty()) out += "<w:p/>";  // the body must end with a paragraph
    return out + sectionXml(section) + "</w:body></w:document>";
}

void Document::save(const fs::path& path) const {
    const std::string officeRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const std::vector<std::pair<std::string, std::string>> parts = {
        {"[Content_Types].xml", contentTypesXml()},
        {"_rels/.rels",
         relationshipsXml({{officeRel + "officeDocument", "word/document.xml"},
                           {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
                            "docProps/core.xml"},
                           {officeRel + "extended-properties", "docProps/app.xml"}})},
        {"word/document.xml", documentXml()},
        {"word/_rels/document.xml.rels",
         relationshipsXml({{officeRel + "styles", "styles.xml"},
                           {officeRel + "settings", "settings.xml"},
                           {officeRel + "fontTable", "fontTable.xml"}})},
        {"word/styles.xml", stylesXml(*this)},
        {"word/settings.xml", settingsXml()},
        {"word/fontTable.xml", fontTableXml(*this)},
        {"docProps/core.xml", corePropertiesXml(*this)},
        {"docProps/app.xml",
         std::string(kXmlHead) +
             "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
             "<Application>Verdika</Application></Properties>"},
    };
    writeFileAtomic(path, zipFromParts(parts, path));
}

std::size_t fillTemplate(const fs::path& templatePath, const fs::path& output,
                         const std::vector<Replacement>& replacements) {
    if (samePath(templatePath, output))
        throw DataError("Vyplněný dokument nelze uložit přes šablonu „" + pathText(templatePath) +
                        "“; zvolte jiný soubor.");
    Package pkg(templatePath);
    std::vector<std::string> values;
    for (const auto& r : replacements) values.push_back(markBreaks(r.value));
    const std::string body = documentPart(pkg);
    std::size_t count = 0, filledBytes = 0;
    for (const std::string& name : pkg.names()) {
        if (!textPart(name)) continue;
        const std::string xml = name == "word/document.xml" ? body : pkg.read(name).value_or(std::string());
        PartFill filled = fillPart(pkg, name, xml, replacements, values);
        count += filled.count;
        filledBytes += filled.xml.size();
        if (filledBytes > kMaxFilledPartBytes) tooLargeResult();
        if (filled.count > 0) pkg.replace(name, std::move(filled.xml));
    }
    writeFileAtomic(output, pkg.bytes(output));
    return count;
}

std::size_t Word_Replace_NewDOC(const fs::path& templatePath, const fs::path& newDocument,
                                const std::vector<std::string>& placeholders,
                                const std::vector<std::string>& values) {
    std::vector<Replacement> reps;
    for (std::size_t i = 0; i < placeholders.size(); ++i)
        reps.push_back({placeholders[i], i < values.size() ? values[i] : std::string()});
    return fillTemplate(templatePath, newDocument, reps);
}

std::vector<std::string> paragraphTexts(const fs::path& docx) {
    Package pkg(docx);
    const std::string xml = documentPart(pkg);
    const Scan scan = scanPart(pkg, "word/document.xml", xml);
    std::vector<std::string> out;
    for (const auto& para : scan.paragraphs) {
        std::string text;
        for (const ParaItem& it : para)
            text += it.kind == ParaItem::Text ? scan.slots[it.slot].text : it.kind == ParaItem::Tab ? "\t" : "\n";
        out.push_back(std::move(text));
    }
    return out;
}

std::string partXml(const fs::path& docx, std::string_view part) {
    Package pkg(docx);
    return pkg.read(std::string(part)).value_or(std::string());
}

}  // namespace verdika::docx
