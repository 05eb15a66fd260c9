// The auto-detect confirmation (Length > Auto-detect): shows the detected
// length; Set keeps it, Cancel gives the old one back.
#include "controller/controller.h"
#include "ui/dialogs.h"
#include "ui/resource.h"
#include "ui/text_overlay.h"

namespace {

// The detected length, and the line drawn under it, over the sentence's
// blanks.
const Overlay fields[] = {
    {IDC_LENGTH_VALUE, 0, "length is"},
    {IDC_LENGTH_VALUE, 1, "length is"},
};

}  // namespace

INT_PTR CALLBACK DlgAutoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            lay_over_texts(hwnd, fields);
            SetDlgItemInt(hwnd, IDC_LENGTH_VALUE, static_cast<UINT>(controller::len), FALSE);
            return 1;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: EndDialog(hwnd, 1); return 1;
                case IDCANCEL: EndDialog(hwnd, 0); return 1;
                default: return 0;
            }
        default:
            return 0;
    }
}
