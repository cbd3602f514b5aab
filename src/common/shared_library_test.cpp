#include "common/shared_library.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika {
namespace {

TEST(SharedLibrary, AMissingLibraryOrFunctionIsToldByName) {
    try {
        SharedLibrary missing("libverdika-chybi.so.1", "zkouška");
        FAIL() << "opened a library that does not exist";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("libverdika-chybi.so.1 (zkouška) nelze načíst"), std::string::npos) << e.what();
    }
    const SharedLibrary zip(VERDIKA_TEST_LIBZIP_SONAME, "zkouška");
    EXPECT_NE(zip.symbol("zip_open"), nullptr);
    EXPECT_THROW(zip.symbol("zip_neexistuje"), IoError);
}

}  // namespace
}  // namespace verdika
