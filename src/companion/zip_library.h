#pragma once
// libzip, opened on the first document read or written (see SharedLibrary).
#include <zip.h>

#include "common/shared_library.h"

#define VERDIKA_LIBZIP_FUNCTIONS(X)                                                                                 \
    X(zip_close) X(zip_dir_add) X(zip_discard) X(zip_error_fini) X(zip_error_init) X(zip_fclose) X(zip_file_add)    \
    X(zip_fopen_index) X(zip_fread) X(zip_get_name) X(zip_get_num_entries) X(zip_name_locate)                        \
    X(zip_open_from_source) X(zip_source_buffer) X(zip_source_buffer_create) X(zip_source_close) X(zip_source_free) \
    X(zip_source_keep) X(zip_source_open) X(zip_source_read) X(zip_source_stat) X(zip_stat_index)

namespace verdika {

struct ZipApi {
    VERDIKA_LIBZIP_FUNCTIONS(VERDIKA_LIBRARY_MEMBER)
};

// Throws IoError when libzip cannot be opened.
const ZipApi& zipLib();

}  // namespace verdika
