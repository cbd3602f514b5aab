#pragma once
// Small text helpers shared by every page.
#include <string>
#include <string_view>
#include <vector>

namespace verdika {

// Blanks and control characters removed from both ends.
std::string_view trimBlanks(std::string_view text);
std::string trimmed(std::string_view text);

// The pieces between occurrences of the delimiter (only that character
// separates); an empty text gives no pieces.
std::vector<std::string> Rozdel_Text(char delimiter, std::string_view text);

// Every occurrence of the pattern replaced, left to right; replaced text is
// not scanned again. An empty pattern changes nothing.
std::string Nahrad_Vse(std::string_view text, std::string_view pattern, std::string_view replacement);

// Line breaks become blanks (one per character), so a memo fits one INI value.
std::string Jeden_Radek(std::string_view text);

// Case folding of the letters a–z only (accented letters keep their case).
std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Lower-cases the letters of Czech text (a–z and the accented letters of
// Latin-1 and Latin Extended-A), so "Č" matches "č" in a search. Bytes that
// are not UTF-8 stay as they are.
std::string foldCase(std::string_view utf8);

// Czech alphabetical order: accents and case count only between otherwise
// equal texts, except that č, ř, š, ž are letters of their own after c, r,
// s, z and "ch" comes after h. Negative, zero or positive like strcmp.
int compareCzech(std::string_view a, std::string_view b);

// Text search of the find dialogs: first occurrence at or after `from`
// (a character offset in UTF-16 units, as the edit controls count), wholly
// inside the text; matchCase off folds a–z only. npos when not found.
std::size_t findText(std::u16string_view text, std::u16string_view needle, std::size_t from, bool matchCase);

}  // namespace verdika
