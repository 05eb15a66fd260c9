// The About window (Help > About).
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"
#include "ui/version.h"

const char URL[] = QNS_URL;
const char CONTACT_EMAIL[] = QNS_CONTACT_EMAIL;

namespace {
HFONT address_font = nullptr;
HICON picture = nullptr;
}

INT_PTR CALLBACK DialogAboutProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            white_background_create();
            address_font = create_address_font(hwnd);
            // The large image of the icon, not the title bar's.
            picture = show_picture(hwnd, IDC_ABOUT_PICTURE, IDI_QUORVEL, 96);
            // Read-only boxes rather than static texts, so that the addresses
            // can be selected and copied.
            create_address_box(hwnd, IDC_ABOUT_EMAIL, 85, 186, 111, 17, CONTACT_EMAIL,
                               AddressBox::bordered_centred, address_font);
            create_address_box(hwnd, IDC_ABOUT_URL, 17, 206, 252, 17, URL,
                               AddressBox::bordered_centred, address_font);
            return 1;
        case WM_DESTROY:
            if (address_font) DeleteObject(address_font);
            address_font = nullptr;
            if (picture) DestroyIcon(picture);
            picture = nullptr;
            break;
    }
    return white_window_message(hwnd, msg, wParam);
}
