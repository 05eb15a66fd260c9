// Hexadecimal text: validation, the "0x" prefix, expansion into binary digits,
// value and comparison. Letters are read in either case.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

int is_valid_hex(const char* text) {
    for (; *text != '\0'; ++text) {
        if (detail::digit_value(*text, 16) < 0) return 1;
    }
    return 0;
}

int is_C_hex(const char* text) {
    // The second character is read only behind a '0', never past the end.
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 0 : 1;
}

int is_valid_C_hex(const char* text) {
    if (is_C_hex(text) != 0) return 1;
    return is_valid_hex(text + 2) == 0 ? 0 : 2;
}

char* hex_bin(const char* hex, char* out, int n) {
    const std::size_t count = detail::width_of(n);
    detail::fill_zeros(out, 4 * count);
    const std::size_t len = std::strlen(hex);
    for (std::size_t i = 0; i < count; ++i) {
        const int v = detail::digit_value(detail::field_char(hex, len, count, i), 16);
        if (v < 0) continue;  // not a digit: its group stays 0000
        for (std::size_t b = 0; b < 4; ++b) {
            out[4 * i + b] = ((v >> (3 - b)) & 1) != 0 ? '1' : '0';
        }
    }
    return out;
}

int hex_dec(const char* hex, int* value) {
    return detail::positional_value(hex, 4, value);
}

int hex_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value(a, b, width, char_num_hex);
}

}  // namespace engine
