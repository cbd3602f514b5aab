#include "common/rtf.h"

#include <gtest/gtest.h>

namespace verdika {
namespace {

TEST(Rtf, EscapesCzechLettersAndControlCharacters) {
    std::vector<RtfParagraph> doc(1);
    doc[0].runs.push_back(RtfRun{"Odměna {§ 7}\\", true});
    doc[0].runs.push_back(RtfRun{"\tŽ", false, true, false, 10});
    const std::string rtf = toRtf(doc);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("\\fcharset238 Times New Roman;"), std::string::npos);
    EXPECT_NE(rtf.find("{\\b\\fs24 Odm\\u283?na \\{\\u167? 7\\}\\\\}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\i\\fs20 \\tab \\u381?}"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.back(), '\n');
    // Braces balance, or readers reject the file.
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') { ++i; continue; }
        if (rtf[i] == '{') ++depth;
        if (rtf[i] == '}') --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

}  // namespace
}  // namespace verdika
