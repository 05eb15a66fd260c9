// An independent model of the number engine, written with machine integers.
// The engine works on digit strings; the tests check it against this.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace model {

inline int l_oct(int len) { return (len + 2) / 3; }
inline int l_hex(int len) { return (len + 3) / 4; }

inline std::uint64_t mask(int bits) {
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

// v written as exactly count digits of base (2, 8, 10 or 16), upper case,
// keeping the low-order digits.
inline std::string fixed(std::uint64_t v, unsigned base, int count) {
    std::string s(count > 0 ? static_cast<std::size_t>(count) : 0u, '0');
    for (int i = count - 1; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[v % base];
        v /= base;
    }
    return s;
}

// The len-bit pattern of a signed value in 1s complement (a negative value is
// the inversion of its magnitude) or 2s complement (modulo 2^len).
inline std::uint64_t ones_pattern(std::int64_t v, int len) {
    return v >= 0 ? static_cast<std::uint64_t>(v) & mask(len)
                  : ~(static_cast<std::uint64_t>(-v) & mask(len)) & mask(len);
}
inline std::uint64_t twos_pattern(std::int64_t v, int len) {
    return static_cast<std::uint64_t>(v) & mask(len);
}

// The signed value of the low len bits of a pattern.
inline std::int64_t ones_value(std::uint64_t pattern, int len) {
    pattern &= mask(len);
    if ((pattern >> (len - 1)) & 1) return -static_cast<std::int64_t>(~pattern & mask(len));
    return static_cast<std::int64_t>(pattern);
}
inline std::int64_t twos_value(std::uint64_t pattern, int len) {
    pattern &= mask(len);
    if ((pattern >> (len - 1)) & 1)
        return static_cast<std::int64_t>(pattern) - static_cast<std::int64_t>(mask(len)) - 1;
    return static_cast<std::int64_t>(pattern);
}

// Value of a digit text in a base by machine arithmetic (digits assumed valid),
// kept modulo 2^64: callers check texts of at most 48 characters whose
// meaningful part fits.
inline std::uint64_t parse(const std::string& text, unsigned base) {
    std::uint64_t v = 0;
    for (char c : text) {
        unsigned d = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                     : c >= 'a' && c <= 'f' ? static_cast<unsigned>(c - 'a' + 10)
                                            : static_cast<unsigned>(c - 'A' + 10);
        v = v * base + d;
    }
    return v;
}

// Comparison by value of two digit texts of a base (letters in either case,
// any number of leading zeros): 0 equal, 1 first greater, 2 second greater.
// Texts whose value fits 64 bits compare as machine integers; longer ones as
// digit strings without their leading zeros: the longer string is greater,
// and strings of equal length compare digit by digit.
inline int compare(const std::string& a, const std::string& b, unsigned base) {
    auto significant = [](const std::string& t) {
        std::string s = t.substr(std::min(t.find_first_not_of('0'), t.size()));
        for (char& c : s) {
            if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
        }
        return s;
    };
    const std::string sa = significant(a);
    const std::string sb = significant(b);
    const std::size_t fits = base == 2 ? 64 : base == 8 ? 21 : base == 10 ? 19 : 16;
    if (sa.size() <= fits && sb.size() <= fits) {
        const std::uint64_t va = parse(sa, base);
        const std::uint64_t vb = parse(sb, base);
        return va == vb ? 0 : va > vb ? 1 : 2;
    }
    if (sa.size() != sb.size()) return sa.size() > sb.size() ? 1 : 2;
    const int c = sa.compare(sb);
    return c == 0 ? 0 : c > 0 ? 1 : 2;
}

}  // namespace model
