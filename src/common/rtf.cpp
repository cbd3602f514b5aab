#include "common/rtf.h"

#include <cmath>

namespace verdika {
namespace {

// Decodes UTF-8 (invalid bytes become U+FFFD).
std::u32string codePoints(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        int len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + static_cast<size_t>(len) > s.size()) {
            out += cp;
            ++i;
            continue;
        }
        cp = len == 1 ? b : b & (0x7F >> len);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            auto c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        out += ok ? cp : 0xFFFD;
        i += ok ? static_cast<size_t>(len) : 1;
    }
    return out;
}

void appendEscaped(std::string& out, const std::string& text) {
    for (char32_t cp : codePoints(text)) {
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp == '\n' || cp == '\r') {
            out += "\\line ";
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            // \uN takes a signed 16-bit number; characters beyond it as a surrogate pair.
            auto unit = [&](unsigned v) { out += "\\u" + std::to_string(static_cast<int>(static_cast<int16_t>(v))) + "?"; };
            if (cp > 0xFFFF) {
                unsigned v = static_cast<unsigned>(cp) - 0x10000;
                unit(0xD800 + (v >> 10));
                unit(0xDC00 + (v & 0x3FF));
            } else {
                unit(static_cast<unsigned>(cp));
            }
        }
    }
}

std::string halfPoints(double pt) { return std::to_string(static_cast<int>(std::lround(pt * 2))); }

}  // namespace

std::string toRtf(const std::vector<RtfParagraph>& paragraphs, const std::string& fontName, double pointSize) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset238 ";
    appendEscaped(out, fontName);
    out += ";}}\n\\viewkind4\\pard\\f0\\fs" + halfPoints(pointSize) + "\n";
    for (const auto& p : paragraphs) {
        out += "\\pard";
        switch (p.align) {
            case RtfParagraph::Align::Left: out += "\\ql"; break;
            case RtfParagraph::Align::Center: out += "\\qc"; break;
            case RtfParagraph::Align::Right: out += "\\qr"; break;
            case RtfParagraph::Align::Justify: out += "\\qj"; break;
        }
        out += ' ';
        for (const auto& r : p.runs) {
            out += "{";
            if (r.bold) out += "\\b";
            if (r.italic) out += "\\i";
            if (r.underline) out += "\\ul";
            out += "\\fs" + halfPoints(r.pointSize > 0 ? r.pointSize : pointSize) + " ";
            appendEscaped(out, r.text);
            out += "}";
        }
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

std::vector<RtfParagraph> plainParagraphs(const std::vector<std::string>& lines) {
    std::vector<RtfParagraph> out;
    out.reserve(lines.size());
    for (const auto& l : lines) {
        RtfParagraph p;
        p.runs.push_back(RtfRun{l});
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace verdika
