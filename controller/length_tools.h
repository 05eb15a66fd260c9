// What the length dialogs compute, kept apart from the dialogs so that it can
// be tested without a window.
#pragma once

namespace controller {

// The texts of the valid-range window at a length. At 32 bits they are the
// window's own fixed texts ("+2147483647" keeps its plus sign), and so are
// their 64-bit counterparts at 64; at other lengths signed bounds are in the
// platform's plain integer form.
struct ValidRanges {
    char length[4];
    char dec_max[24];     // unsigned: 0 to dec_max
    char ones_min[24];    // 1s complement
    char ones_max[24];
    char twos_min[24];    // 2s complement
    char twos_max[24];
    char bin_max[66];     // binary (all): 0 to bin_max
    char oct_max[24];     // octal (all)
    char hex_max[20];     // hexadecimal (all)
};

// Fills r for the calculation length len (1..64) and its digit counts.
void valid_ranges(int len, int l_oct, int l_hex, ValidRanges* r);

// The Define length dialog's test of a typed length: the text read as an
// unsigned number (empty or not a number reads as 0), then taken as a signed
// 32-bit value. Returns the length 1..32, or 0 when it must be refused.
int accepted_length(const char* typed);
// The same test for a front end whose lengths go up to `longest` (32 or 64).
int accepted_length(const char* typed, int longest);

// Texts of the Define length dialog's refusal note.
extern const char* const length_invalid_title;
extern const char* const length_invalid_text;

}  // namespace controller
