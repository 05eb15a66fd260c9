// Hexadecimal text: validation, the "0x" prefix, expansion into binary digits,
// value and comparison. Letters are read in either case.
#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

int is_valid_hex(const char* text) { return detail::all_digits(text, detail::is_hex_digit) ? 0 : 1; }

int is_C_hex(const char* text) {
    // The second character is read only behind a '0', never past the end.
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 0 : 1;
}

int is_valid_C_hex(const char* text) {
    if (is_C_hex(text) != 0) return 1;
    return is_valid_hex(text + 2) == 0 ? 0 : 2;
}

char* hex_bin(const char* hex, char* out, int n) { return detail::expand(hex, out, 4 * detail::width_of(n), 4); }

int hex_dec(const char* hex, int* value) { return detail::positional_value(hex, 4, value); }

Value hex_dec(const char* hex, Bits bits) { return detail::positional_value(hex, 4, bits); }

int hex_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value<detail::num_of_hex>(a, b, width);
}

}  // namespace engine
