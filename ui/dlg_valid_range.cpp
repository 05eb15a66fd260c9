// The valid-range window (Length > Show valid range for current length).
#include "controller/controller.h"
#include "controller/length_tools.h"
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"
#include "ui/text_overlay.h"

namespace {

// The length and its line over the first sentence's blanks; in each row the
// lower bound (a fixed "0" where it never changes) before "to", the upper
// bound after it.
const Overlay fields[] = {
    {IDC_RANGE_LENGTH, 0, "calculation is:"},
    {IDC_RANGE_LENGTH, 1, "calculation is:"},
    {IDC_RANGE_DEC_MAX, 1, "Decimal (unsigned):"},
    {IDC_RANGE_DEC_MAX, 0, "Decimal (unsigned):\t\t     to"},
    {IDC_RANGE_ONES_MIN, 0, "Decimal (1s comp):"},
    {IDC_RANGE_ONES_MAX, 0, "Decimal (1s comp):\t\t     to"},
    {IDC_RANGE_TWOS_MIN, 0, "Decimal (2s comp):"},
    {IDC_RANGE_TWOS_MAX, 0, "Decimal (2s comp):\t\t     to"},
    {IDC_RANGE_BIN_MAX, 1, "Binary (all):"},
    {IDC_RANGE_BIN_MAX, 0, "Binary (all):\t\t\t     to"},
    {IDC_RANGE_OCT_MAX, 1, "Octal (all):"},
    {IDC_RANGE_OCT_MAX, 0, "Octal (all):\t\t\t     to"},
    {IDC_RANGE_HEX_MAX, 1, "Hexadecimal (all):"},
    {IDC_RANGE_HEX_MAX, 0, "Hexadecimal (all):\t\t     to"},
};

void show_ranges(HWND hwnd) {
    controller::ValidRanges r;
    controller::valid_ranges(controller::len, controller::l_oct, controller::l_hex, &r);
    SetDlgItemTextA(hwnd, IDC_RANGE_LENGTH, r.length);
    SetDlgItemTextA(hwnd, IDC_RANGE_DEC_MAX, r.dec_max);
    SetDlgItemTextA(hwnd, IDC_RANGE_ONES_MIN, r.ones_min);
    SetDlgItemTextA(hwnd, IDC_RANGE_ONES_MAX, r.ones_max);
    SetDlgItemTextA(hwnd, IDC_RANGE_TWOS_MIN, r.twos_min);
    SetDlgItemTextA(hwnd, IDC_RANGE_TWOS_MAX, r.twos_max);
    SetDlgItemTextA(hwnd, IDC_RANGE_BIN_MAX, r.bin_max);
    SetDlgItemTextA(hwnd, IDC_RANGE_OCT_MAX, r.oct_max);
    SetDlgItemTextA(hwnd, IDC_RANGE_HEX_MAX, r.hex_max);
}

}  // namespace

INT_PTR CALLBACK DlgSLProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        open_white_window(hwnd);
        lay_over_texts(hwnd, fields);
        show_ranges(hwnd);
        return 1;
    }
    return white_window_message(hwnd, msg, wParam, lParam);
}
