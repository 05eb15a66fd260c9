// Shared look of the information windows: white statics and address boxes.
#include "ui/info_window.h"

HBRUSH BackgroundColor1 = nullptr;

void white_background_create() {
    white_background_release();
    BackgroundColor1 = CreateSolidBrush(RGB(255, 255, 255));
}

void white_background_release() {
    if (BackgroundColor1) DeleteObject(BackgroundColor1);
    BackgroundColor1 = nullptr;
}

INT_PTR white_background(WPARAM hdc) {
    SetBkMode(reinterpret_cast<HDC>(hdc), TRANSPARENT);
    return reinterpret_cast<INT_PTR>(BackgroundColor1);
}

INT_PTR white_window_message(HWND window, UINT msg, WPARAM wParam) {
    switch (msg) {
        case WM_CTLCOLOREDIT:  // read-only edit boxes send WM_CTLCOLORSTATIC
        case WM_CTLCOLORSTATIC:
            return white_background(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) EndDialog(window, 0);
            return 1;
        case WM_DESTROY:
            white_background_release();
            return 0;
        default:
            return 0;
    }
}

namespace {

// The address boxes and their font are given in pixels of the usual screen,
// where these windows' font has dialog base units of 6 x 13 pixels. On a
// scaled screen, or where the font measures otherwise, they move and grow
// with the rest of the window.
struct Scale {
    int x;  // horizontal dialog base unit in pixels
    int y;  // vertical dialog base unit in pixels
};

Scale scale_of(HWND window) {
    RECT units{0, 0, 4, 8};
    if (!MapDialogRect(window, &units) || units.right <= 0 || units.bottom <= 0) return {6, 13};
    return {static_cast<int>(units.right), static_cast<int>(units.bottom)};
}

int across(int pixels, Scale s) { return MulDiv(pixels, s.x, 6); }
int down(int pixels, Scale s) { return MulDiv(pixels, s.y, 13); }

}  // namespace

HFONT create_address_font(HWND window) {
    return CreateFontA(down(13, scale_of(window)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, "Tahoma");
}

HWND create_address_box(HWND window, int id, int x, int y, int width, int height,
                        const char* text, AddressBox look, HFONT font) {
    const Scale scale = scale_of(window);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    style |= look == AddressBox::bordered_centred ? WS_BORDER | ES_CENTER : ES_LEFT;
    HWND box = CreateWindowExA(0, "EDIT", text, style, across(x, scale), down(y, scale),
                               across(width, scale), down(height, scale), window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    if (box && font) SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return box;
}

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
