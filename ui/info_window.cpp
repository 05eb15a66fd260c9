// The white windows' shared look: the white brush, the address boxes and
// their font.
#include "ui/info_window.h"

#include "ui/text_overlay.h"

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

bool is_static(HWND c) {
    char name[16] = {};
    GetClassNameA(c, name, sizeof name);
    return lstrcmpiA(name, "Static") == 0;
}

// The size a control's text takes in its own font, drawn with `flags`
// within `width`.
SIZE text_size(HWND c, const char* text, int n, UINT flags, int width) {
    HDC dc = GetDC(c);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text, n, &r, flags | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    return {r.right, r.bottom};
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

void fit_texts(HWND window) {
    for (HWND t = GetWindow(window, GW_CHILD); t; t = GetWindow(t, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(t, GWL_STYLE);
        if (!is_static(t) || (style & SS_TYPEMASK) != SS_LEFT) continue;
        char text[2048];
        const int n = GetWindowTextA(t, text, sizeof text);
        const RECT tr = rect_in(window, t);
        const UINT flags = DT_WORDBREAK | DT_EXPANDTABS | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        const int grow = n ? text_size(t, text, n, flags, tr.right - tr.left).cy - (tr.bottom - tr.top) : 0;
        if (grow <= 0) continue;
        // The text and the frames around it grow; what stands below moves
        // down.
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT cr = rect_in(window, c);
            if (cr.top <= tr.top && cr.bottom >= tr.bottom)
                SetWindowPos(c, nullptr, 0, 0, cr.right - cr.left, cr.bottom - cr.top + grow,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            else if (cr.top >= tr.bottom)
                SetWindowPos(c, nullptr, cr.left, cr.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // The window too, keeping its middle where it was.
        RECT wr{};
        GetWindowRect(window, &wr);
        SetWindowPos(window, nullptr, wr.left, wr.top - grow / 2, wr.right - wr.left, wr.bottom - wr.top + grow,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

INT_PTR white_window_message(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CTLCOLOREDIT:  // read-only edit boxes send WM_CTLCOLORSTATIC
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(BackgroundColor1);
        case WM_DRAWITEM:
            draw_tabbed_text(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), BackgroundColor1);
            return 1;
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
