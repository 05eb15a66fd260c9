// The Help window (Help > Help and the Help button).
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"
#include "ui/version.h"

namespace {

const char URL_HELP[] = QNS_URL_HELP;

// Under the last line of the text, which announces it.
const AddressBox address_boxes[] = {
    {IDC_HELP_URL, {13, 175, 226, 185}, URL_HELP, AddressLook::plain_left},
};

}  // namespace

INT_PTR CALLBACK DialogHelpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        open_white_window(hwnd, address_boxes);
        fit_texts(hwnd);
        return 1;
    }
    return white_window_message(hwnd, msg, wParam, lParam);
}
