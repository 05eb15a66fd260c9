// Digit characters, signs, the decimal parser and validator, the integer
// power, and fixed-width formatting of unsigned 32- and 64-bit values.
#include "engine/engine.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/internal.h"

namespace engine {

char num_char(int value) {
    // Unsigned arithmetic: any int wraps to 8 bits instead of overflowing.
    return static_cast<char>(
        static_cast<unsigned char>(48u + static_cast<unsigned>(value)));
}

char num_char_hex(int value) {
    if (value >= 10 && value <= 15) return static_cast<char>('A' + (value - 10));
    return num_char(value);
}

int char_num(char c) { return detail::num_of(c); }

int char_num_hex(char c) { return detail::num_of_hex(c); }

int is_signed(const char* text) { return text[0] == '+' || text[0] == '-' ? 1 : 0; }

char* extract_value_of_signed(const char* src, char* dst) {
    // An empty source has no second character to start from.
    const char* from = src[0] != '\0' ? src + 1 : src;
    std::size_t i = 0;
    do {
        dst[i] = from[i];
    } while (from[i++] != '\0');
    return dst;
}

int is_valid_dec(const char* text) { return detail::all_digits(text, detail::is_dec_digit) ? 1 : 0; }

Value str_int(const char* text, Bits bits) {
    // Horner's rule from the left: the same sum of digit times power of ten
    // modulo 2^64 as weighing each digit from the right, one product a digit.
    Value sum = 0;
    for (; *text != '\0'; ++text) sum = sum * 10u + static_cast<Value>(static_cast<std::int64_t>(char_num(*text)));
    return sum & detail::value_mask(bits);
}

int str_int(const char* text) { return detail::as_int(str_int(text, Bits::b32)); }

Value pow(Value base, int exponent, Bits bits) {
    // Square and multiply: the same product modulo 2^bits as repeated
    // multiplication, without a loop as long as the exponent.
    Value result = 1;
    Value factor = base;
    for (std::uint32_t e = exponent > 0 ? static_cast<std::uint32_t>(exponent) : 0u; e != 0; e >>= 1) {
        if (e & 1u) result *= factor;
        factor *= factor;
    }
    return result & detail::value_mask(bits);
}

int pow(int base, int exponent) {
    // The int base as its 32-bit pattern: a negative base wraps as it did.
    return detail::as_int(pow(static_cast<std::uint32_t>(base), exponent, Bits::b32));
}

int dlw_strcmp(const char* a, const char* b) {
    // A terminator counts as a character; past a terminator that both texts
    // share, nothing is read, so short texts are safe.
    for (int i = 0; i < 4; ++i) {
        if (a[i] != b[i]) return 1;
        if (a[i] == '\0') return 0;
    }
    return 0;
}

namespace {

// The last count digits of value in base 2^shift (2, 8 or 16), by shifts
// and masks rather than divisions.
char* fixed_width(Value value, int count, char* out, unsigned shift) {
    const std::size_t n = detail::width_of(count);
    if (shift == 1) return detail::write_binary(value, '0', n, out);
    const Value digit_mask = (Value{1} << shift) - 1;
    for (std::size_t pos = n; pos-- > 0;) {
        out[pos] = detail::digit_chars[value & digit_mask];
        value >>= shift;
    }
    out[n] = '\0';
    return out;
}

}  // namespace

char* dec_bin(Value value, int count, char* out, Bits bits) {
    return fixed_width(value & detail::value_mask(bits), count, out, 1);
}
char* dec_oct(Value value, int count, char* out, Bits bits) {
    return fixed_width(value & detail::value_mask(bits), count, out, 3);
}
char* dec_hex(Value value, int count, char* out, Bits bits) {
    return fixed_width(value & detail::value_mask(bits), count, out, 4);
}

char* dec_bin(std::uint32_t value, int count, char* out) { return dec_bin(value, count, out, Bits::b32); }
char* dec_oct(std::uint32_t value, int count, char* out) { return dec_oct(value, count, out, Bits::b32); }
char* dec_hex(std::uint32_t value, int count, char* out) { return dec_hex(value, count, out, Bits::b32); }

int dec_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value<detail::num_of>(a, b, width);
}

}  // namespace engine
