// 1s and 2s complement: the bitwise primitives on binary digit strings, signed
// decimal text to a complement pattern, and a pattern back to its value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

// Bits of the widest value that the complement routines read and write.
constexpr std::size_t max_value_bits = 64;

// The text of a signed decimal without its sign, and whether the sign is '-'.
const char* magnitude_of(const char* dec, bool* negative) {
    *negative = dec[0] == '-';
    return is_signed(dec) ? dec + 1 : dec;
}

// One column of binary addition or subtraction of digits x and y with carry
// (or borrow) c, all 0 or 1: the digit is their odd parity in both; the carry
// is their majority, the borrow the majority with x inverted.
struct Column {
    int digit;
    int carry;
};

Column column(int x, int y, int c, bool subtract) {
    const int m = subtract ? 1 - x : x;
    return {x ^ y ^ c, (m & y) | (m & c) | (y & c)};
}

// Shared body of bin_adder and bin_substractor. A column outside the tables
// (a character other than '0' and '1', or a carry other than 0 and 1) leaves
// '0' and keeps the carry.
char* add_or_subtract(const char* a, const char* b, char* out, int len, int carry_in, int* carry_out,
                      bool subtract) {
    const std::size_t n = detail::width_of(len);
    detail::fill_zeros(out, n);
    if (n == 0) return out;
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    int carry = carry_in;
    for (std::size_t pos = n; pos-- > 0;) {
        const char da = detail::field_char(a, la, n, pos);
        const char db = detail::field_char(b, lb, n, pos);
        if (!detail::is_bin_digit(da) || !detail::is_bin_digit(db) || (carry != 0 && carry != 1)) continue;
        const Column c = column(da - '0', db - '0', carry, subtract);
        out[pos] = static_cast<char>('0' + c.digit);
        carry = c.carry;
    }
    if (carry_out != nullptr) *carry_out = carry;
    return out;
}

// Shared body of ones_comp and twos_comp. A negative value is the inversion
// of its magnitude's binary form, plus one in 2s complement, at any number of
// digits: below bit 64 that is the wrap-around ~m or 0 - m of the 64-bit
// magnitude m (which is below 2^bits), above it every digit is the sign,
// '1' but for the 2s complement of -0. A value that is not negative is its
// magnitude, '0's above it.
char* complement_of(const char* dec, int len, char* out, bool twos, Bits bits) {
    bool negative = false;
    const Value magnitude = str_int(magnitude_of(dec, &negative), bits);
    if (!negative) return detail::write_binary(magnitude, '0', detail::width_of(len), out);
    const Value low = twos ? Value{0} - magnitude : ~magnitude;
    const char high = twos && magnitude == 0 ? '0' : '1';
    return detail::write_binary(low, high, detail::width_of(len), out);
}

// Shared body of ones_comp_dec and twos_comp_dec. The sign digit is the first
// of the text's last len digits (a shorter text: its own first digit, which
// sign_extend repeats). Only the low `bits` of the len digits reach the
// value, and neither the inversion nor the borrow of the decrement moves
// downwards, so the work is done at no more than `bits` digits.
Value* comp_dec(const char* bin, Value* value, int len, bool twos, Bits bits) {
    const std::size_t n = detail::width_of(len);
    if (n == 0) return value;
    const std::size_t text_len = std::strlen(bin);
    const char sign = bin[text_len > n ? text_len - n : 0];
    if (!detail::is_bin_digit(sign)) return value;  // the empty text too
    const int w = static_cast<int>(std::min(n, detail::bit_count(bits)));
    char extended[max_value_bits + 1];
    char work[max_value_bits + 1];
    sign_extend(bin, w, extended);
    Value result = 0;
    if (sign == '0') {
        result = bin_dec(extended, bits);
    } else if (!twos) {
        bin_not(extended, w, work);
        result = Value{0} - bin_dec(work, bits);
    } else {
        bin_substractor(extended, "1", work, w, 0, nullptr);
        bin_not(work, w, extended);
        result = Value{0} - bin_dec(extended, bits);
    }
    // Negated in unsigned arithmetic: the magnitude 2^(bits-1) comes out as
    // the most negative value of the width.
    if (value != nullptr) *value = result & detail::value_mask(bits);
    return value;
}

// The 32-bit face of comp_dec: the value as an int.
int* comp_dec(const char* bin, int* value, int len, bool twos) {
    if (value == nullptr) return value;
    Value v = static_cast<std::uint32_t>(*value);
    comp_dec(bin, &v, len, twos, Bits::b32);
    *value = detail::as_int(v);
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
    return add_or_subtract(a, b, out, len, carry_in, carry_out, false);
}

char* bin_substractor(const char* a, const char* b, char* out, int len, int borrow_in,
                      int* borrow_out) {
    return add_or_subtract(a, b, out, len, borrow_in, borrow_out, true);
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

char* ones_comp(const char* dec, int len, char* out, Bits bits) { return complement_of(dec, len, out, false, bits); }
char* twos_comp(const char* dec, int len, char* out, Bits bits) { return complement_of(dec, len, out, true, bits); }
char* ones_comp(const char* dec, int len, char* out) { return ones_comp(dec, len, out, Bits::b32); }
char* twos_comp(const char* dec, int len, char* out) { return twos_comp(dec, len, out, Bits::b32); }

Value* ones_comp_dec(const char* bin, Value* value, int len, Bits bits) { return comp_dec(bin, value, len, false, bits); }
Value* twos_comp_dec(const char* bin, Value* value, int len, Bits bits) { return comp_dec(bin, value, len, true, bits); }
int* ones_comp_dec(const char* bin, int* value, int len) { return comp_dec(bin, value, len, false); }
int* twos_comp_dec(const char* bin, int* value, int len) { return comp_dec(bin, value, len, true); }

}  // namespace engine
