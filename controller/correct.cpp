// Corrections of the number box: Remove sign and Refine input. Convert uses
// them as well, after a Yes to error 0x04 or 0x02.
#include "controller/controller.h"
#include "engine/engine.h"

namespace controller {

namespace {

// An empty result would leave nothing to convert; the box shows "0" instead.
void write_number_box(Window& w, const char* text) {
    w.set_text(number_box, text[0] != '\0' ? text : "0");
}

}  // namespace

void remove_sign(Window& w) {
    char src[wide_box_size] = {};
    char dst[wide_box_size] = {};
    w.get_text(number_box, src, box_size());
    if (engine::is_signed(src) == 0) return;
    engine::extract_value_of_signed(src, dst);
    write_number_box(w, dst);
}

void refine(Window& w) {
    char src[wide_box_size] = {};
    char dst[wide_box_size] = {};
    w.get_text(number_box, src, box_size());
    // The filter follows the input base; the mode plays no part.
    if (bin)
        engine::bin_refine(src, dst);
    else if (dec)
        engine::is_signed(src) == 1 ? engine::dec_refine_signed(src, dst) : engine::dec_refine(src, dst);
    else if (hex)
        engine::is_C_hex(src) == 0 ? engine::C_hex_refine(src, dst) : engine::hex_refine(src, dst);
    else if (oct)
        engine::oct_refine(src, dst);
    write_number_box(w, dst);
}

}  // namespace controller
