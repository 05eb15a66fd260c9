// Overlays follow the words of their texts at every display scale.
#include "ui/text_overlay.h"

#include <cstring>

namespace {

// Longer than any text of the program's windows.
constexpr int text_limit = 1024;

// The width of a letter as dialog units are sized by it: four horizontal
// units.
int base_width(HDC dc) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE s{};
    GetTextExtentPoint32A(dc, letters, 52, &s);
    return (s.cx / 26 + 1) / 2;
}

// Every 80/3 dialog units.
int tab_stop(HDC dc) { return MulDiv(base_width(dc), 20, 3); }

bool owner_drawn(HWND c) { return (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW; }

// Width of the first n characters of a line as the text's control draws
// them: owner-drawn with tab_stop(), else with a static's tab stops (eight
// average character widths).
int extent(HDC dc, const char* line, int n, bool own_tabs) {
    int tab = own_tabs ? tab_stop(dc) : 0;
    return LOWORD(GetTabbedTextExtentA(dc, line, n, own_tabs ? 1 : 0, own_tabs ? &tab : nullptr));
}

// A stretch in pixels from its text's left edge, between the ink of the
// words around it (a glyph's ink may start after its origin, or end before
// its advance); right < 0 when it runs to the end of its line.
struct Stretch {
    double left, right;
};

int ink_width(HDC dc, char c, bool leading) {
    ABC abc{};
    if (!GetCharABCWidthsA(dc, static_cast<unsigned char>(c), static_cast<unsigned char>(c), &abc)) return 0;
    return leading ? abc.abcA : abc.abcC;
}

Stretch find_stretch(HDC dc, const char* text, const char* after, bool own_tabs) {
    const char* from = std::strstr(text, after) + std::strlen(after);
    const char* line = from;
    while (line > text && line[-1] != '\n') --line;
    const char* to = from;
    while (*to == ' ' || *to == '\t') ++to;
    const bool open = *to == '\n' || *to == '\0';
    const int left = extent(dc, line, static_cast<int>(from - line), own_tabs) - ink_width(dc, from[-1], false);
    const int right = open ? -1 : extent(dc, line, static_cast<int>(to - line), own_tabs) + ink_width(dc, *to, true);
    return {static_cast<double>(left), static_cast<double>(right)};
}

// The window's static that holds `after`, and its text.
HWND find_text(HWND window, const char* after, char (&text)[text_limit]) {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetWindowTextA(c, text, text_limit);
        if (std::strstr(text, after)) return c;
    }
    return nullptr;
}

// The window's font at 100% scale: the same face and point size at 96 dots
// per inch.
HFONT font_at_100(HFONT font, int dpi) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    const int points = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, dpi);
    lf.lfHeight = -MulDiv(points, 96, 72);
    return CreateFontIndirectA(&lf);
}

}  // namespace

RECT rect_in(HWND window, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void lay_over_texts(HWND window, std::span<const Overlay> overlays) {
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    HFONT font_100 = dpi == 96 ? nullptr : font_at_100(font, dpi);
    if (font_100) {
        HDC dc_100 = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(dc, font), old_100 = SelectObject(dc_100, font_100);
        // Where the template expects a stretch: its width at 100%, grown as
        // dialog units grow.
        const double grown = static_cast<double>(base_width(dc)) / base_width(dc_100);
        for (const Overlay& o : overlays) {
            char text[text_limit];
            HWND c = GetDlgItem(window, o.id);
            for (int i = 0; i < o.back && c; ++i) c = GetWindow(c, GW_HWNDPREV);
            HWND t = find_text(window, o.after, text);
            if (!c || !t) continue;
            const bool own_tabs = owner_drawn(t);
            const Stretch is = find_stretch(dc, text, o.after, own_tabs);
            Stretch expected = find_stretch(dc_100, text, o.after, own_tabs);
            expected.left *= grown;
            expected.right *= grown;
            const RECT tr = rect_in(window, t), cr = rect_in(window, c);
            const double scale = is.right < 0 ? 1.0 : (is.right - is.left) / (expected.right - expected.left);
            auto place = [&](LONG x) {
                return tr.left + static_cast<int>(is.left + (x - tr.left - expected.left) * scale + 0.5);
            };
            const int left = place(cr.left), right = place(cr.right);
            SetWindowPos(c, nullptr, left, cr.top, right - left, cr.bottom - cr.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SelectObject(dc, old);
        SelectObject(dc_100, old_100);
        DeleteDC(dc_100);
        DeleteObject(font_100);
    }
    ReleaseDC(window, dc);
}

void draw_tabbed_text(const DRAWITEMSTRUCT& item, HBRUSH background) {
    char text[text_limit];
    GetWindowTextA(item.hwndItem, text, text_limit);
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT r = item.rcItem;
    for (const char* line = text;;) {
        const char* end = std::strchr(line, '\n');
        const int n = end ? static_cast<int>(end - line) : static_cast<int>(std::strlen(line));
        if (extent(dc, line, n, true) <= r.right - r.left) {
            // A line that fits is drawn in runs split at tabs and blank
            // stretches, each where it measures to start: the overlays are
            // laid out by measure, and some fonts draw their glyphs narrower
            // than they measure them (Wine's own Tahoma below 17 pixels),
            // which would pull the words after a stretch under its overlay.
            for (int i = 0; i < n;) {
                while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
                int j = i;
                while (j < n && line[j] != '\t' && !(line[j] == ' ' && (j + 1 == n || line[j + 1] == ' '))) ++j;
                if (j > i) TextOutA(dc, r.left + extent(dc, line, i, true), r.top, line + i, j - i);
                i = j;
            }
            r.top += tm.tmHeight;
        } else {
            // Longer lines wrap between words as a static's text does.
            r.top += DrawTextA(dc, line, n, &r, DT_WORDBREAK | DT_NOPREFIX);
        }
        if (!end) break;
        line = end + 1;
    }
    SelectObject(dc, old);
}
