#pragma once
// libxlsxwriter, opened on the first workbook written (see SharedLibrary).
#include <xlsxwriter.h>

#include "common/shared_library.h"

#define VERDIKA_LIBXLSXWRITER_FUNCTIONS(X)                                                                            \
    X(format_set_align) X(format_set_bg_color) X(format_set_bold) X(format_set_bottom) X(format_set_bottom_color)     \
    X(format_set_font_color) X(format_set_font_size) X(format_set_italic) X(format_set_left) X(format_set_left_color) \
    X(format_set_num_format) X(format_set_right) X(format_set_right_color) X(format_set_text_wrap) X(format_set_top)  \
    X(format_set_top_color) X(format_set_unlocked) X(lxw_strerror) X(workbook_add_format) X(workbook_add_worksheet)   \
    X(workbook_close) X(workbook_new) X(workbook_set_properties) X(worksheet_data_validation_range)                    \
    X(worksheet_fit_to_pages) X(worksheet_freeze_panes) X(worksheet_merge_range) X(worksheet_print_area)              \
    X(worksheet_protect) X(worksheet_set_column) X(worksheet_set_landscape) X(worksheet_set_print_scale)              \
    X(worksheet_set_row) X(worksheet_write_blank) X(worksheet_write_formula) X(worksheet_write_formula_num)           \
    X(worksheet_write_formula_str) X(worksheet_write_number) X(worksheet_write_string)

namespace verdika {

struct XlsxApi {
    VERDIKA_LIBXLSXWRITER_FUNCTIONS(VERDIKA_LIBRARY_MEMBER)
};

// Throws IoError when libxlsxwriter cannot be opened.
const XlsxApi& xlsxLib();

}  // namespace verdika
