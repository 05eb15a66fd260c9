// Controls laid over the blank stretches of a text: the status fields over
// the status caption, the length fields of the length dialogs and the bounds
// of the valid ranges. Their template places them for the window's font at
// 100% display scale; at other scales glyph widths round to whole pixels
// differently from dialog units, so the words of a text drift, and each
// control is moved to where its stretch really falls.
#pragma once

#include <windows.h>

#include <span>

// One control over one stretch. The stretch begins where the first text of
// the window that holds `after` has it end, and runs to the next word, or to
// the end of the line.
struct Overlay {
    int id;             // the control, or the one after it
    int back;           // 0: the control `id`; 1: the one just before it in the template
    const char* after;  // the words just before the stretch
};

// A child window's rectangle in its window's client coordinates.
RECT rect_in(HWND window, HWND child);

// Moves the controls: a stretch between two words is mapped from where the
// 100% template expects it to where it is drawn (the control's edges keep
// their places relative to its two ends); a stretch to the end of a line moves
// with its start. At 100% scale nothing moves.
void lay_over_texts(HWND window, std::span<const Overlay> overlays);

// An owner-drawn static's text, drawn as a static draws it (on the
// background brush, lines broken between words, no prefix characters) but
// with tab stops that keep their place in dialog units: every 80/3 units, the
// 40 pixels of Tahoma's own at 100%, whatever the font's average character
// width. A line that fits is drawn piece by piece where lay_over_texts
// measures its pieces to be.
void draw_tabbed_text(const DRAWITEMSTRUCT& item, HBRUSH background);
