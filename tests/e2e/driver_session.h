// The main window together with what the driver knows it must show: the
// settings that the commands so far have chosen, and the checks of what the
// window shows against them.
#pragma once

#include <array>
#include <string>

#include "convert_model.h"
#include "driver_ui.h"

namespace e2e {

class Session {
public:
    Session(Ui& ui, Report& r) : ui(ui), r(r) {}

    Ui& ui;
    Report& r;
    expect::Settings s;  // what the program's settings must be now

    void context(const std::string& c) {
        r.context(c);
        progress(c);
    }

    // Settings through the menu, as a user chooses them. A length without a
    // standard item goes through the Define length dialog.
    void set_base(expect::Base b);
    void set_mode(expect::Mode m);
    void set_len(int len);
    void set_options(bool c_hex, bool c_small);
    void apply(const expect::Settings& to);

    // Status line, labels, radio and check marks against the settings.
    void check_state();
    // The three lengths as the View current lengths dialog shows them.
    void check_view_lengths();

    // Types a text and converts it, answering each question with the next
    // answer ('Y', 'N', 'C', 'E' for the Escape key, 'X' for the close box).
    // Checks every message and the boxes against the model; returns what the
    // boxes show.
    std::array<std::string, 3> convert(const std::string& input, const std::string& answers = "");

    std::array<std::string, 3> results();
    bool results_match(const std::array<std::string, 3>& got, const std::array<std::string, 3>& want);

    // Checks a message box of the program: title, text, icon and buttons.
    void check_box(const Modal& m, const std::string& title, const std::string& text, Icon icon,
                   std::initializer_list<int> buttons, const std::string& what);

    // A secondary window's frame: a tool window, centred, with or without a
    // close box.
    void check_frame(HWND dlg, bool close_box, const std::string& what);
    // Whether a window stands in the middle of the screen's work area.
    bool centred(HWND w);

    // The brush a dialog paints a control's background with, for a colour
    // message; true when it is solid white.
    bool paints_white(HWND dlg, HWND control, UINT colour_msg);
};

std::string describe(const expect::Settings& s);
const char* base_name(expect::Base b);

}  // namespace e2e
