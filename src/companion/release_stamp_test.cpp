#include "companion/release_stamp.h"

#include <gtest/gtest.h>

#include "companion/copy_file.h"
#include "test_support.h"

namespace verdika {
namespace {

TEST(ReleaseStamp, NewerReleaseComparesVersionNumbers) {
    struct Case {
        const char* remote;
        const char* local;
        bool newer;
    } cases[] = {
        {"1.0.1", "1.0.0", true},   {"1.10.0", "1.9.3", true}, {"2.0", "1.99.99", true},
        {"1.0.0", "1.0.0", false},  {"1.0", "1.0.0", false},   {"0.9.9", "1.0.0", false},
        {"1.0.0+abc", "1.0.0", false}, {"", "1.0.0", false},  {"<html>", "1.0.0", false},
        {"1.0.0", "", true},
    };
    for (const auto& c : cases) EXPECT_EQ(announcesNewerRelease(c.remote, c.local), c.newer) << c.remote << " " << c.local;
}

TEST(CopyFile, ReplacesTheTargetAndKeepsItWhenTheSourceIsMissing) {
    test::TempDir dir;
    test::writeBytes(dir / "source", "new");
    test::writeBytes(dir / "target", "old");
    EXPECT_TRUE(PridatDokument(dir / "target", dir / "source"));
    EXPECT_EQ(test::readBytes(dir / "target"), "new");
    EXPECT_FALSE(PridatDokument(dir / "target", dir / "missing"));
    EXPECT_EQ(test::readBytes(dir / "target"), "new");
}

}  // namespace
}  // namespace verdika
