// The settings of the running program and the commands that only change them.
#include "controller/controller.h"
#include "controller/messages.h"

namespace controller {

// Start-up values: every flag 0, the 32-bit length with its digit counts.
// The main window's initialisation then picks decimal base, unsigned mode.
int dec = 0, bin = 0, oct = 0, hex = 0;
int us = 0, ones = 0, twos = 0;
int len = 32, l_oct = 11, l_hex = 8;
int C_hex = 0, C_small = 0;
int ne = 0;
int em = 0;

void reset_process_state() {
    dec = bin = oct = hex = 0;
    us = ones = twos = 0;
    len = 32;
    l_oct = 11;
    l_hex = 8;
    C_hex = C_small = 0;
    ne = 0;
    em = 0;
}

namespace {

// The label texts follow the order in which Convert fills the result boxes.
void write_labels(Window& w, Base base) {
    // Labels of the number box and the three result boxes, in the order in
    // which Convert fills the boxes; indexed by Base (dec, bin, oct, hex).
    static const char* const labels[4][4] = {
        {"Dec", "Bin", "Oct", "Hex"},
        {"Bin", "Dec", "Oct", "Hex"},
        {"Oct", "Dec", "Bin", "Hex"},
        {"Hex", "Dec", "Bin", "Oct"},
    };
    const char* const* row = labels[static_cast<int>(base)];
    w.set_text(label_number, row[0]);
    w.set_text(label_result1, row[1]);
    w.set_text(label_result2, row[2]);
    w.set_text(label_result3, row[3]);
}

void clear_results(Window& w) {
    w.set_text(result_box1, text::no_result);
    w.set_text(result_box2, text::no_result);
    w.set_text(result_box3, text::no_result);
}

void load_default_settings() {
    dec = 1;
    bin = hex = oct = 0;
    us = 1;
    ones = twos = 0;
    len = 32;
    l_oct = 11;
    l_hex = 8;
}

}  // namespace

void init_main_window(Window& w) {
    dec = 1;
    us = 1;
    C_hex = 0;
    C_small = 0;
    w.set_int(number_box, 0, false);
    clear_results(w);
    write_labels(w, Base::dec);
    clear_results(w);
}

void update_lens(int new_len) {
    len = new_len;
    l_hex = new_len / 4 + (new_len % 4 != 0 ? 1 : 0);
    l_oct = new_len / 3 + (new_len % 3 != 0 ? 1 : 0);
}

void set_base(Window& w, Base base) {
    dec = base == Base::dec;
    bin = base == Base::bin;
    hex = base == Base::hex;
    oct = base == Base::oct;
    write_labels(w, base);
}

void set_mode(Mode mode) {
    us = mode == Mode::us;
    ones = mode == Mode::ones;
    twos = mode == Mode::twos;
}

void reload_defaults(Window& w) {
    load_default_settings();
    write_labels(w, Base::dec);
}

void refresh(Window& w) {
    w.set_int(number_box, 0, false);
    clear_results(w);
}

void refresh_and_reload(Window& w) {
    load_default_settings();
    refresh(w);
    write_labels(w, Base::dec);
}

void select_error_info(int command) {
    switch (command) {
        case 111: em = 1; break;
        case 112: em = 2; break;
        case 113: em = 3; break;
        case 114: em = 4; break;
        case 115: em = 1616; break;  // the 0xFF text
        default: break;
    }
}

}  // namespace controller
