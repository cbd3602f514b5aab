#include "common/text.h"

#include <gtest/gtest.h>

namespace verdika {
namespace {

using Pieces = std::vector<std::string>;

TEST(RozdelText, OnlyTheDelimiterSeparates) {
    EXPECT_EQ(Rozdel_Text(';', "a b;c;;d"), (Pieces{"a b", "c", "", "d"}));
    EXPECT_EQ(Rozdel_Text(';', "abc"), (Pieces{"abc"}));
    EXPECT_EQ(Rozdel_Text(';', "a;"), (Pieces{"a", ""}));
    EXPECT_EQ(Rozdel_Text(';', ""), Pieces{});
}

TEST(NahradVse, ReplacesEachOriginalOccurrenceOnce) {
    EXPECT_EQ(Nahrad_Vse("a-b-c", "-", "+"), "a+b+c");
    // A replacement containing the pattern is not scanned again, so this terminates.
    EXPECT_EQ(Nahrad_Vse("xx", "x", "xx"), "xxxx");
    EXPECT_EQ(Nahrad_Vse("jmeno a jmeno", "jmeno", "JUDr. Nováková"), "JUDr. Nováková a JUDr. Nováková");
    EXPECT_EQ(Nahrad_Vse("abc", "", "z"), "abc");
    EXPECT_EQ(Nahrad_Vse("aaa", "aa", "b"), "ba");
}

TEST(JedenRadek, LineBreaksBecomeBlanksOfTheSameLength) {
    const std::string in = "první\r\ndruhý\ntřetí\r";
    const std::string out = Jeden_Radek(in);
    EXPECT_EQ(out, "první  druhý třetí ");
    EXPECT_EQ(out.size(), in.size());
}

TEST(FindText, FoldsOnlyAsciiLetters) {
    const std::u16string text = u"žaloba ŽALOBA konec";
    EXPECT_EQ(findText(text, u"ŽALOBA", 0, false), 7u);   // capital Ž matches only capital Ž
    EXPECT_EQ(findText(text, u"žALOBA", 0, false), 0u);   // a–z fold, ž stays small
    EXPECT_EQ(findText(text, u"zaloba", 0, false), std::u16string::npos);
    EXPECT_EQ(findText(text, u"konec", 0, true), 14u);    // ends on the last character
    EXPECT_EQ(findText(text, u"žaloba", 1, true), std::u16string::npos);
    EXPECT_EQ(findText(u"aaa", u"aa", 1, true), 1u);
    EXPECT_EQ(findText(u"aaa", u"aa", 2, true), std::u16string::npos);
}

TEST(FoldCase, LowersCzechLettersAndKeepsTheRest) {
    EXPECT_EQ(foldCase("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"), "áčďéěíňóřšťúůýž");
    EXPECT_EQ(foldCase("ÚSTÍ nad Labem 400 01"), "ústí nad labem 400 01");
    EXPECT_EQ(foldCase("a\xC3"), "a\xC3");  // a cut sequence is kept byte for byte
}

TEST(CompareCzech, AlphabeticalOrderOfCzechNames) {
    const std::vector<std::string> sorted = {
        "Benešov", "Cvikov", "Česká Lípa", "Hodonín", "Cheb", "Chomutov", "Ivančice", "okresní", "Okresní",
        "Okřesní", "Praha 10", "Praha 2", "Rakovník", "Řevnice", "Sokolov", "Šumperk", "Uherské Hradiště",
        "Ústí nad Labem", "Ústí nad Labem-město", "Zlín", "Žďár nad Sázavou"};
    for (size_t i = 0; i < sorted.size(); ++i)
        for (size_t j = 0; j < sorted.size(); ++j) {
            const int c = compareCzech(sorted[i], sorted[j]);
            EXPECT_EQ(c < 0, i < j) << sorted[i] << " / " << sorted[j];
            EXPECT_EQ(c == 0, i == j) << sorted[i] << " / " << sorted[j];
        }
    EXPECT_GT(compareCzech("Dobříš", "Dobruška"), 0);  // ř after r, whatever follows
    EXPECT_LT(compareCzech("Jičín", "Jihlava"), 0);     // í counts as i: č before h
}

}  // namespace
}  // namespace verdika
