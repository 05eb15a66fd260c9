// What the white windows share (About, Help, error information and valid
// range): static texts drawn on white, and read-only address boxes whose text
// can be selected and copied.
#pragma once

#include <windows.h>

#include <span>

enum class AddressLook { bordered_centred, plain_left };

// A read-only edit box that a window creates when it opens, placed in dialog
// units: left, top, right, bottom.
struct AddressBox {
    int id;
    RECT place;
    const char* text;
    AddressLook look;
};

// What every white window does when it opens: creates the white brush and,
// in a Tahoma font of the dialog font's height, the address boxes.
void open_white_window(HWND window, std::span<const AddressBox> boxes = {});

// Gives each left-aligned text of a white window the height its lines take
// at this scale: a text that would lose its last lines grows, with the frame
// around it and the window, and what stands below it moves down. Nothing
// changes where the template's room suffices.
void fit_texts(HWND window);

// The messages that every white window answers alike: the colour messages
// (white, transparent text), owner-drawn texts (white, with tab stops of
// their own: draw_tabbed_text), OK / Escape / the close box (the dialog ends
// with 0) and, when it closes, the release of the brush and the font.
// Returns what the dialog procedure returns for msg.
INT_PTR white_window_message(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
