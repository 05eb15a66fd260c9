// Display escapes for the numbers and option values that messages quote.
#include "cli/display.h"

#include <cstdio>
#include <cstring>

namespace cli {

std::size_t display_text(const char* text, std::size_t length, char* out, std::size_t out_size) {
    if (out_size == 0) return 0;
    std::size_t o = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (display_as_is(text[i])) {  // nearly every character
            if (o + 1 >= out_size) break;
            out[o++] = text[i];
            continue;
        }
        char piece[8];
        std::size_t n = 2;
        if (c == '\\') piece[0] = '\\', piece[1] = '\\';
        else if (c == '\t') piece[0] = '\\', piece[1] = 't';
        else if (c == '\r') piece[0] = '\\', piece[1] = 'r';
        else if (c == '\0') piece[0] = '\\', piece[1] = '0';
        else n = static_cast<std::size_t>(std::snprintf(piece, sizeof piece, "\\x%02X", c));
        if (o + n >= out_size) break;
        std::memcpy(out + o, piece, n);
        o += n;
    }
    out[o] = '\0';
    return o;
}

}  // namespace cli
