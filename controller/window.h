// The main window as the controller sees it.
//
// The controller never talks to the platform itself: every read and write of
// the number box, the result boxes and the labels, every message box, menu
// check mark and the auto-detect confirmation goes through this interface.
// The Windows program implements it over the real dialog; the tests implement
// it in memory and record what the user would see.
#pragma once

namespace controller {

// Control identifiers of the main window that the controller addresses. The
// resource script uses the same numbers (checked at compile time there).
enum Control : int {
    number_box = 390,
    result_box1 = 391,
    result_box2 = 392,
    result_box3 = 393,
    label_number = 397,
    label_result1 = 398,
    label_result2 = 399,
    label_result3 = 501,
};

// The number box is read with room for this many characters and the
// terminator (number_box_size); anything after them is not seen. At lengths
// above 32 bits (front ends that offer them) it reads wide_box_chars, room
// for 64 binary digits with a sign and leading zeros.
constexpr int number_box_chars = 48;
constexpr int number_box_size = number_box_chars + 1;
constexpr int wide_box_chars = 80;
constexpr int wide_box_size = wide_box_chars + 1;

// Menu items whose check marks the controller sets, and the Help > Error
// messages items that select the error-information text.
enum MenuItem : int {
    menu_C_hex = 907,
    menu_C_small = 909,
    // 111 to 115, in menu order
    menu_error_0x01 = 111, menu_error_0x02, menu_error_0x03, menu_error_0x04, menu_error_0xFF,
};

enum class MessageStyle {
    information,  // information icon, OK button
    question,     // question icon, Yes, No and Cancel buttons
};

enum class Answer { ok, yes, no, cancel };

class Window {
public:
    virtual ~Window() = default;

    // Reads a box's text into buf: at most limit - 1 characters and a NUL,
    // as the platform's read does. limit is at least 1.
    virtual void get_text(int control, char* buf, int limit) = 0;
    virtual void set_text(int control, const char* text) = 0;
    // Writes an integer in plain decimal: as signed, or as the unsigned
    // 32-bit pattern of value when is_signed is false.
    virtual void set_int(int control, int value, bool is_signed) = 0;
    // A modal message box owned by the main window; returns the button pressed.
    virtual Answer message(const char* text, const char* title, MessageStyle style) = 0;
    virtual void check_menu(int item, bool checked) = 0;
    // Opens the auto-detect confirmation showing controller::len; returns the
    // dialog's result (1 = Set, 0 = Cancel).
    virtual int confirm_length() = 0;
};

}  // namespace controller
