// The browser edition's door into the controller: plain C functions that the
// page's script calls. The page only presents; every decision about a number
// (classification, errors, corrections, lengths, ranges) is taken here by the
// controller, over one in-memory main window.
//
// Texts cross the boundary through one fixed buffer (page -> module) and as
// pointers to NUL-terminated texts that stay valid until the next call
// (module -> page). Both sides use one byte per character.
#include <cstring>

#include "controller/controller.h"
#include "controller/headless.h"
#include "controller/length_tools.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define QNS_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define QNS_EXPORT extern "C"
#endif

namespace {

using controller::Base;
using controller::Error;
using controller::MemoryWindow;
using controller::Mode;
using controller::Outcome;

// The text the page hands over: the number box (the controller reads 48
// characters of it, 80 at lengths above 32) or a typed length.
constexpr int input_size = MemoryWindow::text_size;
char input[input_size];

// The buffer as a text: the page writes at most input_size - 1 bytes and a
// NUL, and the last byte is forced to NUL whatever it wrote.
const char* typed() {
    input[input_size - 1] = '\0';
    return input;
}

MemoryWindow main_window;
Outcome last;  // the outcome that a Yes answers

// The three modes side by side: one window each, converted without questions.
MemoryWindow side[3];
Outcome side_outcome[3];

controller::ValidRanges ranges;

int code_of(const Outcome& o) { return o.converted ? 0 : static_cast<int>(o.error); }

Base current_base() {
    if (controller::bin) return Base::bin;
    if (controller::oct) return Base::oct;
    if (controller::hex) return Base::hex;
    return Base::dec;
}

Mode current_mode() {
    if (controller::ones) return Mode::ones;
    if (controller::twos) return Mode::twos;
    return Mode::us;
}

controller::Settings current_settings() {
    controller::Settings s;
    s.base = current_base();
    s.mode = current_mode();
    s.length = controller::len;
    s.prefix_0x = controller::C_hex == 1;
    s.lower = controller::C_small == 1;
    return s;
}

}  // namespace

// ---- Texts in and out -------------------------------------------------------------

QNS_EXPORT char* qns_input() { return input; }
QNS_EXPORT int qns_input_size() { return input_size; }

// 0: the number box; 1..3: the result boxes; 4..7: the labels of the number
// box and of the result boxes 1..3.
QNS_EXPORT const char* qns_box(int which) {
    if (which == 0) return main_window.number;
    if (which >= 1 && which <= 3) return main_window.results[which - 1];
    if (which >= 4 && which <= 7) return main_window.labels[which - 4];
    return "";
}

// 0 base (0 dec, 1 bin, 2 oct, 3 hex), 1 mode (0 unsigned, 1 1s, 2 2s),
// 2 len, 3 l_oct, 4 l_hex, 5 "0x" prefix, 6 small letters.
QNS_EXPORT int qns_setting(int which) {
    switch (which) {
        case 0: return static_cast<int>(current_base());
        case 1: return static_cast<int>(current_mode());
        case 2: return controller::len;
        case 3: return controller::l_oct;
        case 4: return controller::l_hex;
        case 5: return controller::C_hex;
        case 6: return controller::C_small;
        default: return 0;
    }
}

// ---- Commands of the main window -----------------------------------------------

QNS_EXPORT void qns_start() {
    main_window.answer = controller::Answer::cancel;  // the page asks each question itself
    controller::init_main_window(main_window);
    controller::apply(main_window, current_settings());  // and with it the 64-bit lengths
    last = Outcome{};
}

// The longest length the page offers, and the characters the number box
// reads at the current length.
QNS_EXPORT int qns_max_length() { return controller::max_len; }
QNS_EXPORT int qns_box_chars() { return controller::box_chars(); }
// The bits of the values at the current length (32 up to 32, else 64), as
// the valid-range view names them.
QNS_EXPORT int qns_value_bits() { return controller::value_bits(); }

QNS_EXPORT void qns_set_base(int base) {
    if (base >= 0 && base <= 3) controller::set_base(main_window, static_cast<Base>(base));
}

QNS_EXPORT void qns_set_mode(int mode) {
    if (mode >= 0 && mode <= 2) controller::set_mode(static_cast<Mode>(mode));
}

// A standard length, or one taken from a link; the page offers 1..64.
QNS_EXPORT void qns_set_length(int bits) {
    if (bits >= 1 && bits <= controller::max_len) controller::update_lens(bits);
}

// Define length: the typed text in the input buffer. Returns the length set,
// or 0 when it is refused (the length is then unchanged).
QNS_EXPORT int qns_define_length() {
    const int n = controller::accepted_length(typed(), controller::max_len);
    if (n != 0) controller::update_lens(n);
    return n;
}

// Auto-detect on the input buffer. Returns the length proposed for
// confirmation, or 0 when refused (decimal base); qns_too_big() then tells
// whether the number needs more than 64 bits (the proposal is the longest
// length). Nothing changes until the page confirms with qns_set_length.
QNS_EXPORT int qns_propose_length() { return controller::propose_length(main_window, typed()); }
QNS_EXPORT int qns_too_big() { return main_window.refused_too_big ? 1 : 0; }

QNS_EXPORT void qns_toggle_prefix() { controller::toggle_C_hex(main_window); }
QNS_EXPORT void qns_toggle_lower() { controller::toggle_C_small(main_window); }
QNS_EXPORT void qns_reload_defaults() { controller::reload_defaults(main_window); }
QNS_EXPORT void qns_refresh() { controller::refresh(main_window); }
QNS_EXPORT void qns_refresh_and_reload() { controller::refresh_and_reload(main_window); }

// Refine input and Remove sign on the input buffer; the new number box text
// is qns_box(0). The result boxes keep what they show.
QNS_EXPORT void qns_refine() {
    std::strcpy(main_window.number, typed());  // both hold text_size bytes
    controller::refine(main_window);
}

QNS_EXPORT void qns_remove_sign() {
    std::strcpy(main_window.number, typed());
    controller::remove_sign(main_window);
}

// Convert the input buffer. Returns 0 when converted, otherwise the error
// number left standing (1..4). For 2 and 4 the page asks its question and
// calls qns_answer_yes on Yes.
QNS_EXPORT int qns_convert() {
    last = controller::convert(main_window, typed());
    return code_of(last);
}

QNS_EXPORT int qns_answer_yes() {
    last = controller::answer_yes(main_window, last);
    return code_of(last);
}

// After error 0x03 at a length up to 32: 1 when a length above 32 takes the
// number (the page says how to get there).
QNS_EXPORT int qns_wider_fits() { return last.wider_fits ? 1 : 0; }
QNS_EXPORT const char* qns_wider_hint() { return controller::wider_hint; }

// ---- The three modes side by side -------------------------------------------------

// Converts the input buffer in each mode under the current base, length and
// options, answering every question No; the settings are left as they were.
QNS_EXPORT void qns_convert_all_modes() {
    const controller::Settings keep = current_settings();
    for (int m = 0; m < 3; ++m) {
        controller::Settings s = keep;
        s.mode = static_cast<Mode>(m);
        side[m].answer = controller::Answer::no;
        controller::apply(side[m], s);
        side_outcome[m] = controller::convert(side[m], typed());
    }
    controller::apply(main_window, keep);
}

QNS_EXPORT int qns_side_error(int mode) { return mode >= 0 && mode <= 2 ? code_of(side_outcome[mode]) : 0; }

QNS_EXPORT const char* qns_side_box(int mode, int box) {
    if (mode < 0 || mode > 2 || box < 1 || box > 3) return "";
    return side[mode].results[box - 1];
}

// ---- Information -----------------------------------------------------------------

QNS_EXPORT const char* qns_error_summary(int e) {
    return e >= 1 && e <= 4 ? controller::error_summary(static_cast<Error>(e)) : "";
}

QNS_EXPORT const char* qns_error_hint(int e) {
    return e >= 1 && e <= 4 ? controller::error_hint(static_cast<Error>(e)) : "";
}

// The valid-range table at the current length: 0 length, 1 unsigned maximum,
// 2 and 3 1s complement, 4 and 5 2s complement, 6 binary, 7 octal and 8
// hexadecimal maximum.
QNS_EXPORT const char* qns_range(int field) {
    controller::valid_ranges(controller::len, controller::l_oct, controller::l_hex, &ranges);
    switch (field) {
        case 0: return ranges.length;
        case 1: return ranges.dec_max;
        case 2: return ranges.ones_min;
        case 3: return ranges.ones_max;
        case 4: return ranges.twos_min;
        case 5: return ranges.twos_max;
        case 6: return ranges.bin_max;
        case 7: return ranges.oct_max;
        case 8: return ranges.hex_max;
        default: return "";
    }
}
