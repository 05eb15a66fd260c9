// The Help window (Help > Help and the Help button).
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"
#include "ui/version.h"

const char URL_HELP[] = QNS_URL_HELP;

namespace {
HFONT address_font = nullptr;
}

INT_PTR CALLBACK DialogHelpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            white_background_create();
            address_font = create_address_font(hwnd);
            // Under the last line of the text, which announces it.
            create_address_box(hwnd, IDC_HELP_URL, 19, 284, 319, 17, URL_HELP,
                               AddressBox::plain_left, address_font);
            return 1;
        case WM_DESTROY:
            if (address_font) DeleteObject(address_font);
            address_font = nullptr;
            break;
    }
    return white_window_message(hwnd, msg, wParam);
}
