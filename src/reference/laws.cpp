#include "reference/laws.h"

#include <algorithm>

#include "common/errors.h"
#include "common/files.h"
#include "common/text.h"

namespace verdika::laws {
namespace {

bool isWholeNumber(std::string_view t, std::size_t maxDigits) {
    return !t.empty() && t.size() <= maxDigits &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

LawId parseLawId(std::string_view entered) {
    const std::string_view t = trimBlanks(entered);
    const std::size_t slash = t.find('/');
    LawId id;
    if (slash != std::string_view::npos) {
        id.number = std::string(trimBlanks(t.substr(0, slash)));
        id.year = std::string(trimBlanks(t.substr(slash + 1, 4)));
    }
    if (!isWholeNumber(id.number, 5) || !isWholeNumber(id.year, 4) || id.year.size() != 4)
        throw ConversionError("„" + std::string(t) + "“ není číslo předpisu. Zadejte číslo a rok, např. 89/2012.");
    return id;
}

std::string lawTextUrl(std::string_view host, const LawId& id) {
    return std::string(host) + "/zakon-txt.php?law=" + id.number + "/" + id.year;
}

std::vector<std::string> withLookup(std::vector<std::string> history, std::string_view entered) {
    history.insert(history.begin(), std::string(trimBlanks(entered)));
    if (history.size() > kHistoryLimit) history.resize(kHistoryLimit);
    return history;
}

std::vector<std::string> loadHistory(const std::filesystem::path& file) {
    std::vector<std::string> out;
    auto text = readTextFile(file);
    if (!text) return out;
    for (const auto& line : splitLines(*text)) {
        std::string id = trimmed(line);
        if (id.empty()) continue;
        out.push_back(std::move(id));
        if (out.size() == kHistoryLimit) break;
    }
    return out;
}

void saveHistory(const std::filesystem::path& file, const std::vector<std::string>& history) {
    std::string text;
    for (const auto& id : history) text += id + "\r\n";
    writeTextFileAtomic(file, text);
}

std::vector<std::string> exportParagraphs(std::string_view text) {
    std::vector<std::string> paragraphs;
    std::string current;
    auto finish = [&] {
        if (!current.empty()) paragraphs.push_back(std::move(current));
        current.clear();
    };
    for (const auto& line : splitLines(text)) {
        std::string collapsed;
        for (char c : line) {
            if (isBlank(c) && (collapsed.empty() || collapsed.back() == ' ')) continue;
            collapsed += isBlank(c) ? ' ' : c;
        }
        while (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
        if (collapsed.empty()) {
            finish();
            continue;
        }
        if (!current.empty()) current += ' ';
        current += collapsed;
    }
    finish();
    return paragraphs;
}

bool isSectionHeading(std::string_view paragraph) { return paragraph.find("§") != std::string_view::npos; }

docx::Document exportDocument(std::string_view text, std::string_view title) {
    docx::Document doc;
    doc.font = "Garamond";
    doc.fallbackFont = "Times New Roman";
    doc.fontSizePt = 11;
    doc.title = std::string(title);
    docx::Section& page = doc.section;
    page.marginTopPt = page.marginBottomPt = page.marginLeftPt = page.marginRightPt = 36;
    page.columns = 2;
    page.columnSpacingPt = page.pageWidthPt - 2 * 36 - 2 * 255;
    for (auto& paragraph : exportParagraphs(text)) {
        docx::ParagraphFormat format;
        format.align = docx::Align::Justified;
        format.spaceAfterPt = 6;
        if (isSectionHeading(paragraph)) {
            format.spaceBeforePt = 18;
            format.keepWithNext = true;
        }
        doc.addParagraph(std::move(paragraph), format);
    }
    return doc;
}

std::filesystem::path exportPath(const std::filesystem::path& folder, const LawId& id) {
    const std::string stem = "zakon_" + id.number + "_" + id.year;
    std::filesystem::path p = folder / (stem + ".docx");
    std::error_code ec;
    for (int i = 2; std::filesystem::exists(p, ec); ++i) {
        if (i > 9999) throw IoError("Ve složce " + pathText(folder) + " nelze založit další export zákona.");
        p = folder / (stem + " (" + std::to_string(i) + ").docx");
    }
    return p;
}

}  // namespace verdika::laws
