// Every window as drawn at the display scale the Wine prefix was made for
// (tests/e2e/CMakeLists.txt makes one prefix for each of 96, 120, 144 and 192
// dots per inch): the main window for every base, mode and length, the
// secondary dialogs, the white windows and the message boxes.
//
// In each window, every static text is drawn in full inside its own
// rectangle, no control drawn after it covers a pixel of its ink (the status
// fields over the caption's blank stretches, the address boxes under the
// white windows' lines), and the texts of buttons and boxes fit them. The ink
// is what the control really draws, printed into a bitmap; the sizes are
// measured with each control's own font.
#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "driver_scenarios.h"
#include "driver_session.h"
#include "expected_texts.h"
#include "model.h"

namespace e2e {

using expect::Base;
using expect::Mode;

namespace {

std::string class_of(HWND h) {
    char buf[64] = {};
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

std::string id_of(HWND h) { return std::to_string(GetDlgCtrlID(h)); }

RECT rect_in(HWND parent, HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where a control's text ink lies: the pixels it draws that differ from its
// background, in its parent's client coordinates.
struct Ink {
    std::vector<POINT> points;
};

// Prints a control's client area into a bitmap, as it paints itself, and
// keeps the pixels unlike the commonest one (its background).
Ink ink_of(HWND parent, HWND c) {
    Ink ink;
    RECT cr{};
    GetClientRect(c, &cr);
    const int w = cr.right, h = cr.bottom;
    if (w <= 0 || h <= 0) return ink;
    HDC screen = GetDC(c);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = rgb_bitmap(w, -h, 32);  // top-down
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(mem, bmp);
    DWORD_PTR res = 0;
    SendMessageTimeoutA(c, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT | PRF_ERASEBKGND, SMTO_NORMAL,
                        reply_limit_ms, &res);
    GdiFlush();
    if (bits) {
        const auto* px = static_cast<const std::uint32_t*>(bits);
        std::map<std::uint32_t, int> count;
        for (int i = 0; i < w * h; ++i) ++count[px[i] & 0xFFFFFF];
        const std::uint32_t background =
            std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
        POINT origin{0, 0};
        MapWindowPoints(c, parent, &origin, 1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((px[y * w + x] & 0xFFFFFF) != background) ink.points.push_back({origin.x + x, origin.y + y});
    }
    SelectObject(mem, old);
    if (bmp) DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(c, screen);
    return ink;
}

// The size a text needs in a control's font, drawn with the given DrawText
// flags and broken into lines no wider than `width` when it wraps.
SIZE text_size(HWND c, const std::string& text, UINT flags, int width) {
    HDC dc = GetDC(c);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    return {r.right - r.left, r.bottom - r.top};
}

// The DrawText flags a static control draws its text with.
UINT static_flags(LONG style) {
    UINT f = 0;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: f = DT_CENTER | DT_WORDBREAK; break;
        case SS_RIGHT: f = DT_RIGHT | DT_WORDBREAK; break;
        case SS_LEFTNOWORDWRAP: f = DT_LEFT | DT_EXPANDTABS; break;
        case SS_SIMPLE: f = DT_LEFT | DT_SINGLELINE; break;
        default: f = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK; break;
    }
    if (style & SS_NOPREFIX) f |= DT_NOPREFIX;
    return f;
}

// A static that shows its text (owner-drawn ones too: they draw it as a
// static does, but for the place of tab stops).
bool text_static(HWND c, LONG style) {
    const LONG type = style & SS_TYPEMASK;
    return class_of(c) == "Static" && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ||
                                       type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE || type == SS_OWNERDRAW);
}

// The visible children of a window in drawing order: the first is drawn
// first, the later ones over it.
std::vector<HWND> drawn_children(HWND w) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) out.push_back(c);
    return out;
}

// Everything a window shows, checked as described at the top.
void check_window(Session& t, HWND w, const std::string& what) {
    Ui& ui = t.ui;
    Report& r = t.r;
    ui.drawn(w);
    RECT client{};
    GetClientRect(w, &client);
    const std::vector<HWND> kids = drawn_children(w);
    for (std::size_t i = 0; i < kids.size(); ++i) {
        HWND c = kids[i];
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        const std::string text = ui.window_text(c), cls = class_of(c);
        const std::string name = what + ": " + cls + " " + id_of(c) + " \"" + visible(text.substr(0, 40)) + "\"";
        RECT cr{};
        GetClientRect(c, &cr);
        if (text.empty()) continue;
        if (text_static(c, style)) {
            const SIZE need = text_size(c, text, static_flags(style), cr.right);
            r.check(need.cx <= cr.right && need.cy <= cr.bottom,
                    name + " shown in full: needs " + std::to_string(need.cx) + " x " + std::to_string(need.cy) +
                        ", has " + std::to_string(cr.right) + " x " + std::to_string(cr.bottom));
            const Ink ink = ink_of(w, c);
            r.check(!ink.points.empty(), name + " drawn");
            // Nothing of it outside the window, nor under a control drawn later.
            const RECT me = rect_in(w, c);
            bool outside = false;
            for (const POINT& p : ink.points) outside |= !PtInRect(&client, p);
            r.check(!outside, name + " inside the window");
            // A line drawn under a field is meant to be partly under it.
            const bool underline = text.find_first_not_of('_') == std::string::npos;
            for (std::size_t j = i + 1; j < kids.size() && !underline; ++j) {
                const RECT other = rect_in(w, kids[j]);
                RECT both{};
                if (!IntersectRect(&both, &me, &other)) continue;
                int covered = 0;
                for (const POINT& p : ink.points) covered += PtInRect(&other, p) ? 1 : 0;
                r.check(covered == 0, name + " clear of " + class_of(kids[j]) + " " + id_of(kids[j]) +
                                          " drawn over it (" + std::to_string(covered) + " pixels covered)");
            }
        } else if (cls == "Button") {
            const LONG type = style & BS_TYPEMASK;
            const SIZE need = text_size(c, text, DT_SINGLELINE, cr.right);
            const int room = type == BS_GROUPBOX ? cr.right : cr.right - 2 * GetSystemMetrics(SM_CXEDGE);
            r.check(need.cx <= room && need.cy <= cr.bottom, name + " shown in full");
        } else if (cls == "Edit") {
            RECT fr{};
            SendMessageA(c, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
            const SIZE need = text_size(c, text, DT_SINGLELINE | DT_NOPREFIX, fr.right - fr.left);
            r.check(need.cx <= fr.right - fr.left && need.cy <= fr.bottom - fr.top,
                    name + " shown in full: needs " + std::to_string(need.cx) + " x " + std::to_string(need.cy) +
                        ", has " + std::to_string(fr.right - fr.left) + " x " + std::to_string(fr.bottom - fr.top));
        }
    }
}

// A command whose windows are each checked, then answered: message boxes
// with their last button, dialogs by `act` (Cancel or OK when it is empty).
void check_command(Session& t, int id, const std::string& what, const ModalHandler& act = {}) {
    int seen = 0;
    t.context(what);
    t.ui.command(id, [&](const Modal& m) -> Action {
        ++seen;
        check_window(t, m.hwnd, m.message_box ? what + " message" : what);
        if (m.message_box) return press(m.buttons.empty() ? IDOK : m.buttons.back());
        return act ? act(m) : press(IDCANCEL);
    });
    t.r.check(seen > 0, what + " opened");
}

void main_window(Session& t, const std::string& what) {
    t.context("main window, " + what);
    t.check_state();
    check_window(t, t.ui.main(), "main window");
}

}  // namespace

void run_layout(Ui& ui, Report& report) {
    Session t(ui, report);
    HDC dc = GetDC(ui.main());
    say("layout at %d dots per inch", GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(ui.main(), dc);

    // Every status text: bases, modes, then each length typed into Define
    // length (which shows the one before it), with the valid ranges of each.
    for (Base b : {Base::bin, Base::oct, Base::hex, Base::dec}) {
        t.set_base(b);
        main_window(t, std::string("base ") + base_name(b));
    }
    for (Mode m : {Mode::ones, Mode::twos, Mode::us}) {
        t.set_mode(m);
        main_window(t, "mode " + expect::status_mode(m));
    }
    for (int len = 1; len <= 32; ++len) {
        t.context("Define length " + std::to_string(len));
        bool typed = false;
        ui.command(1411, [&](const Modal& m) -> Action {
            if (m.message_box || typed) return {};
            typed = true;
            check_window(t, m.hwnd, "Define length");
            ui.set_text(m.hwnd, 393, std::to_string(len));
            return press(1411);
        });
        t.s.len = len;
        main_window(t, "length " + std::to_string(len));
        check_command(t, 519, "valid range at " + std::to_string(len));
    }

    // The widest results in every box.
    t.context("widest results");
    t.convert("4294967295");
    check_window(t, ui.main(), "main window");
    t.set_base(Base::bin);
    t.convert(std::string(32, '1'));
    check_window(t, ui.main(), "main window");
    t.set_base(Base::dec);

    // Every message box: the errors of Convert, the refused length, the
    // notes of Auto-detect and the bug report.
    for (const char* text : {"", "12x", "99999999999", "-5"}) {
        ui.set_text(390, text);
        check_command(t, 411, std::string("Convert \"") + text + "\"");
    }
    int tries = 0;
    check_command(t, 1411, "Define length 0", [&](const Modal& m) -> Action {
        if (tries++) return press(IDCANCEL);
        ui.set_text(m.hwnd, 393, "0");
        return press(1411);
    });
    const std::pair<Base, const char*> detects[] = {
        {Base::bin, "1011"}, {Base::dec, "12"}, {Base::hex, "123456789"}};
    for (const auto& [base, text] : detects) {
        t.set_base(base);
        ui.set_text(390, text);
        check_command(t, 419, std::string("Auto-detect \"") + text + "\"");
    }
    check_command(t, 1414, "bug report");

    check_command(t, 1412, "current lengths");
    check_command(t, 412, "Help");
    check_command(t, 414, "About");
    for (int id = 111; id <= 115; ++id) check_command(t, id, "error information " + std::to_string(id));
}

}  // namespace e2e
