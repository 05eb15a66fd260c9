// Input filters: keep the characters valid for a base, in order, drop the rest.
#include <cstddef>

#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

namespace {

// Shared body of the six input filters: copies the first `keep` characters
// (as far as the text goes), then only the characters that `wanted` accepts.
char* refine(const char* src, char* dst, std::size_t keep, bool (*wanted)(char)) {
    std::size_t in = 0;
    std::size_t out = 0;
    while (in < keep && src[in] != '\0') dst[out++] = src[in++];
    for (; src[in] != '\0'; ++in) {
        if (wanted(src[in])) dst[out++] = src[in];
    }
    dst[out] = '\0';
    return dst;
}

bool is_bin_digit(char c) { return c == '0' || c == '1'; }
bool is_dec_digit(char c) { return detail::digit_value(c, 10) >= 0; }
bool is_oct_digit(char c) { return detail::digit_value(c, 8) >= 0; }
bool is_hex_digit(char c) { return detail::digit_value(c, 16) >= 0; }

}  // namespace

char* bin_refine(const char* src, char* dst) { return refine(src, dst, 0, is_bin_digit); }
char* dec_refine(const char* src, char* dst) { return refine(src, dst, 0, is_dec_digit); }
char* oct_refine(const char* src, char* dst) { return refine(src, dst, 0, is_oct_digit); }
char* hex_refine(const char* src, char* dst) { return refine(src, dst, 0, is_hex_digit); }

// The sign, or the "0x" prefix, is kept as it stands; a text shorter than
// that is kept whole rather than read past its end.
char* dec_refine_signed(const char* src, char* dst) {
    return refine(src, dst, 1, is_dec_digit);
}
char* C_hex_refine(const char* src, char* dst) {
    return refine(src, dst, 2, is_hex_digit);
}

}  // namespace engine
