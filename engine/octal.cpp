// Octal text: validation, conversion into a binary digit string of a bit
// count, value and comparison.
#include "engine/engine.h"
#include "engine/internal.h"

namespace engine {

int is_valid_oct(const char* text) { return detail::all_digits(text, detail::is_oct_digit) ? 0 : 1; }

// The leading digit's group begins before the first bit when bits is not a
// multiple of 3; its top bits are dropped.
char* oct_bin(const char* oct, char* out, int bits) { return detail::expand(oct, out, detail::width_of(bits), 3); }

int oct_dec(const char* oct, int* value) { return detail::positional_value(oct, 3, value); }

Value oct_dec(const char* oct, Bits bits) { return detail::positional_value(oct, 3, bits); }

int oct_compare(const char* a, const char* b, int width) {
    return detail::compare_by_value<detail::num_of>(a, b, width);
}

}  // namespace engine
