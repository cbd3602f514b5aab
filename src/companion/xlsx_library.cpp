#include "companion/xlsx_library.h"

#include "common/shared_library.h"

namespace verdika {

const XlsxApi& xlsxLib() {
    static const XlsxApi api = [] {
        const SharedLibrary library(VERDIKA_LIBXLSXWRITER_SONAME, "sešity Excel");
        XlsxApi table;
#define VERDIKA_LOOKUP(function) VERDIKA_RESOLVE(library, table, function);
        VERDIKA_LIBXLSXWRITER_FUNCTIONS(VERDIKA_LOOKUP)
#undef VERDIKA_LOOKUP
        return table;
    }();
    return api;
}

}  // namespace verdika
