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

// Result strings: up to 32 digits, the terminator and a spare.
constexpr int result_size = 34;

// Binary text of 2^31: 2s complement binary input of this value is shown as
// fixed text, whatever the length.
constexpr const char bin_two_pow_31[] = "10000000000000000000000000000000";

// Working state of one run; fresh for every run.
struct Run {
    char input[number_box_size] = {};
    char value[number_box_size] = {};  // signed decimal input without its sign
    char r1[result_size] = {};
    char r2[result_size] = {};
    char r3[result_size] = {};
    bool sign = false;      // the text begins with '+' or '-'
    bool plus = false;      // ... with '+' (decimal input only)
    bool valid = false;     // only characters of the base
    bool in_range = true;   // within the 32-bit range of base and mode
    bool empty = false;     // no number to convert
};

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
    const char* limit = "2147483648";
    if (us)
        limit = "4294967296";
    else if (twos && r.sign && !r.plus)
        limit = "2147483649";
    if (engine::dec_compare(digits, limit, 32) != 2) r.in_range = false;
}

void classify_bin(Run& r) {
    r.valid = engine::is_valid_bin(r.input) == 0;
    r.sign = engine::is_signed(r.input) == 1;
    // Out of range when more than 32 digits remain after the leading zeros.
    const char* p = r.input;
    while (*p == '0') ++p;
    if (std::strlen(p) > 32) r.in_range = false;
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
    if (engine::hex_compare(r.input, "FFFFFFFF", 32) == 1) r.in_range = false;
}

void classify_oct(Run& r) {
    r.valid = engine::is_valid_oct(r.input) == 0;
    r.sign = engine::is_signed(r.input) == 1;
    if (engine::oct_compare(r.input, "37777777777", 32) == 1) r.in_range = false;
}

// ---- Rows ------------------------------------------------------------------------
// Each row fills the result strings; the binary, hexadecimal and octal rows
// write the decimal result into the first box themselves.

void row_dec(Run& r) {
    ne = 1;
    if (us) {
        // Digits only, below 2^32: str_int is exact (leading zeros add 0).
        const auto v = static_cast<std::uint32_t>(engine::str_int(r.sign ? r.value : r.input));
        engine::dec_bin(v, len, r.r1);
        engine::dec_oct(v, l_oct, r.r2);
        engine::dec_hex(v, l_hex, r.r3);
        return;
    }
    // The sign stays in the text handed to the complement writers.
    if (ones)
        engine::ones_comp(r.input, len, r.r1);
    else
        engine::twos_comp(r.input, len, r.r1);
    engine::bin_oct(r.r1, r.r2, l_oct);
    engine::bin_hex(r.r1, r.r3, l_hex);
}

void row_bin(Window& w, Run& r) {
    ne = 1;
    // The typed digits go on as typed: neither padded nor cut to len. Text
    // longer than len is read by the complement readers as its last len
    // digits, the first of them the sign, like hexadecimal and octal input.
    // 2^31 has no 32-bit signed counterpart; in 2s complement it is shown as
    // fixed text, whatever the length.
    const bool most_negative = twos && engine::bin_compare(r.input, bin_two_pow_31, 32) == 0;
    int v = 0;
    if (us)
        engine::bin_dec(r.input, &v);
    else if (ones)
        engine::ones_comp_dec(r.input, &v, len);
    else if (!most_negative)
        engine::twos_comp_dec(r.input, &v, len);
    engine::bin_oct(r.input, r.r2, l_oct);
    engine::bin_hex(r.input, r.r3, l_hex);
    if (most_negative)
        w.set_text(result_box1, "-2147483648");
    else
        w.set_int(result_box1, v, !us);
}

// The decimal result of hexadecimal and octal input, whose binary expansion
// is in r2: unsigned, the text's own value; in the complement modes, the
// expansion cut to its last len digits, so that the sign is bit len - 1.
void decimal_from_expansion(Window& w, Run& r, int (*unsigned_value)(const char*, int*)) {
    int v = 0;
    if (us) {
        unsigned_value(r.input, &v);
        w.set_int(result_box1, v, false);
        return;
    }
    engine::bin_extract(r.r2, r.r1, len);
    if (ones)
        engine::ones_comp_dec(r.r1, &v, len);
    else
        engine::twos_comp_dec(r.r1, &v, len);
    w.set_int(result_box1, v, true);
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

Next run_once(Window& w) {
    ne = 0;
    Run r;

    w.get_text(number_box, r.input, number_box_size);
    if (r.input[0] == '\0') r.empty = true;

    if (dec)
        classify_dec(r);
    else if (bin)
        classify_bin(r);
    else if (hex)
        classify_hex(r);
    else if (oct)
        classify_oct(r);

    const bool accepted = dec ? (r.valid && r.in_range && !r.empty)
                              : (r.valid && r.in_range && !r.empty && !r.sign);
    if (accepted) {
        std::memset(r.r1, 0, sizeof r.r1);
        std::memset(r.r2, 0, sizeof r.r2);
        std::memset(r.r3, 0, sizeof r.r3);
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
