// Binary digit strings: validation, value, regrouping into hexadecimal and
// octal digits, comparison and cutting to a length.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

// A character XOR '0' is 0 or 1 exactly for the two binary digits, so the OR
// of characters XOR '0' tells whether all of them are digits; only then is the
// value gathered from them theirs.
//
// The value of the n (at most 64) characters at text when all of them are
// binary digits, in value; false when one is not. Eight characters at a time
// where bytes are stored little end first: their XOR '0' is eight bytes of 0
// or 1, and the product with 0x8040201008040201 gathers them, the first
// character's bit highest, in its top byte (every partial product lands on a
// bit of its own, so no carry disturbs it).
bool binary_value(const char* text, std::size_t n, Value* value) {
    Value v = 0;
    std::uint64_t stray = 0;
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            std::uint64_t x = 0;
            std::memcpy(&x, text + i, 8);
            x ^= 0x3030303030303030u;
            stray |= x & 0xFEFEFEFEFEFEFEFEu;
            v = (v << 8) | ((x * 0x8040201008040201u) >> 56);
        }
    }
    for (; i < n; ++i) {
        const unsigned d = static_cast<unsigned char>(text[i]) ^ unsigned{'0'};
        stray |= d & ~1u;
        v = (v << 1) | (d & 1u);
    }
    *value = v;
    return stray == 0;
}

// Regroups the last group_bits * n binary digits of bin into n digits of base
// 2^group_bits. A group holding anything but '0' and '1' gives the digit '0'.
// The group's size is a template argument, so that its loop unrolls.
template <std::size_t group_bits>
char* regroup(const char* bin, char* out, int n) {
    const std::size_t count = detail::width_of(n);
    const std::size_t len = std::strlen(bin);
    const std::size_t width = count * group_bits;
    const std::size_t pad = width > len ? width - len : 0;   // '0's in front of the text
    const std::size_t skip = len > width ? len - width : 0;  // characters in front of the field
    Value v = 0;
    if (width - pad <= 64 && binary_value(bin + skip, len - skip, &v)) {
        // The usual case: the text's part of the field is one value of at
        // most 64 bits, written out digit by digit from the right.
        for (std::size_t q = count; q-- > 0; v >>= group_bits) out[q] = detail::digit_chars[v & ((1u << group_bits) - 1)];
        out[count] = '\0';
        return out;
    }
    // Group by group, a group with a stray character giving '0'.
    for (std::size_t q = 0; q < count; ++q) {
        const std::size_t first = q * group_bits;
        unsigned v = 0;
        unsigned seen = 0;
        for (std::size_t pos = first; pos < first + group_bits; ++pos) {
            const unsigned d = pos < pad ? 0u : static_cast<unsigned char>(bin[skip + (pos - pad)]) ^ unsigned{'0'};
            seen |= d;
            v = (v << 1) | d;
        }
        out[q] = (seen & ~1u) == 0 ? detail::digit_chars[v] : '0';
    }
    out[count] = '\0';
    return out;
}

// Digit values for bin_compare: only a '1' against a '0' is a difference.
int bin_digit(char c) { return detail::is_bin_digit(c) ? c - '0' : detail::no_digit; }

}  // namespace

int is_valid_bin(const char* text) { return detail::all_digits(text, detail::is_bin_digit) ? 0 : 1; }

int bin_dec(const char* text, int* value) { return detail::positional_value(text, 1, value); }

Value bin_dec(const char* text, Bits bits) { return detail::positional_value(text, 1, bits); }

char* bin_hex(const char* bin, char* out, int n) { return regroup<4>(bin, out, n); }

char* bin_oct(const char* bin, char* out, int n) { return regroup<3>(bin, out, n); }

int bin_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value<bin_digit>(a, b, width);
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
