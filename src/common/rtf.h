#pragma once
// Rich text saved as RTF, readable by word processors: paragraphs of runs
// with bold/italic/underline and a size; letters outside ASCII are written
// as \uN escapes, so Czech text survives any reader's code page.
#include <string>
#include <vector>

namespace verdika {

struct RtfRun {
    std::string text;  // UTF-8; a tab becomes \tab
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 0;  // 0: the document's size
};

struct RtfParagraph {
    enum class Align { Left, Center, Right, Justify };
    std::vector<RtfRun> runs;
    Align align = Align::Left;
};

std::string toRtf(const std::vector<RtfParagraph>& paragraphs, const std::string& fontName = "Times New Roman",
                  double pointSize = 12);

// Plain lines, one paragraph each.
std::vector<RtfParagraph> plainParagraphs(const std::vector<std::string>& lines);

}  // namespace verdika
