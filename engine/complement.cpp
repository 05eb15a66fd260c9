// 1s and 2s complement: the bitwise primitives on binary digit strings, signed
// decimal text to a complement pattern, and a pattern back to its value.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

bool is_bit(char c) { return c == '0' || c == '1'; }

void invert_in_place(char* bits, std::size_t n) {
    for (std::size_t pos = 0; pos < n; ++pos) bits[pos] = bits[pos] == '0' ? '1' : '0';
}

// Adds one to a string of binary digits; the carry out of the top is dropped.
void increment_in_place(char* bits, std::size_t n) {
    for (std::size_t pos = n; pos-- > 0;) {
        if (bits[pos] == '0') {
            bits[pos] = '1';
            return;
        }
        bits[pos] = '0';
    }
}

// The text of a signed decimal without its sign, and whether the sign is '-'.
const char* magnitude_of(const char* dec, bool* negative) {
    *negative = dec[0] == '-';
    return is_signed(dec) ? dec + 1 : dec;
}

// Shared reader of ones_comp_dec and twos_comp_dec. A text longer than the
// length is read by its last len digits, so the sign digit is bit len - 1 as
// for the extracted expansions of octal and hexadecimal input; a shorter text
// is sign-extended from its own first digit.
int* comp_dec(const char* bin, int* value, int len, bool twos) {
    const std::size_t n = detail::width_of(len);
    if (n == 0) return value;
    std::size_t t_len = std::strlen(bin);
    const char* t = bin;
    if (t_len > n) {
        t += t_len - n;
        t_len = n;
    }
    if (!is_bit(t[0])) return value;  // the empty text too
    const bool negative = t[0] == '1';

    // Digit k (from the right) of the text sign-extended to n digits.
    auto digit = [&](std::size_t k) { return k < t_len ? t[t_len - 1 - k] : t[0]; };

    // Only the low 32 of the n digits reach a 32-bit value; the borrow of the
    // decrement moves upwards, so higher digits cannot affect them either.
    const std::size_t bits = n < 32 ? n : 32;
    std::uint32_t sum = 0;
    if (!negative) {
        for (std::size_t k = 0; k < bits; ++k) {
            if (digit(k) == '1') sum |= std::uint32_t{1} << k;
        }
    } else if (!twos) {
        // Magnitude: the inversion of the pattern.
        for (std::size_t k = 0; k < bits; ++k) {
            if (digit(k) == '0') sum |= std::uint32_t{1} << k;
        }
    } else {
        // Magnitude: the inversion of the pattern minus one.
        int borrow = 0;
        for (std::size_t k = 0; k < bits; ++k) {
            const char c = digit(k);
            int difference_bit = 0;  // a non-binary digit leaves 0 and keeps the borrow
            if (is_bit(c)) {
                const int diff = (c - '0') - (k == 0 ? 1 : 0) - borrow;
                difference_bit = (diff + 2) & 1;
                borrow = diff < 0 ? 1 : 0;
            }
            if (difference_bit == 0) sum |= std::uint32_t{1} << k;
        }
    }
    // Negated in unsigned arithmetic: the magnitude 2^31 comes out as INT_MIN.
    const std::uint32_t result = negative ? 0u - sum : sum;
    if (value != nullptr) *value = static_cast<int>(result);
    return value;
}

}  // namespace

char* bin_not(const char* src, int len, char* out) {
    const std::size_t n = detail::width_of(len);
    const std::size_t src_len = std::strlen(src);
    for (std::size_t pos = 0; pos < n; ++pos) {
        out[pos] = detail::field_char(src, src_len, n, pos) == '0' ? '1' : '0';
    }
    out[n] = '\0';
    return out;
}

char* bin_adder(const char* a, const char* b, char* out, int len, int carry_in, int* carry_out) {
    const std::size_t n = detail::width_of(len);
    detail::fill_zeros(out, n);
    if (n == 0) return out;
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    int carry = carry_in;
    for (std::size_t pos = n; pos-- > 0;) {
        const char da = detail::field_char(a, la, n, pos);
        const char db = detail::field_char(b, lb, n, pos);
        // Outside the full-adder table: leave '0' and keep the carry.
        if (!is_bit(da) || !is_bit(db) || (carry != 0 && carry != 1)) continue;
        const int sum = (da - '0') + (db - '0') + carry;
        out[pos] = static_cast<char>('0' + (sum & 1));
        carry = sum >> 1;
    }
    if (carry_out != nullptr) *carry_out = carry;
    return out;
}

char* bin_substractor(const char* a, const char* b, char* out, int len, int borrow_in,
                      int* borrow_out) {
    const std::size_t n = detail::width_of(len);
    detail::fill_zeros(out, n);
    if (n == 0) return out;
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    int borrow = borrow_in;
    for (std::size_t pos = n; pos-- > 0;) {
        const char da = detail::field_char(a, la, n, pos);
        const char db = detail::field_char(b, lb, n, pos);
        // Outside the full-subtractor table: leave '0' and keep the borrow.
        if (!is_bit(da) || !is_bit(db) || (borrow != 0 && borrow != 1)) continue;
        const int diff = (da - '0') - (db - '0') - borrow;
        out[pos] = static_cast<char>('0' + ((diff + 2) & 1));
        borrow = diff < 0 ? 1 : 0;
    }
    if (borrow_out != nullptr) *borrow_out = borrow;
    return out;
}

char* sign_extend(const char* src, int len, char* out) {
    const std::size_t n = detail::width_of(len);
    detail::fill_zeros(out, n);
    const std::size_t src_len = std::strlen(src);
    if (src_len == 0) return out;  // no sign digit: zeros
    if (src_len > n) {
        for (std::size_t pos = 0; pos < n; ++pos) out[pos] = src[src_len - n + pos];
        return out;
    }
    // The first digit becomes the fill, repeated up to and including its own place.
    const std::size_t first = n - src_len;
    const char fill = src[0] == '0' ? '0' : '1';
    for (std::size_t pos = 0; pos <= first; ++pos) out[pos] = fill;
    for (std::size_t i = 1; i < src_len; ++i) out[first + i] = src[i];
    return out;
}

char* ones_comp(const char* dec, int len, char* out) {
    bool negative = false;
    const char* magnitude = magnitude_of(dec, &negative);
    dec_bin(static_cast<std::uint32_t>(str_int(magnitude)), len, out);
    if (negative) invert_in_place(out, detail::width_of(len));
    return out;
}

char* twos_comp(const char* dec, int len, char* out) {
    bool negative = false;
    const char* magnitude = magnitude_of(dec, &negative);
    dec_bin(static_cast<std::uint32_t>(str_int(magnitude)), len, out);
    if (negative) {
        const std::size_t n = detail::width_of(len);
        invert_in_place(out, n);
        increment_in_place(out, n);
    }
    return out;
}

int* ones_comp_dec(const char* bin, int* value, int len) { return comp_dec(bin, value, len, false); }

int* twos_comp_dec(const char* bin, int* value, int len) { return comp_dec(bin, value, len, true); }

}  // namespace engine
