// Private helpers shared by the engine's source files.
//
// Most routines work "at a width": the source text right-aligned in a field of
// that many characters, padded on the left with '0', and only its last
// characters kept when it is longer. Rather than copy texts into scratch
// fields, the routines read the character at a field position through
// field_char, which computes the source index and never leaves the text.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"

namespace engine::detail {

// A width argument as a character count; 0 or less means "no digits".
inline std::size_t width_of(int width) {
    return width > 0 ? static_cast<std::size_t>(width) : 0u;
}

// Writes count '0' characters and the terminator.
inline char* fill_zeros(char* out, std::size_t count) {
    std::memset(out, '0', count);
    out[count] = '\0';
    return out;
}

// The character at position pos (0 = leftmost, pos < width) of a field of
// `width` characters holding text (of length len) right-aligned.
inline char field_char(const char* text, std::size_t len, std::size_t width, std::size_t pos) {
    return pos + len < width ? '0' : text[pos + len - width];
}

// ---- Digits ------------------------------------------------------------------

// Value of c as a digit of base (2, 8, 10 or 16; hexadecimal letters in
// either case), or -1 when c is not one. Inline, without a call to
// char_num_hex: every digit of every text passes through here.
inline int digit_value(char c, int base) {
    const unsigned u = static_cast<unsigned char>(c);
    const unsigned folded = u | 0x20u;  // 'A'..'F' to 'a'..'f'; no other byte lands there
    int v = -1;
    if (u - '0' < 10u)
        v = static_cast<int>(u - '0');
    else if (folded - 'a' < 6u)
        v = static_cast<int>(folded - 'a') + 10;
    return v < base ? v : -1;
}

// The digit of each value 0 to 15, as num_char_hex writes it.
inline constexpr char digit_chars[] = "0123456789ABCDEF";

// The binary digits of each value 0 to 15, four to a value.
inline constexpr char nibble_digits[16][5] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                                              "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};

// Writes the last n binary digits of a number whose low 64 bits are low and
// whose every higher bit is high ('0' or '1'), and the terminator: four
// digits at a time from the right, as long as four whole ones remain.
inline char* write_binary(Value low, char high, std::size_t n, char* out) {
    out[n] = '\0';
    std::size_t pos = n;
    std::size_t bit = 0;
    for (; pos >= 4 && bit < 64; pos -= 4, bit += 4) std::memcpy(out + pos - 4, nibble_digits[(low >> bit) & 15u], 4);
    for (; pos > 0; --pos, ++bit) out[pos - 1] = bit >= 64 ? high : ((low >> bit) & 1u) != 0 ? '1' : '0';
    return out;
}

// The one test per base of whether a character is a digit of it.
inline bool is_bin_digit(char c) { return digit_value(c, 2) >= 0; }
inline bool is_oct_digit(char c) { return digit_value(c, 8) >= 0; }
inline bool is_dec_digit(char c) { return digit_value(c, 10) >= 0; }
inline bool is_hex_digit(char c) { return digit_value(c, 16) >= 0; }

// Whether every character of text (none for the empty text) passes is_digit.
template <typename IsDigit>
inline bool all_digits(const char* text, IsDigit is_digit) {
    for (; *text != '\0'; ++text) {
        if (!is_digit(*text)) return false;
    }
    return true;
}

// ---- Values and comparison ---------------------------------------------------

// The value width as a count of bits, and the mask of a value of that width.
inline std::size_t bit_count(Bits bits) { return bits == Bits::b64 ? 64u : 32u; }
inline Value value_mask(Bits bits) { return bits == Bits::b64 ? ~Value{0} : Value{0xFFFFFFFFu}; }

// The 32-bit face of a value: its low 32 bits as the int the face returns.
inline int as_int(Value v) { return static_cast<int>(static_cast<std::uint32_t>(v)); }

// Value modulo 2^width of a text of base 2^bits (2, 8 or 16), the k-th digit
// from the right weighing 2^(bits*k); a character that is not a digit adds
// nothing but keeps its place. Digits of weight 2^width or more vanish and
// the one straddling bit `width` keeps only its low bits, as in wrap-around.
inline Value positional_value(const char* text, int bits, Bits width) {
    const std::size_t len = std::strlen(text);
    const std::size_t b = static_cast<std::size_t>(bits);
    const std::size_t places = (bit_count(width) + b - 1) / b;
    Value sum = 0;
    for (std::size_t k = 0; k < len && k < places; ++k) {
        const int v = digit_value(text[len - 1 - k], 1 << bits);
        if (v > 0) sum += static_cast<Value>(v) << (b * k);
    }
    return sum & value_mask(width);
}

// The 32-bit face: stored through value when it is not null, and returned.
inline int positional_value(const char* text, int bits, int* value) {
    const int result = as_int(positional_value(text, bits, Bits::b32));
    if (value != nullptr) *value = result;
    return result;
}

// What a comparison's digit function answers for a character that decides
// nothing at its position (binary comparison only; the other bases give every
// character a value, its code minus 48 when it is not a digit).
inline constexpr int no_digit = INT_MIN;

// Comparison by value of two digit texts, the shorter one widened with
// leading '0's to the longer one (or to width): the leftmost position whose
// digit values differ decides. 0 equal, 1 first greater, 2 second greater.
// The positions where both texts are widening '0's decide nothing and are
// passed over; the digit function is a template argument so that it inlines.
template <int (*Digit)(char)>
inline int compare_by_value(const char* a, const char* b, int width) {
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    std::size_t w = width_of(width);
    if (la > w) w = la;
    if (lb > w) w = lb;
    for (std::size_t pos = w - (la > lb ? la : lb); pos < w; ++pos) {
        const int da = Digit(field_char(a, la, w, pos));
        const int db = Digit(field_char(b, lb, w, pos));
        if (da == no_digit || db == no_digit || da == db) continue;
        return da > db ? 1 : 2;
    }
    return 0;
}

// The digit values of comparisons in every base but binary: a character that
// is not a digit weighs its code minus 48 (char_num and char_num_hex).
inline int num_of(char c) { return static_cast<signed char>(c) - 48; }
inline int num_of_hex(char c) {
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return num_of(c);
}

// ---- Expansion into binary -----------------------------------------------------

// Writes exactly `bits` binary digits: the digits of base 2^group_bits of
// text, each as group_bits binary digits, right-aligned, the last
// ceil(bits / group_bits) digits of text taking part. When bits is not a
// multiple of group_bits the leading digit's top bits are dropped. A
// character that is not a digit leaves its group at '0's.
inline char* expand(const char* text, char* out, std::size_t bits, std::size_t group_bits) {
    fill_zeros(out, bits);
    const std::size_t digits = (bits + group_bits - 1) / group_bits;
    const std::size_t len = std::strlen(text);
    const int base = 1 << group_bits;
    for (std::size_t i = 0; i < digits; ++i) {
        const int v = digit_value(field_char(text, len, digits, i), base);
        if (v < 0) continue;
        const std::size_t group_end = bits - group_bits * (digits - 1 - i);  // one past its last bit
        for (std::size_t b = 0; b < group_bits && b < group_end; ++b) {
            out[group_end - 1 - b] = ((v >> b) & 1) != 0 ? '1' : '0';
        }
    }
    return out;
}

}  // namespace engine::detail
