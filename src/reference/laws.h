#pragma once
// Law texts fetched by number ("89/2012") from the law-text service: the
// request address, the history of laws looked up, and the paragraphs of the
// word-processor export.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "companion/docx.h"

namespace verdika::laws {

inline constexpr std::string_view kLawTextFile = "zakon_docasny.vrd";
inline constexpr std::string_view kHistoryFile = "historie_predpisu.vrd";
inline constexpr std::size_t kHistoryLimit = 50;
inline constexpr std::string_view kExportFolder = "Word-export";

struct LawId {
    std::string number;
    std::string year;
    std::string text() const { return number + "/" + year; }
};

// The number is the text before the first "/", the year the four characters
// after it (so "89/2012 Sb." still names 89/2012). Throws ConversionError
// unless both are whole numbers: a request without them only fetches an
// error page.
LawId parseLawId(std::string_view entered);

// host + "/zakon-txt.php?law=NUMBER/YEAR" (the "/" is not encoded).
std::string lawTextUrl(std::string_view host, const LawId& id);

// The id as entered goes to the top, duplicates included (the list is a
// record of look-ups); the oldest entries beyond the limit drop off.
std::vector<std::string> withLookup(std::vector<std::string> history, std::string_view entered);

// One id a line, most recent first; blank lines skipped, at most the limit
// read (a missing file is an empty history).
std::vector<std::string> loadHistory(const std::filesystem::path& file);
void saveHistory(const std::filesystem::path& file, const std::vector<std::string>& history);

// The text as the export lays it out: runs of blanks collapsed, lines
// broken inside a paragraph joined with a blank, a blank line ends a
// paragraph.
std::vector<std::string> exportParagraphs(std::string_view text);

// The export marks every paragraph holding "§": space before it, kept with
// the next paragraph.
bool isSectionHeading(std::string_view paragraph);

// The law as a two-column document to read and print: Garamond (Times New
// Roman where it is missing), justified, 6 pt after every paragraph, 18 pt
// before a paragraph with "§", which stays with the next one; margins of
// 36 pt and columns 255 pt wide on A4.
docx::Document exportDocument(std::string_view text, std::string_view title);

// folder + "zakon_NUMBER_YEAR.docx", or with " (2)", " (3)" … when that file
// exists: an earlier export may be open or edited.
std::filesystem::path exportPath(const std::filesystem::path& folder, const LawId& id);

}  // namespace verdika::laws
