// The controller without a dialog: an in-memory main window and one Convert.
#include "controller/headless.h"

#include <cstdint>
#include <cstring>

#include "controller/internal.h"
#include "controller/messages.h"

namespace controller {

namespace {

// Bounded copy that always terminates. memchr stops at the terminator, so
// no byte past it is read.
void copy(char* dst, int size, const char* src) {
    const std::size_t room = size > 1 ? static_cast<std::size_t>(size - 1) : 0u;
    const void* end = std::memchr(src, '\0', room);
    const std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - src) : room;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

// The message texts of Convert with their errors. The commands pass these
// very arrays, so a text is recognised by its address first and by its
// content only when it is a copy.
struct KnownError {
    const char* text;
    Error error;
};
constexpr KnownError known_errors[] = {
    {text::error_0x01, Error::empty},
    {text::error_0x02, Error::invalid},
    {text::error_0x03, Error::out_of_range},
    {text::error_0x04, Error::sign},
};

}  // namespace

Error error_of(const char* t) {
    for (const KnownError& k : known_errors)
        if (t == k.text) return k.error;
    for (const KnownError& k : known_errors)
        if (std::strcmp(t, k.text) == 0) return k.error;
    return Error::none;
}

const char* error_summary(Error e) {
    switch (e) {
        case Error::empty: return "the number is empty";
        case Error::invalid: return "the number contains characters that are not digits of the input base";
        case Error::out_of_range:
            return value_bits() > 32 ? "the number is too big for 64 bits in this base and mode"
                                     : "the number is too big for 32 bits in this base and mode";
        case Error::sign: return "the number is signed, and only decimal input in 1s or 2s complement takes a sign";
        case Error::none: break;
    }
    return "";
}

const char* error_hint(Error e) {
    switch (e) {
        case Error::empty: return "give a value (after 0x, too)";
        case Error::invalid: return "remove the stray characters, or correct them automatically (Refine input)";
        case Error::out_of_range: return "give a smaller number, or change the base or mode";
        case Error::sign: return "remove the sign automatically (Remove sign), or choose 1s or 2s complement for decimal input";
        case Error::none: break;
    }
    return "";
}

const char* const wider_hint = "use a length above 32 for 64-bit numbers";

// ---- MemoryWindow ---------------------------------------------------------------

char* MemoryWindow::box(int control) {
    switch (control) {
        case number_box: return number;
        case result_box1: return results[0];
        case result_box2: return results[1];
        case result_box3: return results[2];
        case label_number: return labels[0];
        case label_result1: return labels[1];
        case label_result2: return labels[2];
        case label_result3: return labels[3];
        default: return nullptr;
    }
}

void MemoryWindow::get_text(int control, char* buf, int limit) {
    if (limit < 1) return;
    const char* src = box(control);
    copy(buf, limit, src ? src : "");
}

void MemoryWindow::set_text(int control, const char* t) {
    char* dst = box(control);
    if (dst == nullptr) return;
    if (control == number_box && correcting_) {
        // The write that follows a Yes is the correction the Yes asked for.
        correcting_ = false;
        if (correction_count < max_corrections) {
            Correction& c = corrections[correction_count++];
            c.error = pending_;
            copy(c.before, sizeof c.before, number);
            copy(c.after, sizeof c.after, t);
        }
    }
    copy(dst, text_size, t);
    if (dst == labels[0] || dst == labels[1] || dst == labels[2] || dst == labels[3]) find_bases();
}

void MemoryWindow::find_bases() {
    for (int b = 0; b < 4; ++b) {
        box_of_[b] = -1;
        for (int i = 0; i < 4 && box_of_[b] < 0; ++i)
            if (std::strcmp(labels[i], base_name(static_cast<Base>(b))) == 0) box_of_[b] = static_cast<signed char>(i);
    }
}

void MemoryWindow::set_int(int control, int value, bool is_signed) {
    char buf[decimal_size];
    set_text(control, decimal_text(static_cast<std::uint32_t>(value), is_signed, 32, buf));
}

Answer MemoryWindow::message(const char* t, const char*, MessageStyle style) {
    // Convert's errors are the messages of every run: they are told first.
    const Error e = error_of(t);
    if (e == Error::none && std::strcmp(t, text::auto_detect_decimal) == 0) {
        refused_decimal = true;
        return Answer::ok;
    }
    if (e == Error::none && std::strcmp(t, text::auto_detect_too_big) == 0) {
        refused_too_big = true;
        return Answer::ok;
    }
    if (e != Error::none && error_count < max_corrections + 1) errors[error_count++] = e;
    if (style != MessageStyle::question) return Answer::ok;
    if (answer == Answer::yes) {
        correcting_ = true;
        pending_ = e;
    }
    return answer;
}

void MemoryWindow::clear_record() {
    error_count = 0;
    correction_count = 0;
    refused_decimal = refused_too_big = false;
    correcting_ = false;
    pending_ = Error::none;
}

// ---- Settings and Convert ---------------------------------------------------------

namespace {

// A Convert that did not convert reported exactly one error, its last.
Outcome outcome_of(MemoryWindow& w) {
    Outcome o;
    o.converted = ne == 1;
    if (!o.converted && w.error_count > 0) o.error = w.errors[w.error_count - 1];
    if (o.error == Error::out_of_range && max_len > 32 && len <= 32) o.wider_fits = accepted_at(w, 64);
    return o;
}

}  // namespace

void apply(MemoryWindow& w, const Settings& s) {
    max_len = 64;
    set_base(w, s.base);
    set_mode(s.mode);
    update_lens(s.length);
    if ((C_hex == 1) != s.prefix_0x) toggle_C_hex(w);
    if ((C_small == 1) != s.lower) toggle_C_small(w);
}

Outcome convert(MemoryWindow& w, const char* t) {
    // The window program always has a base once its window is up; a front end
    // that converts before choosing one gets the window's start-up choice.
    // Without a base every text is invalid and a Yes would refine it forever.
    if (!dec && !bin && !oct && !hex) {
        set_base(w, Base::dec);
        set_mode(Mode::us);
    }
    w.clear_record();
    copy(w.number, MemoryWindow::text_size, t);
    start(w);
    return outcome_of(w);
}

Outcome answer_yes(MemoryWindow& w, Outcome last) {
    if (last.converted || (last.error != Error::sign && last.error != Error::invalid)) return last;
    w.clear_record();
    w.correcting_ = true;
    w.pending_ = last.error;
    if (last.error == Error::sign)
        remove_sign(w);
    else
        refine(w);
    w.correcting_ = false;
    start(w);
    return outcome_of(w);
}

const char* text_for(const MemoryWindow& w, Base base) {
    const int box = w.box_of_[static_cast<int>(base)];
    if (box < 0) return "";
    return box == 0 ? w.number : w.results[box - 1];
}

bool auto_length(MemoryWindow& w, const char* t) {
    w.clear_record();
    copy(w.number, MemoryWindow::text_size, t);
    const int old_len = len;
    auto_detect(w);
    if (w.refused_decimal) return false;
    if (w.refused_too_big) {
        update_lens(old_len);
        return false;
    }
    return true;
}

int propose_length(MemoryWindow& w, const char* t) {
    w.clear_record();
    copy(w.number, MemoryWindow::text_size, t);
    const int old_len = len;
    auto_detect(w);  // confirmed with Set: len holds what the dialog showed
    if (w.refused_decimal) return 0;
    const int proposed = len;
    update_lens(old_len);
    return proposed;
}

}  // namespace controller
