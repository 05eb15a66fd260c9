// What the main window must show after a command, computed with machine
// integers (tests/model.h) rather than digit strings, so that it does not
// share a mistake with the program.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace expect {

enum class Base { dec, bin, oct, hex };
enum class Mode { us, ones, twos };

struct Settings {
    Base base = Base::dec;
    Mode mode = Mode::us;
    int len = 32;  // 1..64: the 64-bit range above 32
    bool c_hex = false;
    bool c_small = false;
};

// One run of Convert on a number box text: the error it reports (0 for
// none, 1 to 4 for 0x01 to 0x04) and the three result boxes ("<any>" in
// each when any result is right).
struct Run {
    int error = 0;
    std::array<std::string, 3> boxes;
};
Run convert_once(const Settings& s, const std::string& box_text);

// Convert with the answers a user gives to the questions of errors 0x02 and
// 0x04, one letter each: 'Y' yes, 'N' no, 'C' cancel. Questions beyond the
// answers given are answered No.
struct Outcome {
    std::vector<int> errors;  // every message shown, in order
    std::array<std::string, 3> boxes;
    std::string number_box;
};
Outcome convert(const Settings& s, std::string box_text, const std::string& answers);

// The corrections of the number box at a length (it is read wider above 32).
std::string remove_sign(const std::string& box_text, int len = 32);
std::string refine(Base base, const std::string& box_text, int len = 32);
// Auto-detect's length before clamping (bits the number box occupies), where
// the longest length offered is `longest` (32 in the window program, 64 in
// the front ends that take 64-bit numbers).
int detected_length(Base base, const std::string& box_text, int longest = 32);

// Labels of boxes 397, 398, 399, 501 and the status line's base and mode.
std::array<std::string, 4> labels(Base base);
std::string status_base(Base base);
std::string status_mode(Mode mode);
int base_command(Base base);
int mode_command(Mode mode);

// The message box texts of the Convert command (expected_texts.h).
const char* error_text(int error);

// The valid-range window's fields at a length (1..64): 1911, 1913, 1912, 1915,
// 1914, 1916, 1917, 1918.
std::array<std::string, 8> valid_ranges(int len);

// The length field of Define length reads an unsigned number; 0 when the
// text does not read as one. Accepted lengths are 1 to 32.
unsigned typed_length(const std::string& typed);
// What Define length takes from the text a user typed or pasted: that
// number, with blanks (spaces, tabs) around it allowed; 1 to 32 (to
// `longest` in the front ends that offer more), else 0.
int accepted_length(const std::string& typed, int longest = 32);

}  // namespace expect
