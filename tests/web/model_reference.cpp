// The tests' integer model (tests/convert_model.cpp) for the browser
// edition's tests: compiled to a Node.js script, so that the module's and the
// page's tests take their expected values from the same model as the native
// tests, at every length from 1 to 64. reference.js drives it.
//
// Texts come in through two buffers written one byte per character, as the
// page writes the module's; texts go out as pointers that stay valid until
// the next call.
#include <array>
#include <string>
#include <vector>

#include "convert_model.h"
#include "model.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define REF_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define REF_EXPORT extern "C"
#endif

namespace {

using expect::Base;
using expect::Mode;

char text_in[256];
char answers_in[16];
std::string out[3];
std::string number_out;
std::string text_out;
std::vector<int> errors_out;
int wider = 0;

std::string typed() {
    text_in[sizeof text_in - 1] = '\0';
    return text_in;
}

Base base_of(int b) { return static_cast<Base>(b >= 0 && b <= 3 ? b : 0); }

expect::Settings settings(int base, int mode, int len, int prefix, int lower) {
    expect::Settings s;
    s.base = base_of(base);
    s.mode = static_cast<Mode>(mode >= 0 && mode <= 2 ? mode : 0);
    s.len = len >= 1 && len <= 64 ? len : 32;
    s.c_hex = prefix != 0;
    s.c_small = lower != 0;
    return s;
}

void keep(const std::array<std::string, 3>& boxes) {
    for (int i = 0; i < 3; ++i) out[i] = boxes[static_cast<std::size_t>(i)];
}

}  // namespace

REF_EXPORT char* ref_text() { return text_in; }
REF_EXPORT int ref_text_size() { return sizeof text_in; }
REF_EXPORT char* ref_answers() { return answers_in; }
REF_EXPORT int ref_answers_size() { return sizeof answers_in; }

// Convert with the answers in the answers buffer: returns how many errors
// were shown (ref_error), the boxes in ref_box, the number box in ref_number.
// ref_wider tells whether the page must show the way to a 64-bit length: the
// last error is 0x03 at a length up to 32, and the number box, read as a
// 64-bit length reads it, converts at 64 bits.
REF_EXPORT int ref_convert(int base, int mode, int len, int prefix, int lower) {
    answers_in[sizeof answers_in - 1] = '\0';
    const expect::Settings s = settings(base, mode, len, prefix, lower);
    const expect::Outcome o = expect::convert(s, typed(), answers_in);
    keep(o.boxes);
    number_out = o.number_box;
    errors_out = o.errors;
    expect::Settings at64 = s;
    at64.len = 64;
    wider = s.len <= 32 && !o.errors.empty() && o.errors.back() == 3 &&
            expect::convert_once(at64, o.number_box).error == 0;
    return static_cast<int>(errors_out.size());
}
REF_EXPORT int ref_error(int i) { return i >= 0 && i < static_cast<int>(errors_out.size()) ? errors_out[i] : 0; }
REF_EXPORT const char* ref_number() { return number_out.c_str(); }
REF_EXPORT int ref_wider() { return wider; }

// One Convert, questions unanswered: returns the error (0 none).
REF_EXPORT int ref_convert_once(int base, int mode, int len, int prefix, int lower) {
    const expect::Run r = expect::convert_once(settings(base, mode, len, prefix, lower), typed());
    keep(r.boxes);
    return r.error;
}
REF_EXPORT const char* ref_box(int i) { return i >= 0 && i < 3 ? out[i].c_str() : ""; }

REF_EXPORT const char* ref_refine(int base, int len) {
    text_out = expect::refine(base_of(base), typed(), len);
    return text_out.c_str();
}

REF_EXPORT const char* ref_remove_sign(int len) {
    text_out = expect::remove_sign(typed(), len);
    return text_out.c_str();
}

REF_EXPORT int ref_detected_length(int base, int longest) { return expect::detected_length(base_of(base), typed(), longest); }
REF_EXPORT int ref_accepted_length(int longest) { return expect::accepted_length(typed(), longest); }

// Field 0..7 of the valid-range view at len (1..64).
REF_EXPORT const char* ref_range(int len, int field) {
    if (len < 1 || len > 64 || field < 0 || field > 7) return "";
    text_out = expect::valid_ranges(len)[static_cast<std::size_t>(field)];
    return text_out.c_str();
}

REF_EXPORT int ref_l_oct(int len) { return model::l_oct(len); }
REF_EXPORT int ref_l_hex(int len) { return model::l_hex(len); }

REF_EXPORT const char* ref_label(int base, int i) {
    if (i < 0 || i > 3) return "";
    text_out = expect::labels(base_of(base))[static_cast<std::size_t>(i)];
    return text_out.c_str();
}
