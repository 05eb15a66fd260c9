// Display options for hexadecimal results: the "0x" prefix and lower-case
// letters. Both rewrite the third result box after a conversion.
#include "controller/controller.h"

namespace controller {

namespace {

// A hexadecimal result has at most 8 digits at 32-bit values (16 at 64),
// 10 (18) characters with the prefix; the read limit of 11 (19) always
// takes in the whole text.
int read_limit() { return value_bits() / 4 + 3; }
constexpr int buffer_size = 24;

}  // namespace

void do_C_hex(Window& w) {
    char src[buffer_size] = {};
    char dst[buffer_size] = {};
    w.get_text(result_box3, src, read_limit());
    if (src[0] == '\0') return;
    dst[0] = '0';
    dst[1] = 'x';
    for (int i = 0; i < read_limit() && i + 2 < buffer_size; ++i) {
        dst[i + 2] = src[i];
        if (src[i] == '\0') break;
    }
    dst[buffer_size - 1] = '\0';
    w.set_text(result_box3, dst);
}

void do_C_small(Window& w) {
    char src[buffer_size] = {};
    char dst[buffer_size] = {};
    w.get_text(result_box3, src, read_limit());
    if (src[0] == '\0') return;
    for (int i = 0; i < buffer_size; ++i) {
        const char c = src[i];
        dst[i] = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
        if (c == '\0') break;
    }
    w.set_text(result_box3, dst);
}

void toggle_C_hex(Window& w) {
    C_hex = C_hex == 0 ? 1 : 0;
    w.check_menu(menu_C_hex, C_hex == 1);
}

void toggle_C_small(Window& w) {
    C_small = C_small == 0 ? 1 : 0;
    w.check_menu(menu_C_small, C_small == 1);
}

}  // namespace controller
