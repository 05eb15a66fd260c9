// The settings of the running program and the commands that only change them.
#include "controller/controller.h"
#include "controller/internal.h"
#include "controller/messages.h"

namespace controller {

namespace {

// The 32-bit length and its octal and hexadecimal digit counts: the lengths
// at process start and after Reload default settings.
constexpr int default_len = 32;
constexpr int default_l_oct = 11;
constexpr int default_l_hex = 8;

}  // namespace

// Start-up values: every flag 0, the 32-bit length with its digit counts.
// The main window's initialisation then picks decimal base, unsigned mode.
int dec = 0, bin = 0, oct = 0, hex = 0;
int us = 0, ones = 0, twos = 0;
int len = default_len, l_oct = default_l_oct, l_hex = default_l_hex;
int max_len = default_len;
int C_hex = 0, C_small = 0;
int ne = 0;
int em = 0;

void reset_process_state() {
    dec = bin = oct = hex = 0;
    us = ones = twos = 0;
    len = default_len;
    l_oct = default_l_oct;
    l_hex = default_l_hex;
    max_len = default_len;
    C_hex = C_small = 0;
    ne = 0;
    em = 0;
}

namespace {

// Labels of the number box and the three result boxes, in the order in which
// Convert fills the boxes; indexed by Base (dec, bin, oct, hex).
constexpr const char* labels[4][4] = {
    {"Dec", "Bin", "Oct", "Hex"},
    {"Bin", "Dec", "Oct", "Hex"},
    {"Oct", "Dec", "Bin", "Hex"},
    {"Hex", "Dec", "Bin", "Oct"},
};

void write_labels(Window& w, Base base) {
    const char* const* row = labels[static_cast<int>(base)];
    w.set_text(label_number, row[0]);
    w.set_text(label_result1, row[1]);
    w.set_text(label_result2, row[2]);
    w.set_text(label_result3, row[3]);
}

void load_default_settings() {
    dec = 1;
    bin = hex = oct = 0;
    us = 1;
    ones = twos = 0;
    len = default_len;
    l_oct = default_l_oct;
    l_hex = default_l_hex;
}

}  // namespace

const char* base_name(Base base) { return labels[static_cast<int>(base)][0]; }

void clear_results(Window& w) {
    w.set_text(result_box1, text::no_result);
    w.set_text(result_box2, text::no_result);
    w.set_text(result_box3, text::no_result);
}

void init_main_window(Window& w) {
    dec = 1;
    us = 1;
    C_hex = 0;
    C_small = 0;
    refresh(w);
    write_labels(w, Base::dec);
}

void update_lens(int new_len) {
    len = new_len;
    l_hex = new_len / 4 + (new_len % 4 != 0 ? 1 : 0);
    l_oct = new_len / 3 + (new_len % 3 != 0 ? 1 : 0);
}

int value_bits() { return len > 32 ? 64 : 32; }
int box_chars() { return len > 32 ? wide_box_chars : number_box_chars; }
int box_size() { return box_chars() + 1; }

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
    static constexpr struct {
        int command;
        int selector;
    } items[] = {
        {menu_error_0x01, error_info_0x01}, {menu_error_0x02, error_info_0x02},
        {menu_error_0x03, error_info_0x03}, {menu_error_0x04, error_info_0x04},
        {menu_error_0xFF, error_info_0xFF},
    };
    for (const auto& item : items) {
        if (item.command == command) em = item.selector;
    }
}

}  // namespace controller
