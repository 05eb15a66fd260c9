// The conversion controller: the settings of the running program and the
// commands that act on them and on the main window's boxes.
//
// The settings are process-wide plain integers. Only the routines declared
// here write them; the window code reads them (status line, dialogs).
#pragma once

#include "controller/window.h"

namespace controller {

// ---- Settings ------------------------------------------------------------------
// Input base flags (exactly one is 1 once the main window is up).
extern int dec, bin, oct, hex;
// Mode flags (exactly one is 1 once the main window is up).
extern int us, ones, twos;
// Calculation length in bits and the octal and hexadecimal digit counts.
extern int len, l_oct, l_hex;
// The longest length the front end offers: 32 in the window program, 64 for
// the front ends that take 64-bit numbers. Lengths above 32 use the 64-bit
// range of the base and mode; lengths up to 32 the 32-bit range.
extern int max_len;
// Display options for hexadecimal results.
extern int C_hex, C_small;
// Conversion-done flag of one Convert run.
extern int ne;
// Error selected for the error-information window: one of ErrorInfo.
extern int em;

// The values of em: errors 0x01 to 0x04 by their number, and the 0xFF text,
// which Convert never raises, by a number of its own.
enum ErrorInfo : int {
    error_info_0x01 = 1, error_info_0x02, error_info_0x03, error_info_0x04,
    error_info_0xFF = 1616,
};

// Puts every setting back to its value at process start (all flags 0,
// lengths 32, 11, 8). The program never needs it; tests do.
void reset_process_state();

enum class Base { dec, bin, oct, hex };
enum class Mode { us, ones, twos };

// The short name of a base ("Dec", "Bin", "Oct", "Hex"): the number box's
// label while it is the input base.
const char* base_name(Base base);

// ---- Settings and their commands ---------------------------------------------
void init_main_window(Window& w);     // what the main window's initialisation does
void update_lens(int new_len);        // len, then l_hex and l_oct from it (1..max_len)
// The characters the number box is read with at the current length, and
// with the terminator (number_box_size or wide_box_size).
int box_chars();
int box_size();
// Bits of the values at the current length: 32 up to 32, else 64.
int value_bits();
void set_base(Window& w, Base base);  // commands 490..493: flags and labels
void set_mode(Mode mode);             // commands 494..496
void reload_defaults(Window& w);      // command 1418
void refresh(Window& w);              // command 418
void refresh_and_reload(Window& w);   // command 1413
void select_error_info(int command);  // the menu_error_* commands: sets em

// ---- Convert, corrections, hexadecimal options --------------------------------
void start(Window& w);        // command 411, the Convert command
// Whether Convert would take the number box's text under the current base
// and mode at a value width of `bits` (32 or 64): no error at all.
bool accepted_at(Window& w, int bits);
void remove_sign(Window& w);  // command 908
void refine(Window& w);       // command 1419
void do_C_hex(Window& w);
void do_C_small(Window& w);
void toggle_C_hex(Window& w);    // command 907
void toggle_C_small(Window& w);  // command 909

// ---- Length auto-detection ----------------------------------------------------
int len_auto(Window& w);  // bits that the number box occupies, unclamped
// Command 419. Returns false when it refuses the decimal base (nothing
// changed, no redraw), true when the status line must be redrawn.
bool auto_detect(Window& w);

}  // namespace controller
