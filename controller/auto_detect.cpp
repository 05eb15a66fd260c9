// Length auto-detection: the width of the typed number, from its count of
// characters, confirmed by the user.
#include <cstring>

#include "controller/controller.h"
#include "controller/messages.h"
#include "engine/engine.h"

namespace controller {

int len_auto(Window& w) {
    // Read as wide as the longest length allows: the length is what is sought.
    char text[wide_box_size] = {};
    w.get_text(number_box, text, max_len > 32 ? wide_box_size : number_box_size);
    // Every character counts, invalid ones included: Convert reports those.
    const int n = static_cast<int>(std::strlen(text));
    if (bin) return n;
    // Eleven octal digits hold 32 bits (and 22 hold 64, where lengths go that far).
    if (oct) return n == 11 ? 32 : n == 22 && max_len > 32 ? 64 : 3 * n;
    if (hex) return engine::is_C_hex(text) == 0 ? 4 * n - 8 : 4 * n;
    return 0;  // the width of decimal text says nothing about its bits
}

bool auto_detect(Window& w) {
    if (!bin && !oct && !hex) {
        w.message(text::auto_detect_decimal, text::note_title, MessageStyle::information);
        return false;
    }
    const int old_len = len;
    len = len_auto(w);
    if (len < 1) len = 1;
    if (len > max_len) {
        w.message(text::auto_detect_too_big, text::note_title, MessageStyle::information);
        len = max_len;
    }
    // The dialog shows len; Cancel puts the old length back.
    if (w.confirm_length() == 0) len = old_len;
    update_lens(len);
    return true;
}

}  // namespace controller
