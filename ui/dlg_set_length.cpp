// The Define length dialog (Length > Define length).
#include "controller/controller.h"
#include "controller/length_tools.h"
#include "ui/dialogs.h"
#include "ui/resource.h"
#include "ui/text_overlay.h"

namespace {

// Room for any length a user would type; the box takes no more, so what is
// read is always the whole text.
constexpr int typed_limit = 32;

// The current length over its sentence's blanks; the box, and the line
// drawn under it, over the other's.
const Overlay fields[] = {
    {IDC_LENGTH_VALUE, 0, "calculation is"},
    {IDC_LENGTH_EDIT, 0, "preferred length:"},
    {IDC_LENGTH_EDIT, 1, "preferred length:"},
};

// Set: a length of 1..32 is stored and the dialog ends; anything else is
// refused, and the dialog stays open unless the user gives up (Cancel).
void take_length(HWND hwnd) {
    char typed[typed_limit + 1] = {};
    GetDlgItemTextA(hwnd, IDC_LENGTH_EDIT, typed, typed_limit + 1);
    const int length = controller::accepted_length(typed);
    if (length != 0) {
        controller::update_lens(length);
        EndDialog(hwnd, IDCANCEL);
        return;
    }
    if (MessageBoxA(hwnd, controller::length_invalid_text, controller::length_invalid_title,
                    MB_ICONINFORMATION | MB_OKCANCEL) == IDCANCEL)
        EndDialog(hwnd, IDCANCEL);
}

}  // namespace

INT_PTR CALLBACK DialogSetLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            lay_over_texts(hwnd, fields);
            SendDlgItemMessageA(hwnd, IDC_LENGTH_EDIT, EM_LIMITTEXT, typed_limit, 0);
            SetDlgItemInt(hwnd, IDC_LENGTH_VALUE, static_cast<UINT>(controller::len), FALSE);
            SetDlgItemInt(hwnd, IDC_LENGTH_EDIT, static_cast<UINT>(controller::len), FALSE);
            return 1;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDCANCEL: EndDialog(hwnd, IDCANCEL); break;
                case IDC_SET_LENGTH: take_length(hwnd); break;
                default: break;  // no default button: Enter does nothing
            }
            return 1;
        default:
            return 0;
    }
}
