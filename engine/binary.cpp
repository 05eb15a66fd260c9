// Binary digit strings: validation, value, regrouping into hexadecimal and
// octal digits, comparison and cutting to a length.
#include <cstddef>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

// The binary forms of the digit values in ascending order, so that the index
// of the entry a group matches is its digit's value. dlw_strcmp compares four
// characters: for a triplet the fourth is the terminator on both sides.
constexpr char nibbles[16][5] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                                 "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
constexpr char triplets[8][5] = {"000", "001", "010", "011", "100", "101", "110", "111"};

// Regroups the last group_bits * n binary digits of bin into n digits of base
// 2^group_bits, looked up in table. A group holding anything but '0' and '1'
// matches no entry and gives the digit '0'.
template <std::size_t Entries>
char* regroup(const char* bin, char* out, int n, const char (&table)[Entries][5], std::size_t group_bits) {
    const std::size_t count = detail::width_of(n);
    detail::fill_zeros(out, count);
    const std::size_t len = std::strlen(bin);
    const std::size_t width = count * group_bits;
    for (std::size_t q = 0; q < count; ++q) {
        char group[5] = {};
        for (std::size_t k = 0; k < group_bits; ++k) {
            group[k] = detail::field_char(bin, len, width, q * group_bits + k);
        }
        for (std::size_t v = 0; v < Entries; ++v) {
            if (dlw_strcmp(group, table[v]) == 0) {
                out[q] = num_char_hex(static_cast<int>(v));
                break;
            }
        }
    }
    return out;
}

// Digit values for bin_compare: only a '1' against a '0' is a difference.
int bin_digit(char c) { return detail::is_bin_digit(c) ? c - '0' : detail::no_digit; }

}  // namespace

int is_valid_bin(const char* text) { return detail::all_digits(text, detail::is_bin_digit) ? 0 : 1; }

int bin_dec(const char* text, int* value) { return detail::positional_value(text, 1, value); }

Value bin_dec(const char* text, Bits bits) { return detail::positional_value(text, 1, bits); }

char* bin_hex(const char* bin, char* out, int n) { return regroup(bin, out, n, nibbles, 4); }

char* bin_oct(const char* bin, char* out, int n) { return regroup(bin, out, n, triplets, 3); }

int bin_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value(a, b, width, bin_digit);
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
