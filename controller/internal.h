// What the controller's commands share and the front ends do not need.
#pragma once

#include <cstdint>

#include "controller/window.h"

namespace controller {

// Room for a 64-bit value in plain decimal with its sign and terminator.
constexpr int decimal_size = 24;

// Writes a value of `bits` (32 or 64) bits in plain decimal at the end of
// buf, read as signed (two's complement) or unsigned, and returns where the
// text begins. The magnitude is taken in unsigned arithmetic, so the most
// negative value has one too.
inline const char* decimal_text(std::uint64_t pattern, bool is_signed, int bits, char (&buf)[decimal_size]) {
    char* p = buf + decimal_size;
    *--p = '\0';
    const bool negative = is_signed && ((pattern >> (bits - 1)) & 1u) != 0;
    const std::uint64_t sign_extension = bits < 64 ? ~std::uint64_t{0} << bits : 0u;
    std::uint64_t m = negative ? std::uint64_t{0} - (pattern | sign_extension) : pattern;
    do {
        *--p = static_cast<char>('0' + m % 10u);
        m /= 10u;
    } while (m != 0);
    if (negative) *--p = '-';
    return p;
}

// Writes the no-result text into the three result boxes, in box order.
void clear_results(Window& w);

}  // namespace controller
