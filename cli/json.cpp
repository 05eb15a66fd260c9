// JSON strings for qns's json format.
#include "cli/json.h"

#include <cstdio>

namespace cli {

namespace {

// Length of a well-formed UTF-8 sequence at s (at most n bytes), or 0 when
// the bytes there are not one; then `*bad` is the length of the maximal
// ill-formed part to replace by one U+FFFD.
std::size_t utf8_sequence(const unsigned char* s, std::size_t n, std::size_t* bad) {
    const unsigned c = s[0];
    std::size_t need = 0;
    unsigned lo = 0x80, hi = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) need = 1;
    else if (c >= 0xE0 && c <= 0xEF) need = 2, lo = c == 0xE0 ? 0xA0 : 0x80, hi = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4) need = 3, lo = c == 0xF0 ? 0x90 : 0x80, hi = c == 0xF4 ? 0x8F : 0xBF;
    else return *bad = 1, 0;
    std::size_t i = 1;
    for (; i <= need; ++i) {
        if (i >= n) return *bad = i, 0;
        const unsigned b = s[i];
        const unsigned l = i == 1 ? lo : 0x80, h = i == 1 ? hi : 0xBF;
        if (b < l || b > h) return *bad = i, 0;
    }
    return i;
}

}  // namespace

void put_json(Record& r, const char* text, std::size_t length, const char* tail) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    r.put('"');
    for (std::size_t i = 0; i < length;) {
        const unsigned c = s[i];
        if (c >= 0x80) {
            std::size_t bad = 0;
            const std::size_t n = utf8_sequence(s + i, length - i, &bad);
            if (n > 0) {
                r.put(text + i, n);
                i += n;
            } else {
                r.put("\\ufffd");
                i += bad;
            }
            continue;
        }
        if (c == '"' || c == '\\') {
            r.put('\\');
            r.put(static_cast<char>(c));
        } else if (c < 0x20 || c == 0x7f) {
            char u[8];
            std::snprintf(u, sizeof u, "\\u%04x", c);
            r.put(u);
        } else {
            r.put(static_cast<char>(c));
        }
        ++i;
    }
    r.put(tail);
    r.put('"');
}

}  // namespace cli
