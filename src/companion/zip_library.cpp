#include "companion/zip_library.h"

#include "common/shared_library.h"

namespace verdika {

VERDIKA_DEFINE_LIBRARY_TABLE(ZipApi, zipLib, VERDIKA_LIBZIP_SONAME, "dokumenty Word", VERDIKA_LIBZIP_FUNCTIONS)

}  // namespace verdika
