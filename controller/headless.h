// The controller without a dialog: the main window held in memory and one
// Convert of a text under given settings. The command-line converter and the
// web page use it; every decision about a number stays with the commands of
// controller.h, run exactly as the window program runs them.
#pragma once

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "controller/window.h"

namespace controller {

// The numbered errors of Convert.
enum class Error : int { none = 0, empty = 1, invalid = 2, out_of_range = 3, sign = 4 };

// Which error a message text of Convert is; none for any other text.
Error error_of(const char* message_text);

// Short texts for front ends where the message boxes' long texts do not fit:
// what is wrong, and how to put it right.
// The summary of 0x03 names the value width of the current length.
const char* error_summary(Error e);
const char* error_hint(Error e);
// For 0x03 at a length up to 32 of a number that a length above 32 takes.
extern const char* const wider_hint;

// The settings that a front end chooses.
struct Settings {
    Base base = Base::dec;
    Mode mode = Mode::us;
    int length = 32;       // 1..64 (the 64-bit range above 32)
    bool prefix_0x = false;  // hexadecimal results with "0x"
    bool lower = false;      // hexadecimal results in lower case
};

// The outcome of one Convert.
struct Outcome {
    bool converted = false;
    Error error = Error::none;  // the error left standing when not converted
    // Error 0x03 at a length up to 32, for a number that a length above 32
    // would take.
    bool wider_fits = false;
};

// One correction applied after a Yes: the number box before and after it.
struct Correction {
    Error error = Error::none;  // Error::sign (Remove sign) or Error::invalid (Refine input)
    char before[wide_box_size] = {};
    char after[wide_box_size] = {};
};

// The main window in memory: the number box, the three result boxes and the
// four labels, the questions' answer, and what the last Convert showed.
class MemoryWindow final : public Window {
public:
    static constexpr int text_size = 96;  // any box text; results are at most 66 characters
    static constexpr int max_corrections = 2 * wide_box_chars + 2;

    // The button pressed in every question of Convert (Yes, No or Cancel).
    Answer answer = Answer::no;

    char number[text_size] = {};
    char results[3][text_size] = {};
    char labels[4][text_size] = {};  // number box, then result boxes 1..3 (written by set_text)

    // What the last convert() showed: the errors in the order they were
    // reported, and the corrections that Yes answers applied.
    Error errors[max_corrections + 1] = {};
    int error_count = 0;
    Correction corrections[max_corrections] = {};
    int correction_count = 0;
    // The auto-detect notes of the last auto_length() call.
    bool refused_decimal = false;
    bool refused_too_big = false;

    void get_text(int control, char* buf, int limit) override;
    void set_text(int control, const char* text) override;
    void set_int(int control, int value, bool is_signed) override;
    Answer message(const char* text, const char* title, MessageStyle style) override;
    void check_menu(int, bool) override {}
    int confirm_length() override { return 1; }  // Set

    void clear_record();

private:
    friend Outcome answer_yes(MemoryWindow& w, Outcome last);
    friend const char* text_for(const MemoryWindow& w, Base base);
    char* box(int control);
    void find_bases();
    bool correcting_ = false;  // a Yes was given; the next number box write is its correction
    Error pending_ = Error::none;
    // By Base, the box under that base's label (0 the number box, 1 to 3
    // the result boxes, -1 none), found again whenever a label is written:
    // labels change with the base, texts with every Convert.
    signed char box_of_[4] = {-1, -1, -1, -1};
};

// Makes the settings those of s: base (with its labels), mode, length and the
// two hexadecimal options; lengths up to 64 are offered from then on.
void apply(MemoryWindow& w, const Settings& s);

// Types text into the number box (the caller keeps it to box_chars())
// and runs Convert with the window's answer for every question. Before any
// apply() it converts as the window does at start-up: decimal, unsigned.
Outcome convert(MemoryWindow& w, const char* text);

// For a front end that asks its user each question itself: run convert()
// with answer Cancel, show the question for the error left standing, and on
// Yes call this. It applies that error's correction and runs Convert again,
// as a Yes in the window program does; the window's answer still applies to
// any later question. Does nothing (returns the outcome unchanged) unless the
// error was 0x02 or 0x04.
Outcome answer_yes(MemoryWindow& w, Outcome last);

// The texts by base after a Convert: the number box for the input base, the
// result box under that base's label for the others. Indexed by Base.
const char* text_for(const MemoryWindow& w, Base base);

// Auto-detect on text under the current base: true when the length was set
// (then controller::len holds it), false when it was refused (decimal base,
// or more than max_len bits; see w.refused_decimal and w.refused_too_big), and
// the length is left as it was.
bool auto_length(MemoryWindow& w, const char* text);

// Auto-detect for a front end that confirms the length itself: the length
// that the confirmation would show for text under the current base (1..max_len,
// after the note on more bits; see w.refused_too_big), or 0 when
// auto-detect refuses the decimal base. Changes no setting.
int propose_length(MemoryWindow& w, const char* text);

}  // namespace controller
