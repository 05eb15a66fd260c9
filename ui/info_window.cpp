// The white windows' shared look: the white brush, the address boxes and
// their font.
#include "ui/info_window.h"

namespace {

// Created when a white window opens and released when it closes; only one of
// these windows is ever open at a time (they are modal over the main window).
HBRUSH BackgroundColor1 = nullptr;
HFONT address_font = nullptr;

void release() {
    if (BackgroundColor1) DeleteObject(BackgroundColor1);
    BackgroundColor1 = nullptr;
    if (address_font) DeleteObject(address_font);
    address_font = nullptr;
}

// Tahoma as high as eight vertical dialog units: 13 pixels on the usual
// screen, and larger where the dialog font is.
HFONT create_address_font(HWND window) {
    RECT height{0, 0, 0, 8};
    MapDialogRect(window, &height);
    return CreateFontA(height.bottom, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       "Tahoma");
}

void create_address_box(HWND window, const AddressBox& b) {
    RECT r = b.place;
    MapDialogRect(window, &r);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    style |= b.look == AddressLook::bordered_centred ? WS_BORDER | ES_CENTER : ES_LEFT;
    HWND box = CreateWindowExA(0, "EDIT", b.text, style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)),
                               GetModuleHandleA(nullptr), nullptr);
    if (box && address_font) SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(address_font), FALSE);
}

}  // namespace

void open_white_window(HWND window, std::span<const AddressBox> boxes) {
    release();
    BackgroundColor1 = CreateSolidBrush(RGB(255, 255, 255));
    if (boxes.empty()) return;
    address_font = create_address_font(window);
    for (const AddressBox& b : boxes) create_address_box(window, b);
}

INT_PTR white_window_message(HWND window, UINT msg, WPARAM wParam) {
    switch (msg) {
        case WM_CTLCOLOREDIT:  // read-only edit boxes send WM_CTLCOLORSTATIC
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(BackgroundColor1);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) EndDialog(window, 0);
            return 1;
        case WM_DESTROY:
            release();
            return 0;
        default:
            return 0;
    }
}
