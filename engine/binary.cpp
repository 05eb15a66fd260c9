// Binary digit strings: validation, value, regrouping into hexadecimal and
// octal digits, comparison and cutting to a length.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

// Regroups the last group_bits * n binary digits of bin into n digits of base
// 2^group_bits. A group holding anything but '0' and '1' gives the digit '0'.
char* regroup(const char* bin, char* out, int n, std::size_t group_bits) {
    const std::size_t count = detail::width_of(n);
    detail::fill_zeros(out, count);
    const std::size_t len = std::strlen(bin);
    const std::size_t width = count * group_bits;
    for (std::size_t q = 0; q < count; ++q) {
        int value = 0;
        bool valid = true;
        for (std::size_t k = 0; k < group_bits; ++k) {
            const char c = detail::field_char(bin, len, width, q * group_bits + k);
            valid = valid && (c == '0' || c == '1');
            value = value * 2 + (c == '1' ? 1 : 0);
        }
        if (valid) out[q] = num_char_hex(value);
    }
    return out;
}

}  // namespace

int is_valid_bin(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text != '0' && *text != '1') return 1;
    }
    return 0;
}

int bin_dec(const char* text, int* value) {
    return detail::positional_value(text, 1, value);
}

char* bin_hex(const char* bin, char* out, int n) { return regroup(bin, out, n, 4); }

char* bin_oct(const char* bin, char* out, int n) { return regroup(bin, out, n, 3); }

int bin_compare(const char* a, const char* b, int width) {
    // Only a '1' against a '0' is a difference; the most significant one
    // decides, so the texts compare as whole unsigned values.
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    std::size_t w = detail::width_of(width);
    if (la > w) w = la;
    if (lb > w) w = lb;
    for (std::size_t pos = 0; pos < w; ++pos) {
        const char ca = detail::field_char(a, la, w, pos);
        const char cb = detail::field_char(b, lb, w, pos);
        if (ca == '1' && cb == '0') return 1;
        if (ca == '0' && cb == '1') return 2;
    }
    return 0;
}

char* bin_extract(const char* bin, char* out, int len) {
    const std::size_t width = detail::width_of(len);
    const std::size_t src_len = std::strlen(bin);
    for (std::size_t pos = 0; pos < width; ++pos) {
        out[pos] = detail::field_char(bin, src_len, width, pos);
    }
    out[width] = '\0';
    return out;
}

}  // namespace engine
