// Texts as a person reads them on a terminal: every byte visible.
#pragma once

#include <cstddef>

namespace cli {

// Writes text for a person: printable ASCII as it is, a backslash as "\\",
// tab, CR and NUL as "\t", "\r", "\0", every other byte as "\xHH". Stops
// before the output would overflow, always terminates it, and returns the
// length written.
std::size_t display_text(const char* text, std::size_t length, char* out, std::size_t out_size);

// Whether display_text writes c as it is: printable ASCII but the backslash.
inline bool display_as_is(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7f && u != '\\';
}

}  // namespace cli
