// The View current lengths dialog (Length > View current lengths).
#include "controller/controller.h"
#include "ui/dialogs.h"
#include "ui/resource.h"

INT_PTR CALLBACK DialogLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            SetDlgItemInt(hwnd, IDC_VIEW_BIN, static_cast<UINT>(controller::len), FALSE);
            SetDlgItemInt(hwnd, IDC_VIEW_OCT, static_cast<UINT>(controller::l_oct), FALSE);
            SetDlgItemInt(hwnd, IDC_VIEW_HEX, static_cast<UINT>(controller::l_hex), FALSE);
            return 1;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) EndDialog(hwnd, 0);
            return 1;
        default:
            return 0;
    }
}
