// The Convert command: read the number box, classify it under the input base
// and mode, run one of the twelve conversion rows, write the three result
// boxes and report at most one error.
#include <cstdint>
#include <cstring>

#include "controller/controller.h"
#include "controller/internal.h"
#include "controller/messages.h"
#include "engine/engine.h"

namespace controller {

namespace {

using engine::Bits;
using engine::Value;

// Result strings: up to 64 digits, the terminator and a spare.
constexpr int result_size = 66;

// What decides the range of input at one value width: the decimal limits,
// one above the largest magnitude accepted; the most binary digits; the
// largest octal and hexadecimal texts; and 2^(bits-1), which 2s complement
// binary input shows as fixed text, whatever the length.
struct Range {
    Bits bits;
    const char* dec_unsigned;
    const char* dec_signed;
    const char* dec_twos_negative;
    std::size_t bin_digits;
    const char* oct_max;
    const char* hex_max;
    const char* bin_most_negative;
    const char* most_negative;
};

constexpr Range range32 = {Bits::b32, "4294967296", "2147483648", "2147483649", 32, "37777777777", "FFFFFFFF",
                           "10000000000000000000000000000000", "-2147483648"};
constexpr Range range64 = {Bits::b64, "18446744073709551616", "9223372036854775808", "9223372036854775809", 64,
                           "1777777777777777777777", "FFFFFFFFFFFFFFFF",
                           "1000000000000000000000000000000000000000000000000000000000000000",
                           "-9223372036854775808"};

const Range& range_at(int bits) { return bits > 32 ? range64 : range32; }

// Working state of one run; fresh for every run.
// Every string starts as the empty text and is only read as far as its
// terminator, so the buffers need no clearing beyond their first byte (which
// would cost more than the rest of a run).
struct Run {
    explicit Run(const Range& r) : range(r) { input[0] = value[0] = r1[0] = r2[0] = r3[0] = '\0'; }
    const Range& range;
    char input[wide_box_size];
    char value[wide_box_size];  // signed decimal input without its sign
    char r1[result_size];
    char r2[result_size];
    char r3[result_size];
    bool sign = false;      // the text begins with '+' or '-'
    bool plus = false;      // ... with '+' (decimal input only)
    bool valid = false;     // only characters of the base
    bool in_range = true;   // within the range of base and mode at the value width
    bool empty = false;     // no number to convert
};

// The decimal result box: at 32-bit values the platform writes the integer
// (as the window program always did); 64-bit values are written as text.
void put_decimal(Window& w, Value v, bool is_signed, Bits bits) {
    if (bits == Bits::b32) {
        w.set_int(result_box1, static_cast<int>(static_cast<std::uint32_t>(v)), is_signed);
        return;
    }
    char text[decimal_size];
    w.set_text(result_box1, decimal_text(v, is_signed, 64, text));
}

enum class Next { done, remove_sign, refine };

// ---- Classification --------------------------------------------------------------

void classify_dec(Run& r) {
    r.sign = engine::is_signed(r.input) == 1;
    if (r.sign) {
        r.plus = r.input[0] == '+';
        engine::extract_value_of_signed(r.input, r.value);
        if (r.value[0] == '\0') r.empty = true;
    }
    const char* digits = r.sign ? r.value : r.input;
    r.valid = engine::is_valid_dec(digits) == 1;
    if (!r.valid) return;
    // The limit is one above the largest magnitude accepted.
    const char* limit = r.range.dec_signed;
    if (us)
        limit = r.range.dec_unsigned;
    else if (twos && r.sign && !r.plus)
        limit = r.range.dec_twos_negative;
    if (engine::dec_compare(digits, limit, static_cast<int>(r.range.bits)) != 2) r.in_range = false;
}

void classify_bin(Run& r) {
    r.valid = engine::is_valid_bin(r.input) == 0;
    r.sign = engine::is_signed(r.input) == 1;
    // Out of range when more digits than the value's bits remain after the
    // leading zeros.
    const char* p = r.input;
    while (*p == '0') ++p;
    if (std::strlen(p) > r.range.bin_digits) r.in_range = false;
}

void classify_hex(Run& r) {
    r.valid = engine::is_valid_hex(r.input) == 0;
    r.sign = engine::is_signed(r.input) == 1;
    if (engine::is_C_hex(r.input) == 0) {
        r.valid = engine::is_valid_C_hex(r.input) == 0;
        if (r.valid && r.input[2] == '\0') r.empty = true;
        // The prefix goes from the working copy only; the box keeps it.
        if (r.valid && !r.empty) std::memmove(r.input, r.input + 2, std::strlen(r.input + 2) + 1);
    }
    if (engine::hex_compare(r.input, r.range.hex_max, static_cast<int>(r.range.bits)) == 1) r.in_range = false;
}

void classify_oct(Run& r) {
    r.valid = engine::is_valid_oct(r.input) == 0;
    r.sign = engine::is_signed(r.input) == 1;
    if (engine::oct_compare(r.input, r.range.oct_max, static_cast<int>(r.range.bits)) == 1) r.in_range = false;
}

// ---- Rows ------------------------------------------------------------------------
// Each row fills the result strings; the binary, hexadecimal and octal rows
// write the decimal result into the first box themselves.

void row_dec(Run& r) {
    ne = 1;
    const Bits bits = r.range.bits;
    if (us) {
        // Digits only, below 2^bits: str_int is exact (leading zeros add 0).
        const Value v = engine::str_int(r.sign ? r.value : r.input, bits);
        engine::dec_bin(v, len, r.r1, bits);
        engine::dec_oct(v, l_oct, r.r2, bits);
        engine::dec_hex(v, l_hex, r.r3, bits);
        return;
    }
    // The sign stays in the text handed to the complement writers.
    if (ones)
        engine::ones_comp(r.input, len, r.r1, bits);
    else
        engine::twos_comp(r.input, len, r.r1, bits);
    engine::bin_oct(r.r1, r.r2, l_oct);
    engine::bin_hex(r.r1, r.r3, l_hex);
}

void row_bin(Window& w, Run& r) {
    ne = 1;
    const Bits bits = r.range.bits;
    // The typed digits go on as typed: neither padded nor cut to len. Text
    // longer than len is read by the complement readers as its last len
    // digits, the first of them the sign, like hexadecimal and octal input.
    // 2^(bits-1) has no signed counterpart of the width; in 2s complement it
    // is shown as fixed text, whatever the length.
    const bool most_negative =
        twos && engine::bin_compare(r.input, r.range.bin_most_negative, static_cast<int>(bits)) == 0;
    Value v = 0;
    if (us)
        v = engine::bin_dec(r.input, bits);
    else if (ones)
        engine::ones_comp_dec(r.input, &v, len, bits);
    else if (!most_negative)
        engine::twos_comp_dec(r.input, &v, len, bits);
    engine::bin_oct(r.input, r.r2, l_oct);
    engine::bin_hex(r.input, r.r3, l_hex);
    if (most_negative)
        w.set_text(result_box1, r.range.most_negative);
    else
        put_decimal(w, v, !us, bits);
}

// The decimal result of hexadecimal and octal input, whose binary expansion
// is in r2: unsigned, the text's own value; in the complement modes, the
// expansion cut to its last len digits, so that the sign is bit len - 1.
void decimal_from_expansion(Window& w, Run& r, Value (*unsigned_value)(const char*, Bits)) {
    const Bits bits = r.range.bits;
    Value v = 0;
    if (us) {
        put_decimal(w, unsigned_value(r.input, bits), false, bits);
        return;
    }
    engine::bin_extract(r.r2, r.r1, len);
    if (ones)
        engine::ones_comp_dec(r.r1, &v, len, bits);
    else
        engine::twos_comp_dec(r.r1, &v, len, bits);
    put_decimal(w, v, true, bits);
}

void row_hex(Window& w, Run& r) {
    ne = 1;
    engine::hex_bin(r.input, r.r2, l_hex);
    engine::bin_oct(r.r2, r.r3, l_oct);
    decimal_from_expansion(w, r, engine::hex_dec);
}

void row_oct(Window& w, Run& r) {
    ne = 1;
    engine::oct_bin(r.input, r.r2, len);
    engine::bin_hex(r.r2, r.r3, l_hex);
    decimal_from_expansion(w, r, engine::oct_dec);
}

// ---- One run ---------------------------------------------------------------------

// Reads the number box (read_size: its characters and the terminator) and
// classifies its text under the input base at the run's value width.
// Returns whether Convert takes it.
bool classify(Window& w, Run& r, int read_size) {
    w.get_text(number_box, r.input, read_size);
    if (r.input[0] == '\0') r.empty = true;

    if (dec)
        classify_dec(r);
    else if (bin)
        classify_bin(r);
    else if (hex)
        classify_hex(r);
    else if (oct)
        classify_oct(r);

    return dec ? (r.valid && r.in_range && !r.empty) : (r.valid && r.in_range && !r.empty && !r.sign);
}

Next run_once(Window& w) {
    ne = 0;
    Run r(range_at(value_bits()));
    const bool accepted = classify(w, r, box_size());
    if (accepted) {
        if (dec) {
            // A "-" in unsigned mode has no row: it is reported as 0x04.
            if (!(us && r.sign && !r.plus)) row_dec(r);
        } else if (bin) {
            row_bin(w, r);
        } else if (hex) {
            row_hex(w, r);
        } else if (oct) {
            row_oct(w, r);
        }
    }

    if (ne == 1) {
        if (dec) w.set_text(result_box1, r.r1);
        w.set_text(result_box2, r.r2);
        w.set_text(result_box3, r.r3);
        // The third box holds the hexadecimal result except for hexadecimal input.
        if (!hex) {
            if (C_hex) do_C_hex(w);
            if (C_small) do_C_small(w);
        }
    } else {
        clear_results(w);
    }

    if (r.empty) {
        w.message(text::error_0x01, text::error_title, MessageStyle::information);
        return Next::done;
    }
    if (r.sign && ((dec && us && !r.plus) || !dec)) {
        const Answer a = w.message(text::error_0x04, text::error_title, MessageStyle::question);
        return a == Answer::yes ? Next::remove_sign : Next::done;
    }
    if (!r.valid) {
        const Answer a = w.message(text::error_0x02, text::error_title, MessageStyle::question);
        return a == Answer::yes ? Next::refine : Next::done;
    }
    if (!r.in_range) {
        w.message(text::error_0x03, text::error_title, MessageStyle::information);
    }
    return Next::done;
}

}  // namespace

bool accepted_at(Window& w, int bits) {
    Run r(range_at(bits));
    // Read as a length of that width reads the box; a "-" in unsigned
    // decimal mode is refused by its own error.
    return classify(w, r, bits > 32 ? wide_box_size : number_box_size) && !(dec && us && r.sign && !r.plus);
}

void start(Window& w) {
    // A Yes to 0x02 or 0x04 corrects the number box and converts again from
    // the start. Each correction needs a fresh Yes and makes the text
    // shorter or leaves only characters of the base, so the loop ends.
    for (;;) {
        switch (run_once(w)) {
            case Next::done:
                return;
            case Next::remove_sign:
                remove_sign(w);
                break;
            case Next::refine:
                refine(w);
                break;
        }
    }
}

}  // namespace controller
