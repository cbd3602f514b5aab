#include "companion/xlsx_library.h"

#include "common/shared_library.h"

namespace verdika {

VERDIKA_DEFINE_LIBRARY_TABLE(XlsxApi, xlsxLib, VERDIKA_LIBXLSXWRITER_SONAME, "sešity Excel", VERDIKA_LIBXLSXWRITER_FUNCTIONS)

}  // namespace verdika
