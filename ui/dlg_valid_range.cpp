// The valid-range window (Length > Show valid range for current length).
#include "controller/controller.h"
#include "controller/length_tools.h"
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"

namespace {

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

INT_PTR CALLBACK DlgSLProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        open_white_window(hwnd);
        show_ranges(hwnd);
        return 1;
    }
    return white_window_message(hwnd, msg, wParam);
}
