// The About window (Help > About).
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"
#include "ui/version.h"

namespace {

const char URL[] = QNS_URL;
const char CONTACT_EMAIL[] = QNS_CONTACT_EMAIL;

// Read-only boxes rather than static texts, so that the addresses can be
// selected and copied.
const AddressBox address_boxes[] = {
    {IDC_ABOUT_EMAIL, {47, 114, 141, 124}, CONTACT_EMAIL, AddressLook::bordered_centred},
    {IDC_ABOUT_URL, {11, 127, 179, 137}, URL, AddressLook::bordered_centred},
};

HICON picture = nullptr;

// Shows icon icon_id at its size for a 96-dpi screen, scaled to the window's,
// in the picture control; the caller destroys the icon when the window closes.
HICON show_picture(HWND window, int control, int icon_id, int pixels) {
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    const int size = MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon_id), IMAGE_ICON, size, size, 0));
    if (icon) SendDlgItemMessageA(window, control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return icon;
}

}  // namespace

INT_PTR CALLBACK DialogAboutProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            open_white_window(hwnd, address_boxes);
            // The large image of the icon, not the title bar's.
            picture = show_picture(hwnd, IDC_ABOUT_PICTURE, IDI_QUORVEL, 96);
            return 1;
        case WM_DESTROY:
            if (picture) DestroyIcon(picture);
            picture = nullptr;
            break;
    }
    return white_window_message(hwnd, msg, wParam, lParam);
}
