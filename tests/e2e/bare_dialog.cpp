// A dialog with no logic behind it, run like the program's main window:
// Convert writes fixed texts into the three result boxes, Exit ends it.
#include <windows.h>

#include <initializer_list>

namespace {

INT_PTR CALLBACK bare_proc(HWND w, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) {
        SetDlgItemTextA(w, 390, "0");
        for (int id : {391, 392, 393}) SetDlgItemTextA(w, id, "--");
        return TRUE;
    }
    if (msg == WM_COMMAND) {
        if (LOWORD(wp) == 411) {
            SetDlgItemTextA(w, 391, "00000000000000000000000011111111");
            SetDlgItemTextA(w, 392, "00000000377");
            SetDlgItemTextA(w, 393, "000000FF");
        } else if (LOWORD(wp) == 2) {
            PostQuitMessage(0);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr, bare_proc, 0);
    return 0;
}
