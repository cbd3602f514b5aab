#include "companion/zip_library.h"

#include "common/shared_library.h"

namespace verdika {

const ZipApi& zipLib() {
    static const ZipApi api = [] {
        const SharedLibrary library(VERDIKA_LIBZIP_SONAME, "dokumenty Word");
        ZipApi table;
#define VERDIKA_LOOKUP(function) VERDIKA_RESOLVE(library, table, function);
        VERDIKA_LIBZIP_FUNCTIONS(VERDIKA_LOOKUP)
#undef VERDIKA_LOOKUP
        return table;
    }();
    return api;
}

}  // namespace verdika
