// What the length dialogs compute: the valid ranges at a length and the test
// of a typed length.
#include "controller/length_tools.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/engine.h"

namespace controller {

const char* const length_invalid_title = "Length invalid...!";
const char* const length_invalid_text =
    "\nThe length you entered is not vaild!                           \n\n"
    "Supported length for this version of program \nis from 1 to 32 bit.\n\n"
    "Please re-enter the length within the range \nspecified above.\n\n"
    "Or you can leave the length unchanged by \nclicking cancel.\n";

namespace {

template <std::size_t N>
void put(char (&dst)[N], const char* src) {
    std::snprintf(dst, N, "%s", src);
}

// A signed value held as its 64-bit two's complement pattern.
template <std::size_t N>
void put_signed(char (&dst)[N], std::uint64_t pattern) {
    std::snprintf(dst, N, "%lld", static_cast<long long>(static_cast<std::int64_t>(pattern)));
}

template <std::size_t N>
void put_unsigned(char (&dst)[N], std::uint64_t value) {
    std::snprintf(dst, N, "%llu", static_cast<unsigned long long>(value));
}

}  // namespace

void valid_ranges(int len, int l_oct, int l_hex, ValidRanges* r) {
    // The callers keep len in 1..64; the bounds keep the fixed fields safe
    // whatever they are given.
    if (len < 1) len = 1;
    if (len > 64) len = 64;
    if (l_oct < 1) l_oct = 1;
    if (l_oct > 22) l_oct = 22;
    if (l_hex < 1) l_hex = 1;
    if (l_hex > 16) l_hex = 16;

    put_unsigned(r->length, static_cast<std::uint32_t>(len));
    if (len == 32) {
        // The window's own texts; the upper bounds keep their plus signs.
        put(r->dec_max, "4294967295");
        put(r->ones_min, "-2147483647");
        put(r->ones_max, "+2147483647");
        put(r->twos_min, "-2147483648");
        put(r->twos_max, "+2147483647");
        put(r->bin_max, "11111111111111111111111111111111");
        put(r->oct_max, "37777777777");
        put(r->hex_max, "FFFFFFFF");
        return;
    }
    const std::uint64_t p = engine::pow(2, len - 1, engine::Bits::b64);
    const std::uint64_t u = engine::pow(2, len, engine::Bits::b64);  // 2^64 wraps to 0
    put_unsigned(r->dec_max, u - 1);
    put_signed(r->ones_min, 0u - (p - 1));
    put_signed(r->ones_max, p - 1);
    put_signed(r->twos_min, 0u - p);
    put_signed(r->twos_max, p - 1);

    std::memset(r->bin_max, '1', static_cast<std::size_t>(len));
    r->bin_max[len] = '\0';
    char work[24] = {};
    put(r->oct_max, engine::bin_oct(r->bin_max, work, l_oct));
    put(r->hex_max, engine::bin_hex(r->bin_max, work, l_hex));
    if (len == 64) {
        // The 64-bit range reads as the 32-bit one does: plus signs on top.
        put(r->ones_max, "+9223372036854775807");
        put(r->twos_max, "+9223372036854775807");
    }
}

int accepted_length(const char* typed) { return accepted_length(typed, 32); }

int accepted_length(const char* typed, int longest) {
    // Read as the platform reads an unsigned number from a box: blanks around
    // decimal digits; anything else, or more than 32 bits, reads as 0.
    const char* p = typed;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p < '0' || *p > '9') return 0;
    std::uint64_t v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + static_cast<std::uint64_t>(*p - '0');
        if (v > 0xFFFFFFFFu) return 0;
        ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '\0') return 0;
    // Taken as a signed 32-bit value: 4294967295 is -1 and refused like 0.
    const auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    if (n <= 0 || n > longest) return 0;
    return n;
}

}  // namespace controller
