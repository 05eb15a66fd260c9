// What the information windows (About, Help, error information) and the
// valid-range window share: static texts drawn on white, and read-only
// address boxes whose text can be selected and copied.
#pragma once

#include <windows.h>

// The solid white brush returned for the colour messages of the open window.
// Each of these windows creates it when it opens and releases it when it
// closes; only one of them is ever open at a time (they are modal over the
// main window).
extern HBRUSH BackgroundColor1;

void white_background_create();
void white_background_release();
// Answer to WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT: transparent text background
// on the white brush.
INT_PTR white_background(WPARAM hdc);

// The messages that every white window answers alike: the colour messages
// (white, transparent text), OK / Escape / the close box (the dialog ends
// with 0) and, when it closes, the release of the brush. Returns what the
// dialog procedure returns for msg.
INT_PTR white_window_message(HWND window, UINT msg, WPARAM wParam);

// Tahoma, 13 pixels high on the usual screen (scaled with the window). The
// caller deletes it with DeleteObject when its window closes.
HFONT create_address_font(HWND window);

enum class AddressBox { bordered_centred, plain_left };

// A read-only edit box holding text, created as a child of window at a
// position given in pixels of its client area on the usual screen (96 dpi,
// dialog base units of 6 x 13 pixels), scaled with the window.
HWND create_address_box(HWND window, int id, int x, int y, int width, int height,
                        const char* text, AddressBox look, HFONT font);

// Shows icon icon_id at its size for a 96-dpi screen (scaled to the
// window's) in the picture static control; returns the icon, which the caller
// destroys with DestroyIcon when its window closes.
HICON show_picture(HWND window, int control, int icon_id, int pixels);
