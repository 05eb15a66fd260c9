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

}  // namespace

char* bin_refine(const char* src, char* dst) { return refine(src, dst, 0, detail::is_bin_digit); }
char* dec_refine(const char* src, char* dst) { return refine(src, dst, 0, detail::is_dec_digit); }
char* oct_refine(const char* src, char* dst) { return refine(src, dst, 0, detail::is_oct_digit); }
char* hex_refine(const char* src, char* dst) { return refine(src, dst, 0, detail::is_hex_digit); }

// The sign, or the "0x" prefix, is kept as it stands; a text shorter than
// that is kept whole rather than read past its end.
char* dec_refine_signed(const char* src, char* dst) {
    return refine(src, dst, 1, detail::is_dec_digit);
}
char* C_hex_refine(const char* src, char* dst) {
    return refine(src, dst, 2, detail::is_hex_digit);
}

}  // namespace engine
