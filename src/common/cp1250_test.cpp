#include "common/cp1250.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace verdika {
namespace {

TEST(Cp1250, CzechTextRoundTrips) {
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy – „§ 14b“ ŘŠČŽÝÁÍÉŮÚĎŤŇ";
    auto enc = utf8ToCp1250(czech);
    ASSERT_TRUE(enc);
    EXPECT_EQ((*enc)[1], '\xF8');  // ř
    EXPECT_EQ(cp1250ToUtf8(*enc), czech);
}

TEST(Cp1250, EveryDefinedByteRoundTrips) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) continue;  // unassigned
        std::string one(1, static_cast<char>(b));
        auto back = utf8ToCp1250(cp1250ToUtf8(one));
        ASSERT_TRUE(back) << b;
        EXPECT_EQ(*back, one) << b;
    }
}

TEST(Cp1250, UnrepresentableTextIsRefusedAndKeptAsUtf8) {
    EXPECT_FALSE(utf8ToCp1250("Ελλάδα"));
    EXPECT_EQ(encodeText("Ελλάδα"), "\xEF\xBB\xBF" "Ελλάδα");
    EXPECT_EQ(encodeText("žena"), "\x9E" "ena");
}

TEST(Cp1250, DecodingDetectsTheEncoding) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBFkůň"), "kůň");       // BOM
    EXPECT_EQ(decodeText("kůň"), "kůň");                   // plain UTF-8
    EXPECT_EQ(decodeText("k\xF9\xF2"), "kůň");             // Windows-1250
    EXPECT_EQ(decodeText("plain"), "plain");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFZákon → zkratka"), "Zákon → zkratka");
    // A file cut inside a character after its BOM still gives UTF-8 text.
    EXPECT_EQ(decodeText("\xEF\xBB\xBFZákon \xE2\x86"), "Zákon \xEF\xBF\xBD\xEF\xBF\xBD");
}

// Windows-1250 bytes that happen to be valid UTF-8 are still Windows-1250
// when the UTF-8 reading holds a character the code page has not.
TEST(Cp1250, LegacyTextThatIsAlsoValidUtf8) {
    const struct {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"\xF0\x9F\x8A\x8A", "đźŠŠ"},                           // UTF-8 of U+1F28A
        {"PODAN\xC9\x93", "PODANÉ“"},                             // "É“" is UTF-8 of U+0253
        {"\xDA\x8E", "ÚŽ"},                                      // U+068E
        {"\xC8\x96", "Č–"},                                       // U+0216
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeText(c.bytes), c.text) << c.text;
        EXPECT_EQ(encodeText(c.text), c.bytes) << c.text;
    }
    // Text whose Windows-1250 bytes would read as other letters is written as UTF-8.
    EXPECT_EQ(encodeText("Ĺ™"), "\xEF\xBB\xBFĹ™");
    EXPECT_EQ(decodeText(encodeText("Ĺ™")), "Ĺ™");
}

// Czech texts of every kind the program keeps, in both encodings, and every
// shipped table: read as written.
TEST(Cp1250, RealCzechTextsReadAsWritten) {
    const char* texts[] = {
        "Příliš žluťoučký kůň úpěl ďábelské ódy.",
        "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY – „ČESKÉ“ § 14b, 1.234,50 Kč",
        "[nastaveni]\r\ntarifni_hodnota=150000\r\n[ukon1]\r\npopis=převzetí a příprava zastoupení\r\n",
        "d@14.1.2015@13.2.2015@10000@Faktura č. 12/2015 – Šťastný@\r\nz\r\nu\r\n",
    };
    for (const char* t : texts) {
        const auto cp = utf8ToCp1250(t);
        ASSERT_TRUE(cp) << t;
        EXPECT_EQ(decodeText(*cp), t);
        EXPECT_EQ(decodeText(t), t);
        EXPECT_EQ(encodeText(t), *cp);
    }
    int tables = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::shippedDir())) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".ini" && ext != ".vrd") continue;
        const auto utf8 = test::readBytes(std::filesystem::path(VERDIKA_SOURCE_DIR) / "data" / entry.path().filename());
        EXPECT_EQ(decodeText(test::readBytes(entry.path())), decodeText(utf8)) << entry.path();
        ++tables;
    }
    EXPECT_GT(tables, 0);
}

}  // namespace
}  // namespace verdika
