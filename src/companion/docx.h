#pragma once
// Word-processor documents (.docx, Office Open XML) without a word processor:
// a small document model saved as a real .docx, the fill of a user's template
// with placeholders, and a plain-text reader. Every write goes through a
// temporary file and a rename; a file that is not a readable .docx is refused
// with a Czech message (DataError) and nothing is written.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdika::docx {

namespace fs = std::filesystem;

enum class Align { Left, Center, Right, Justified };

// Character formatting of a run; empty font / size 0 take the document's default.
struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string font = {};
    double sizePt = 0;
};

// A piece of text with one formatting. In the text "\n" is a line break inside
// the paragraph, "\t" a tab and "\f" a page break.
struct Run {
    std::string text;
    RunFormat format;
};

struct ParagraphFormat {
    Align align = Align::Left;
    double spaceBeforePt = 0;
    double spaceAfterPt = 0;
    bool keepWithNext = false;
    double firstLineIndentPt = 0;  // negative: a hanging indent
    bool pageBreakBefore = false;
};

struct Paragraph {
    std::vector<Run> runs;
    ParagraphFormat format;

    Paragraph& add(std::string text, RunFormat format = {});
};

// One section: the page (A4 portrait by default) and its text columns.
struct Section {
    double pageWidthPt = 595.3;
    double pageHeightPt = 841.9;
    double marginTopPt = 72, marginBottomPt = 72, marginLeftPt = 72, marginRightPt = 72;
    int columns = 1;
    double columnSpacingPt = 36;  // between neighbouring columns, all equally wide
};

class Document {
public:
    // Default font of every run; the fallback is named in the font table as
    // its alternative, for machines that lack the first.
    std::string font = "Times New Roman";
    std::string fallbackFont;
    double fontSizePt = 12;
    Section section;
    std::string title;   // core properties
    std::string author;

    std::vector<Paragraph> paragraphs;

    Paragraph& addParagraph(ParagraphFormat format = {});
    Paragraph& addParagraph(std::string text, ParagraphFormat format = {}, RunFormat run = {});

    // The main part (word/document.xml) as it is saved.
    std::string documentXml() const;
    // Writes the package through a temporary file; throws IoError naming the file.
    void save(const fs::path& path) const;
};

// One placeholder and the text that replaces it ("\n" in the value becomes a
// line break, "\t" a tab).
struct Replacement {
    std::string placeholder;
    std::string value;
};

// Writes output as the template with every occurrence of every placeholder
// replaced in the body, headers, footers, footnotes and endnotes, also where
// the word processor split a placeholder across runs; the value takes the
// formatting of the run where the match starts. One pass from the start of
// each paragraph: at each place the longest matching placeholder wins (so
// "_odmena_RP" is not eaten by "_odmena") and inserted values are not searched
// again. Empty placeholders are skipped. Every other part of the package keeps
// its content and place (the package itself is written anew, so compression
// may differ) and the template is never modified. Returns the number of
// replacements made. Throws DataError for a file that is not a readable .docx
// or when output names the template, IoError when writing fails; in both
// cases nothing is written.
std::size_t fillTemplate(const fs::path& templatePath, const fs::path& output,
                         const std::vector<Replacement>& replacements);

// The companion library's calls on parallel lists (placeholder i -> value i;
// a missing value counts as empty). Our documents are files, so the "running
// document" of Word_Replace becomes a document file and its filled copy.
std::size_t Word_Replace_NewDOC(const fs::path& templatePath, const fs::path& newDocument,
                                const std::vector<std::string>& placeholders,
                                const std::vector<std::string>& values);
inline std::size_t Word_Replace(const fs::path& document, const fs::path& filledCopy,
                                const std::vector<std::string>& placeholders,
                                const std::vector<std::string>& values) {
    return Word_Replace_NewDOC(document, filledCopy, placeholders, values);
}

// The plain texts of the body's paragraphs in document order (a line break as
// "\n", a tab as "\t"); paragraphs of text boxes come as paragraphs of their own.
// Throws DataError like fillTemplate.
std::vector<std::string> paragraphTexts(const fs::path& docx);

// One XML part of a package as it is stored, e.g. "word/document.xml"; empty
// when the package lacks it. Throws DataError when the file is not a zip.
std::string partXml(const fs::path& docx, std::string_view part = "word/document.xml");

}  // namespace verdika::docx
