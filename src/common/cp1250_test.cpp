#include "common/cp1250.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace verdika
