// Octal text: validation, conversion into a binary digit string of a bit
// count, value and comparison.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

int is_valid_oct(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '7') return 1;
    }
    return 0;
}

char* oct_bin(const char* oct, char* out, int bits) {
    const std::size_t n = detail::width_of(bits);
    detail::fill_zeros(out, n);
    const std::size_t digits = (n + 2) / 3;
    const std::size_t len = std::strlen(oct);
    for (std::size_t i = 0; i < digits; ++i) {
        const int v = detail::digit_value(detail::field_char(oct, len, digits, i), 8);
        if (v < 0) continue;  // not a digit: its group stays 000
        // The leading digit's group may begin before position 0 when bits is
        // not a multiple of 3; its top bits are dropped.
        const std::size_t group_end = n - 3 * (digits - 1 - i);  // one past its last bit
        for (std::size_t b = 0; b < 3 && b < group_end; ++b) {
            out[group_end - 1 - b] = ((v >> b) & 1) != 0 ? '1' : '0';
        }
    }
    return out;
}

int oct_dec(const char* oct, int* value) {
    return detail::positional_value(oct, 3, value);
}

int oct_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value(a, b, width, char_num);
}

}  // namespace engine
