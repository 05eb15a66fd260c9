// The full walk through the program: every command of the menu and the
// buttons, every dialog and message with its texts, and the Convert cases
// that matter, each checked where the user sees it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include "driver_scenarios.h"
#include "driver_session.h"
#include "expected_texts.h"
#include "model.h"

namespace e2e {

using expect::Base;
using expect::Mode;
using expect::Settings;

namespace {

std::string ones(int n) { return std::string(static_cast<std::size_t>(n), '1'); }
std::string zeros(int n) { return std::string(static_cast<std::size_t>(n), '0'); }

LONG style_of(HWND h) { return GetWindowLongA(h, GWL_STYLE); }

std::string class_of(HWND h) {
    char buf[64] = {};
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

// Everything the main window shows, to prove that a command changed nothing.
struct Snapshot {
    std::vector<std::string> texts;
    std::vector<bool> marks;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(Ui& ui) {
    Snapshot s;
    for (int id : {390, 391, 392, 393, 397, 398, 399, 501, 1398, 1399, 1500}) s.texts.push_back(ui.text(id));
    for (int id : {490, 491, 492, 493, 494, 495, 496, 907, 909}) s.marks.push_back(ui.checked(id));
    return s;
}

// ---- Start-up ------------------------------------------------------------------------

void start_state(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.context("start-up");
    r.equal(ui.window_text(ui.main()), "Quorvel Numeral Studio", "caption");
    r.equal(ui.text(390), "0", "number box");
    for (int id : {391, 392, 393}) r.equal(ui.text(id), "--", "result box " + std::to_string(id));
    t.check_state();
    r.check(ui.focus() == GetDlgItem(ui.main(), 390), "the number box has the keyboard focus");

    const LONG style = style_of(ui.main());
    r.check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) && (style & WS_MINIMIZEBOX),
            "title bar, system menu and minimise box");
    r.check(!(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME), "no maximise box, no sizing border");
    r.check(t.centred(ui.main()), "centred on the screen");

    DWORD_PTR big = 0, small = 0;
    SendMessageTimeoutA(ui.main(), WM_GETICON, ICON_BIG, 0, SMTO_NORMAL, reply_limit_ms, &big);
    SendMessageTimeoutA(ui.main(), WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, reply_limit_ms, &small);
    r.check(big != 0 && small != 0, "large and small window icons set");

    // The green tick, the blue arrow and the red cross beside About, Refresh
    // and Exit: 12 by 12 pixels on white.
    const std::pair<int, COLORREF> items[] = {{414, RGB(0, 128, 0)}, {418, RGB(0, 128, 255)}, {2, RGB(255, 0, 0)}};
    for (const auto& [id, colour] : items) {
        const std::string what = "menu item " + std::to_string(id);
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_CHECKMARKS;
        const bool ok = GetMenuItemInfoA(ui.menu(), static_cast<UINT>(id), FALSE, &mii);
        if (!r.check(ok && mii.hbmpChecked && mii.hbmpChecked == mii.hbmpUnchecked,
                     what + " shows its bitmap checked and unchecked"))
            continue;
        BITMAP bm{};
        GetObjectA(mii.hbmpChecked, sizeof bm, &bm);
        r.check(bm.bmWidth == 12 && bm.bmHeight == 12, what + " bitmap is 12 x 12");
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, mii.hbmpChecked);
        bool has_colour = false;
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x) has_colour |= GetPixel(dc, x, y) == colour;
        r.check(has_colour, what + " bitmap drawn in its colour");
        r.check(GetPixel(dc, 0, 0) == RGB(255, 255, 255), what + " bitmap on white");
        SelectObject(dc, old);
        DeleteDC(dc);
    }
}

// ---- Menu --------------------------------------------------------------------------------

struct MenuEntry {
    int depth;
    std::string text;
    int id;  // 0 separator, -1 submenu
};

const std::vector<MenuEntry>& menu_tree() {
    static const std::vector<MenuEntry> tree = {
        {0, "  M&ain ", -1},
        {1, " &Convert", 411},
        {1, "", 0},
        {1, " &Refresh", 418},
        {1, " Reload &default settings", 1418},
        {1, " Re&fresh and Reload default settings", 1413},
        {1, "", 0},
        {1, " E&xit", 2},
        {0, "  &Base  ", -1},
        {1, "&Decimal  [default]", 490},
        {1, "&Binary", 491},
        {1, "&Octal", 493},
        {1, "&Hexadecimal", 492},
        {0, "  &Mode  ", -1},
        {1, "&Unsigned - conventional  [default]", 494},
        {1, "Signed - &1s complement", 495},
        {1, "Signed - &2s complement", 496},
        {0, "  &Length  ", -1},
        {1, " &Auto-detect", 419},
        {1, " &Define length", 1411},
        {1, " &Standard lengths ", -1},
        {2, "    4 bit \t-   &NIBBLE", 901},
        {2, "    8 bit \t-   &BYTE", 902},
        {2, "  16 bit \t-   &HWORD ", 903},
        {2, "  &24 bit", 904},
        {2, "  32 bit \t-   &WORD  [default]", 906},
        {1, "", 0},
        {1, " &View current lengths ", 1412},
        {1, " Show valid &range for current length", 519},
        {0, "  &Extra ", -1},
        {1, "&Refine input", 1419},
        {1, "Remove &sign", 908},
        {1, "", 0},
        {1, "Enable &C/C++ like hex in result \t[ 0x1234 ]", 907},
        {1, "Enable s&mall letters in hex result \t[ abcdef  ]", 909},
        {0, "  &Help ", -1},
        {1, " &Help", 412},
        {1, " &Error messages", -1},
        {2, "Error 0x0&1   [ NULL ]", 111},
        {2, "Error 0x0&2   [ Invalid input ]", 112},
        {2, "Error 0x0&3   [ Out of range ]", 113},
        {2, "Error 0x0&4   [ Signed ]", 114},
        {2, "Error 0xF&F   [ &Unknown/system ]", 115},
        {1, "", 0},
        {1, " &Bug report ", 1414},
        {1, "", 0},
        {1, " &About", 414},
    };
    return tree;
}

void read_menu(HMENU menu, int depth, std::vector<MenuEntry>& out) {
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        char text[128] = {};
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = text;
        mii.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
        if (mii.fType & MFT_SEPARATOR) out.push_back({depth, "", 0});
        else if (mii.hSubMenu) {
            out.push_back({depth, text, -1});
            read_menu(mii.hSubMenu, depth + 1, out);
        } else out.push_back({depth, text, static_cast<int>(mii.wID)});
    }
}

void menu(Session& t) {
    t.context("menu bar");
    std::vector<MenuEntry> got;
    read_menu(t.ui.menu(), 0, got);
    const auto& want = menu_tree();
    t.r.check(got.size() == want.size(), "menu has " + std::to_string(want.size()) + " entries, got " +
                                             std::to_string(got.size()));
    for (std::size_t i = 0; i < std::min(got.size(), want.size()); ++i) {
        const std::string what = "menu entry " + std::to_string(i) + " (\"" + visible(want[i].text) + "\")";
        t.r.equal(got[i].text, want[i].text, what + " text");
        t.r.check(got[i].depth == want[i].depth && got[i].id == want[i].id,
                  what + " place and id " + std::to_string(got[i].id));
    }
}

// ---- Main window controls ----------------------------------------------------------

void main_controls(Session& t) {
    t.context("main window controls");
    const auto kids = t.ui.children(t.ui.main());
    const std::pair<int, std::string> want[] = {
        {394, "Number"}, {394, "Results"}, {394, "Command"}, {394, "User"},
        {411, "&Convert"}, {418, "&Refresh"}, {412, "&Help"}, {2, "E&xit"},
        {394, expect::status_caption}, {394, "Quorvel v1.1"},
    };
    for (const auto& w : want) {
        bool found = false;
        for (const auto& k : kids) found |= k == w;
        t.r.check(found, "control " + std::to_string(w.first) + " \"" + visible(w.second) + "\"");
    }
    HWND number = GetDlgItem(t.ui.main(), 390);
    t.r.check(number && !(style_of(number) & ES_READONLY) && (style_of(number) & ES_CENTER),
              "number box editable and centred");
    for (int id : {391, 392, 393}) {
        HWND box = GetDlgItem(t.ui.main(), id);
        t.r.check(box && (style_of(box) & ES_READONLY) && (style_of(box) & ES_CENTER),
                  "result box " + std::to_string(id) + " read-only and centred");
    }
    HWND convert = GetDlgItem(t.ui.main(), 411);
    t.r.check(convert && (style_of(convert) & BS_TYPEMASK) != BS_DEFPUSHBUTTON, "Convert is not a default button");
}

// ---- Settings commands ---------------------------------------------------------------

void settings_commands(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.context("bases");
    const auto shown = t.convert("255");
    for (Base b : {Base::bin, Base::bin, Base::oct, Base::hex, Base::dec}) {
        t.context(std::string("base ") + base_name(b));
        t.set_base(b);
        t.check_state();
        r.equal(ui.text(390), "255", "number box kept");
        r.check(t.results() == shown, "results kept under the new labels");
    }
    for (Mode m : {Mode::ones, Mode::twos, Mode::twos, Mode::us}) {
        t.context(std::string("mode ") + expect::status_mode(m));
        t.set_mode(m);
        t.check_state();
        r.check(t.results() == shown, "results kept until the next Convert");
    }
    t.set_base(Base::oct);
    t.set_mode(Mode::ones);
    for (int len : {4, 8, 16, 24, 32}) {
        t.context("standard length " + std::to_string(len));
        t.set_len(len);
        t.check_state();
        t.check_view_lengths();
        r.check(t.results() == shown, "results kept");
    }

    t.context("unknown commands");
    const Snapshot before = snapshot(ui);
    for (int id : {0, 1, 3, 390, 391, 393, 500, 905, 1000, 1415, 4242, 65535}) {
        ui.command(id);  // any window opening now is reported as unexpected
        r.check(snapshot(ui) == before, "command " + std::to_string(id) + " changes nothing");
    }

    t.context("Reload default settings");
    t.set_base(Base::bin);
    t.set_mode(Mode::twos);
    t.set_len(8);
    t.set_options(true, true);
    ui.set_text(390, "1010");
    ui.command(1418);
    t.s = Settings{Base::dec, Mode::us, 32, true, true};
    t.check_state();
    t.check_view_lengths();
    r.equal(ui.text(390), "1010", "number box kept");
    r.check(t.results() == shown, "results kept");

    t.context("Reload default settings from hexadecimal");
    t.set_base(Base::hex);
    t.set_mode(Mode::ones);
    t.set_len(16);
    ui.command(1418);
    t.s = Settings{Base::dec, Mode::us, 32, true, true};
    t.check_state();
    r.check(t.results() == shown, "results kept");

    t.context("Refresh");
    t.set_base(Base::hex);
    t.set_mode(Mode::ones);
    t.set_len(16);
    ui.set_text(390, "ABC");
    ui.command(418);
    t.check_state();
    r.equal(ui.text(390), "0", "number box after Refresh");
    for (int id : {391, 392, 393}) r.equal(ui.text(id), "--", "result box after Refresh");
    t.context("Refresh button");
    t.convert("FF");
    ui.set_text(390, "1F");
    ui.click(418);
    t.check_state();
    r.equal(ui.text(390), "0", "number box after the Refresh button");
    for (int id : {391, 392, 393}) r.equal(ui.text(id), "--", "result box after the Refresh button");

    t.context("Refresh and Reload default settings");
    t.set_base(Base::oct);
    t.set_mode(Mode::twos);
    t.set_len(24);
    t.convert("777");
    ui.command(1413);
    t.s = Settings{Base::dec, Mode::us, 32, true, true};
    t.check_state();
    t.check_view_lengths();
    r.equal(ui.text(390), "0", "number box");
    for (int id : {391, 392, 393}) r.equal(ui.text(id), "--", "result box");
    t.set_options(false, false);
    t.check_state();
}

// ---- Hexadecimal result options ----------------------------------------------------

void options(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.context("hex options");
    t.apply(Settings{});
    t.check_state();
    r.equal(t.convert("255")[2], "000000FF", "plain");
    ui.command(907);
    t.s.c_hex = true;
    t.check_state();
    r.equal(ui.text(393), "000000FF", "prefix not added before the next Convert");
    r.equal(t.convert("255")[2], "0x000000FF", "with prefix");
    ui.command(907);
    t.s.c_hex = false;
    t.check_state();
    r.equal(ui.text(393), "0x000000FF", "prefix stays until the next Convert");
    r.equal(t.convert("255")[2], "000000FF", "prefix off");
    t.set_options(false, true);
    r.equal(t.convert("255")[2], "000000ff", "small letters");
    t.set_options(true, true);
    r.equal(t.convert("255")[2], "0x000000ff", "both");
    t.convert("12a", "N");
    r.equal(ui.text(393), "--", "an error leaves -- without prefix");
    t.set_len(16);
    r.equal(t.convert("48879")[2], "0xbeef", "48879 at 16 bits");
    ui.command(1418);
    t.s = Settings{Base::dec, Mode::us, 32, true, true};
    t.check_state();
    t.set_options(false, false);
    t.check_state();
}

// ---- Remove sign and Refine input ----------------------------------------------------

void corrections(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    struct Case {
        Base base;
        int command;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {Base::dec, 908, "-42", "42"},     {Base::dec, 908, "+42", "42"},       {Base::dec, 908, "42", "42"},
        {Base::dec, 908, "--42", "-42"},   {Base::dec, 908, "-", "0"},          {Base::bin, 908, "-101", "101"},
        {Base::hex, 908, "+0x1F", "0x1F"}, {Base::dec, 1419, "12,345", "12345"}, {Base::dec, 1419, "-12a3", "-123"},
        {Base::hex, 1419, "0x1G2", "0x12"}, {Base::bin, 1419, "1 0 1", "101"},  {Base::oct, 1419, "1289", "12"},
        {Base::dec, 1419, "", "0"},        {Base::hex, 1419, "-1F", "1F"},      {Base::hex, 1419, "0X zz", "0X"},
        {Base::dec, 1419, "+ 7", "+7"},    {Base::oct, 1419, "abc", "0"},       {Base::hex, 1419, "DEAD BEEF", "DEADBEEF"},
    };
    t.apply(Settings{});
    const auto shown = t.convert("7");
    for (const Case& c : cases) {
        t.context(std::string(c.command == 908 ? "Remove sign" : "Refine input") + " in " + base_name(c.base) +
                  " on \"" + c.before + "\"");
        if (t.s.base != c.base) t.set_base(c.base);
        ui.set_text(390, c.before);
        ui.command(c.command);
        const std::string model = c.command == 908 ? expect::remove_sign(c.before) : expect::refine(c.base, c.before);
        r.equal(ui.text(390), c.after, "number box");
        r.equal(ui.text(390), model, "number box (model)");
        r.check(t.results() == shown, "results kept");
    }
    t.set_base(Base::dec);
}

// ---- Auto-detect ----------------------------------------------------------------------

// Runs Auto-detect on a text; answer 'S' Set, 'C' Cancel, 'E' the Enter key,
// 'X' the Escape key.
void auto_case(Session& t, Base base, const std::string& text, char answer, int want_shown) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.context(std::string("Auto-detect in ") + base_name(base) + " on \"" + visible(text) + "\" answer " + answer);
    if (t.s.base != base) t.set_base(base);
    ui.set_text(390, text);
    const int detected = expect::detected_length(base, text);
    const int model_shown = detected < 1 ? 1 : detected > 32 ? 32 : detected;
    r.check(model_shown == want_shown, "model agrees: " + std::to_string(model_shown));
    bool note = false, dialog = false;
    ui.command(419, [&](const Modal& m) -> Action {
        if (m.message_box && !note && !dialog) {
            note = true;
            t.check_box(m, expect::note_title, expect::auto_too_big_text, Icon::information, {IDOK}, "too-big note");
            return press(IDOK);
        }
        if (m.message_box || dialog) return {};
        dialog = true;
        r.equal(m.title, " Auto detected...", "dialog caption");
        r.equal(ui.text(m.hwnd, 201), std::to_string(want_shown), "detected length shown");
        r.equal(ui.text(m.hwnd, 1), "&Set", "Set button");
        r.equal(ui.text(m.hwnd, 2), "&Cancel", "Cancel button");
        bool label = false;
        for (const auto& k : ui.children(m.hwnd)) label |= k.second == "Auto detected length is      bit";
        r.check(label, "dialog text");
        t.check_frame(m.hwnd, false, "dialog");
        if (answer == 'E') {
            SendMessageA(m.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m.hwnd, 1)), TRUE);
            return {Action::enter, 0};
        }
        if (answer == 'X') return {Action::escape, 0};
        return press(answer == 'C' ? 2 : 1);
    });
    r.check(note == (detected > 32), std::string("too-big note ") + (detected > 32 ? "shown" : "not shown"));
    r.check(dialog, "confirmation dialog shown");
    if (answer == 'S' || answer == 'E') t.s.len = want_shown;
    t.check_state();
    t.check_view_lengths();
    r.equal(ui.text(390), text, "number box unchanged");
}

void auto_detect(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.apply(Settings{});
    t.context("Auto-detect in decimal base");
    ui.set_text(390, "12345");
    int notes = 0;
    ui.command(419, [&](const Modal& m) -> Action {
        if (!m.message_box || notes++) return {};
        t.check_box(m, expect::note_title, expect::auto_decimal_text, Icon::information, {IDOK}, "decimal note");
        return press(IDOK);
    });
    r.check(notes == 1, "decimal base refused with a note");
    t.check_state();
    t.check_view_lengths();

    auto_case(t, Base::bin, "1011", 'S', 4);
    auto_case(t, Base::bin, "-101", 'S', 4);
    auto_case(t, Base::bin, "10110", 'C', 5);  // back to 4
    auto_case(t, Base::oct, "777", 'S', 9);
    auto_case(t, Base::oct, "12345670123", 'S', 32);
    auto_case(t, Base::oct, "123456701234", 'S', 32);
    auto_case(t, Base::hex, "FF", 'S', 8);
    auto_case(t, Base::hex, "0xFF", 'S', 8);
    auto_case(t, Base::hex, "0x", 'S', 1);
    auto_case(t, Base::hex, "123456789", 'S', 32);
    auto_case(t, Base::bin, "", 'S', 1);
    auto_case(t, Base::bin, std::string(40, '1'), 'C', 32);  // back to 1
    auto_case(t, Base::bin, std::string(60, '1'), 'S', 32);
    auto_case(t, Base::hex, "0XABC", 'E', 12);
    auto_case(t, Base::bin, "1 1x", 'X', 4);  // back to 12
    auto_case(t, Base::oct, "12", 'S', 6);
}

// ---- Length dialogs ------------------------------------------------------------------

void define_length(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;
    t.apply(Settings{});

    t.context("Define length dialog");
    bool opened = false;
    ui.command(1411, [&](const Modal& m) -> Action {
        if (m.message_box || opened) return {};
        opened = true;
        r.equal(m.title, " Define length...", "caption");
        r.equal(ui.text(m.hwnd, 201), "32", "current length");
        r.equal(ui.text(m.hwnd, 393), "32", "proposed length");
        r.equal(ui.text(m.hwnd, 1411), "&Set", "Set button");
        r.equal(ui.text(m.hwnd, 2), "&Cancel", "Cancel button");
        r.check(GetDlgItem(m.hwnd, 1) == nullptr, "no button 1");
        bool a = false, b = false;
        for (const auto& k : ui.children(m.hwnd)) {
            a |= k.second == "Current length of calculation is      bit";
            b |= k.second == "Enter preferred length:        bit";
        }
        r.check(a && b, "dialog texts");
        t.check_frame(m.hwnd, false, "dialog");
        HWND edit = GetDlgItem(m.hwnd, 393);
        r.check(edit && (style_of(edit) & ES_NUMBER), "length box takes digits only");
        SendMessageA(edit, WM_CHAR, 'a', 0);
        r.equal(ui.text(m.hwnd, 393), "32", "a letter typed is refused");
        return press(2);
    });
    r.check(opened, "dialog opened");
    t.check_state();

    // Typed texts with the answers to the refusal; 'O' OK, 'C' Cancel.
    struct Case {
        const char* typed;
        const char* answers;  // to the refusal notes, one per Set
        const char* retype;   // typed after OK, then Set again
        int want;             // the length afterwards
    };
    const Case cases[] = {
        {"12", "", nullptr, 12},
        {"0", "OC", "33", 12},
        {"33", "C", nullptr, 12},
        {"", "C", nullptr, 12},
        {"4294967295", "C", nullptr, 12},
        {"2147483648", "C", nullptr, 12},
        {"0", "O", "1", 1},
        {"032", "", nullptr, 32},
        {"5", "", nullptr, 5},
    };
    for (const Case& c : cases) {
        t.context(std::string("Define length \"") + c.typed + "\"");
        const unsigned v = expect::typed_length(c.typed);
        r.check((v >= 1 && v <= 32) == (*c.answers == 0), "model agrees on refusal");
        int step = 0;
        std::size_t answered = 0;
        std::string typed = c.typed;
        ui.command(1411, [&](const Modal& m) -> Action {
            if (m.message_box) {
                t.check_box(m, expect::length_invalid_title, expect::length_invalid_text, Icon::information, {IDOK, IDCANCEL},
                            "refusal");
                const char a = c.answers[answered] ? c.answers[answered++] : 'C';
                return press(a == 'O' ? IDOK : IDCANCEL);
            }
            if (step == 0) {
                ui.set_text(m.hwnd, 393, typed);
            } else {
                // Back from the refusal with OK: the dialog is still open and
                // holds the refused text.
                r.equal(ui.text(m.hwnd, 393), typed, "typed text kept after OK");
                if (!c.retype || step > 1) return press(2);
                typed = c.retype;
                ui.set_text(m.hwnd, 393, typed);
            }
            ++step;
            return press(1411);
        });
        r.check(answered == std::strlen(c.answers), "refusals answered " + std::to_string(answered));
        t.s.len = c.want;
        t.check_state();
        t.check_view_lengths();
    }

    t.context("Define length: Enter and Escape");
    int seen = 0;
    ui.command(1411, [&](const Modal& m) -> Action {
        if (m.message_box) return {};
        ++seen;
        if (seen == 1) {
            ui.set_text(m.hwnd, 393, "7");
            SendMessageA(m.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m.hwnd, 393)), TRUE);
            return {Action::enter, 0};  // does nothing: no button 1
        }
        r.equal(ui.text(m.hwnd, 393), "7", "still open after Enter");
        return {Action::escape, 0};
    });
    r.check(seen == 2, "Enter left the dialog open, Escape closed it");
    t.check_state();
}

void valid_range(Session& t, int len) {
    Ui& ui = t.ui;
    Report& r = t.r;
    if (t.s.len != len) t.set_len(len);
    t.context("valid range at " + std::to_string(len) + " bits");
    const auto want = expect::valid_ranges(len);
    const int fields[8] = {1911, 1913, 1912, 1915, 1914, 1916, 1917, 1918};
    bool opened = false;
    ui.command(519, [&](const Modal& m) -> Action {
        if (m.message_box || opened) return {};
        opened = true;
        r.equal(m.title, " Valid range for current length ...", "caption");
        t.check_frame(m.hwnd, true, "valid range");
        r.equal(ui.text(m.hwnd, 1919), std::to_string(len), "length field");
        for (int i = 0; i < 8; ++i)
            r.equal(ui.text(m.hwnd, fields[i]), want[static_cast<std::size_t>(i)], "field " + std::to_string(fields[i]));
        if (len == 8 || len == 32) {
            bool text = false;
            for (const auto& k : ui.children(m.hwnd)) text |= k.second == expect::valid_range_text;
            r.check(text, "window text");
            r.check(t.paints_white(m.hwnd, GetDlgItem(m.hwnd, 1911), WM_CTLCOLORSTATIC), "statics drawn on white");
            r.equal(ui.text(m.hwnd, 2), "&OK", "OK button");
            return len == 8 ? Action{Action::close_box, 0} : press(2);
        }
        return press(2);
    });
    r.check(opened, "dialog opened");
}

void length_dialogs(Session& t) {
    define_length(t);
    t.context("View current lengths");
    t.apply(Settings{});
    bool texts = false;
    t.ui.command(1412, [&](const Modal& m) -> Action {
        if (m.message_box || texts) return {};
        texts = true;
        int found = 0;
        for (const auto& k : t.ui.children(m.hwnd))
            for (const char* w : {"Binary", "Octal", "Hexadecimal", "bit", "digit"}) found += k.second == w;
        t.r.check(found >= 5, "names and units");
        t.r.equal(t.ui.text(m.hwnd, 2), "&OK", "OK button");
        return {Action::escape, 0};
    });
    t.r.check(texts, "dialog opened and closed with Escape");
    t.set_len(24);
    t.check_view_lengths();
    for (int len = 1; len <= 32; ++len) valid_range(t, len);
    valid_range(t, 8);
    valid_range(t, 32);
}

// ---- Information dialogs ---------------------------------------------------------------

// The run-time edit boxes of a window (class Edit).
std::vector<HWND> edits(HWND dlg) {
    std::vector<HWND> out;
    EnumChildWindows(
        dlg,
        [](HWND c, LPARAM lp) -> BOOL {
            if (class_of(c) == "Edit") reinterpret_cast<std::vector<HWND>*>(lp)->push_back(c);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

// Whether an edit box is drawn with a frame: its outermost pixels are dark.
// (An edit box takes WS_BORDER out of its style and draws the frame itself,
// so the style does not tell.)
bool framed(HWND edit) {
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(edit, &r);
    HDC dc = GetWindowDC(edit);
    const COLORREF top = GetPixel(dc, (r.right - r.left) / 2, 0);
    const COLORREF left = GetPixel(dc, 0, (r.bottom - r.top) / 2);
    ReleaseDC(edit, dc);
    auto dark = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 160; };
    return dark(top) && dark(left);
}

// An address box: text can be selected and copied but not changed.
void address_box(Session& t, HWND edit, const std::string& what) {
    const std::string before = t.ui.window_text(edit);
    t.r.check(!before.empty(), what + " holds an address");
    t.r.check(style_of(edit) & ES_READONLY, what + " is read-only");
    SendMessageA(edit, WM_CHAR, 'z', 0);
    SendMessageA(edit, WM_KEYDOWN, VK_BACK, 0);
    SendMessageA(edit, WM_CHAR, '\b', 0);
    t.r.equal(t.ui.window_text(edit), before, what + " refuses typing");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    DWORD from = 0, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    t.r.check(from == 0 && to == before.size(), what + " text can be selected");
    SendMessageA(edit, WM_COPY, 0, 0);
    std::string copied;
    if (OpenClipboard(nullptr)) {
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
            if (const char* p = static_cast<const char*>(GlobalLock(h))) {
                copied = p;
                GlobalUnlock(h);
            }
        }
        CloseClipboard();
    }
    t.r.equal(copied, before, what + " text copied");
}

void info_dialogs(Session& t) {
    Ui& ui = t.ui;
    Report& r = t.r;

    for (int way = 0; way < 2; ++way) {
        t.context(way ? "Help button" : "Help menu");
        bool opened = false;
        auto handler = [&](const Modal& m) -> Action {
            if (m.message_box || opened) return {};
            opened = true;
            r.equal(m.title, " HELP - Quorvel Numeral Studio", "caption");
            t.check_frame(m.hwnd, true, "Help");
            bool text = false;
            HWND text_static = nullptr;
            for (const auto& k : ui.children(m.hwnd)) text |= k.second == expect::help_text;
            EnumChildWindows(
                m.hwnd,
                [](HWND c, LPARAM lp) -> BOOL {
                    char buf[16] = {};
                    GetWindowTextA(c, buf, sizeof buf);
                    if (std::strncmp(buf, "See Help.html", 13) == 0) *reinterpret_cast<HWND*>(lp) = c;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&text_static));
            r.check(text, "help text");
            const auto e = edits(m.hwnd);
            if (r.check(e.size() == 1, "one address box")) {
                address_box(t, e[0], "help address");
                r.check(!framed(e[0]) && !(style_of(e[0]) & (ES_CENTER | ES_RIGHT)),
                        "help address without frame, left-aligned");
                r.check(t.paints_white(m.hwnd, e[0], WM_CTLCOLOREDIT), "address box on white (edit)");
                r.check(t.paints_white(m.hwnd, e[0], WM_CTLCOLORSTATIC), "address box on white (read-only)");
            }
            r.check(text_static && t.paints_white(m.hwnd, text_static, WM_CTLCOLORSTATIC), "text on white");
            r.equal(ui.text(m.hwnd, 2), "&OK", "OK button");
            return way ? Action{Action::escape, 0} : press(2);
        };
        if (way) ui.click(412, handler);
        else ui.command(412, handler);
        r.check(opened, "Help window opened");
    }

    t.context("About");
    bool opened = false;
    ui.command(414, [&](const Modal& m) -> Action {
        if (m.message_box || opened) return {};
        opened = true;
        r.equal(m.title, " ABOUT - Quorvel Numeral Studio", "caption");
        t.check_frame(m.hwnd, true, "About");
        int found = 0;
        for (const auto& k : ui.children(m.hwnd)) found += k.second == "Quorvel Numeral Studio" || k.second == "Version 1.1";
        r.check(found == 2, "name and version");
        for (const auto& k : ui.children(m.hwnd))
            if (k.second == "Version 1.1")
                r.check(t.paints_white(m.hwnd, GetDlgItem(m.hwnd, k.first), WM_CTLCOLORSTATIC), "text on white");
        const auto e = edits(m.hwnd);
        if (r.check(e.size() == 2, "two address boxes")) {
            address_box(t, e[0], "contact address");
            address_box(t, e[1], "web address");
            r.check(ui.window_text(e[0]).find('@') != std::string::npos, "first box holds the e-mail address");
            for (HWND h : e) {
                r.check(framed(h) && (style_of(h) & ES_CENTER), "address box framed and centred");
                r.check(t.paints_white(m.hwnd, h, WM_CTLCOLORSTATIC), "address box on white");
            }
        }
        HWND icon = nullptr;
        EnumChildWindows(
            m.hwnd,
            [](HWND c, LPARAM lp) -> BOOL {
                if (SendMessageA(c, STM_GETICON, 0, 0)) *reinterpret_cast<HWND*>(lp) = c;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&icon));
        r.check(icon != nullptr, "program icon shown");
        r.equal(ui.text(m.hwnd, 2), "&OK", "OK button");
        return {Action::close_box, 0};
    });
    r.check(opened, "About opened and closed with the close box");

    const char* texts[5] = {expect::info_0x01, expect::info_0x02, expect::info_0x03, expect::info_0x04,
                            expect::info_0xFF};
    for (int i = 0; i < 5; ++i) {
        const int id = 111 + i;
        t.context("Error messages item " + std::to_string(id));
        bool seen = false;
        ui.command(id, [&](const Modal& m) -> Action {
            if (m.message_box || seen) return {};
            seen = true;
            r.equal(m.title, " Error Message info...", "caption");
            t.check_frame(m.hwnd, true, "error information");
            r.equal(ui.text(m.hwnd, 116), texts[i], "error text");
            r.check(t.paints_white(m.hwnd, GetDlgItem(m.hwnd, 116), WM_CTLCOLORSTATIC), "text on white");
            r.equal(ui.text(m.hwnd, 2), "&OK", "OK button");
            return press(2);
        });
        r.check(seen, "window opened");
    }

    t.context("Bug report");
    int notes = 0;
    ui.command(1414, [&](const Modal& m) -> Action {
        if (!m.message_box || notes++) return {};
        r.equal(m.title, "Report a bug ...", "title");
        r.check(m.icon == Icon::none, "no icon");
        r.check(m.buttons == std::vector<int>{IDOK}, "only OK");
        r.check(m.text.find('@') != std::string::npos, "contact address given");
        return press(IDOK);
    });
    r.check(notes == 1, "one note");
}

// ---- Convert ----------------------------------------------------------------------------

struct ConvertCase {
    Settings s;
    std::string input;
    std::string answers;
    std::vector<std::string> boxes;  // empty: the model alone decides
};

Settings S(Base b, Mode m, int len, bool c_hex = false, bool c_small = false) { return {b, m, len, c_hex, c_small}; }

std::vector<ConvertCase> convert_cases() {
    const Base D = Base::dec, B = Base::bin, O = Base::oct, H = Base::hex;
    const Mode U = Mode::us, O1 = Mode::ones, T = Mode::twos;
    const std::vector<std::string> none = {"--", "--", "--"};
    std::vector<ConvertCase> c = {
        // Empty input, a sign alone, a prefix alone.
        {S(D, O1, 8), "+", "", none},
        {S(D, T, 8), "-", "", none},
        {S(D, U, 32), "-", "", none},
        {S(H, U, 32), "0x", "", none},
        {S(H, T, 32), "0X", "", none},
        // Unsigned decimal and its signs.
        {S(D, U, 32), "+5", "", {zeros(29) + "101", "00000000005", "00000005"}},
        {S(D, U, 32), "-5", "N", none},
        {S(D, U, 32), "-5", "C", none},
        {S(D, U, 32), "-5", "E", none},
        {S(D, U, 32), "-5", "X", none},
        {S(D, O1, 32), "-5", "", {ones(29) + "010", "37777777772", "FFFFFFFA"}},
        {S(D, U, 32), "4294967295", "", {ones(32), "37777777777", "FFFFFFFF"}},
        {S(D, U, 32), "4294967296", "", none},
        {S(D, O1, 32), "-2147483648", "", none},
        {S(D, T, 32), "-2147483648", "", {"1" + zeros(31), "20000000000", "80000000"}},
        {S(D, T, 32), "2147483648", "", none},
        {S(D, T, 32), "+2147483648", "", none},
        {S(D, U, 32), "12a", "N", none},
        {S(D, U, 32), " 12", "N", none},
        {S(D, U, 32), "-12a", "N", none},
        {S(D, U, 32), "1" + zeros(32), "", none},
        {S(D, U, 32), zeros(47) + "7", "", {zeros(29) + "111", "00000000007", "00000007"}},
        {S(D, U, 8), "300", "", {"00101100", "454", "2C"}},
        // Binary, hexadecimal, octal input at their limits.
        {S(B, U, 32), ones(33), "", none},
        {S(B, U, 32), "0" + ones(32), "", {"4294967295", "37777777777", "FFFFFFFF"}},
        {S(B, U, 32), "-101", "N", none},
        {S(H, U, 32), "0x1f", "", {"31", zeros(27) + "11111", "00000000037"}},
        {S(H, U, 32), "1F", "", {"31", zeros(27) + "11111", "00000000037"}},
        {S(H, U, 32), "FFFFFFFF", "", {"4294967295", ones(32), "37777777777"}},
        {S(H, U, 32), "100000000", "", none},
        {S(H, U, 32), "0xg", "N", none},
        {S(H, U, 32), "-0x1F", "N", none},
        {S(O, U, 32), "37777777777", "", {"4294967295", ones(32), "FFFFFFFF"}},
        {S(O, U, 32), "40000000000", "", none},
        {S(O, U, 32), "8", "N", none},
        // Only the first 48 characters count.
        {S(B, U, 32), zeros(47) + "1" + "222", "", {"1", "00000000001", "00000001"}},
        {S(O, U, 32), zeros(40) + "17" + zeros(6) + "9", "", {}},
        {S(D, O1, 8), zeros(46) + "12" + "xyz", "", {"00001100", "014", "0C"}},
        // Signed rows.
        {S(D, O1, 8), "-5", "", {"11111010", "372", "FA"}},
        {S(D, T, 8), "-5", "", {"11111011", "373", "FB"}},
        {S(B, T, 32), "1" + zeros(31), "", {"-2147483648", "20000000000", "80000000"}},
        {S(B, O1, 32), "1" + zeros(31), "", {"-2147483647", "20000000000", "80000000"}},
        {S(B, U, 8), "11111111", "", {"255", "377", "FF"}},
        {S(B, O1, 8), "11111111", "", {"0", "377", "FF"}},
        {S(B, T, 8), "11111111", "", {"-1", "377", "FF"}},
        {S(H, T, 8), "0xff", "", {"-1", "11111111", "377"}},
        {S(H, U, 30), "FFFFFFFF", "", {"4294967295", ones(32), "7777777777"}},
        {S(O, U, 8), "377", "", {"255", "11111111", "FF"}},
        {S(H, T, 8), "FF", "", {"-1", "11111111", "377"}},
        {S(H, T, 8), "F", "", {"15", "00001111", "017"}},
        {S(B, O1, 8), "101", "", {"-2", "005", "05"}},
        {S(B, T, 8), "101", "", {"-3", "005", "05"}},
        {S(B, T, 32), "1111", "", {"-1", "00000000017", "0000000F"}},
        {S(B, U, 8), ones(9), "", {"511", "777", "FF"}},
        {S(H, U, 8), "FFF", "", {"4095", "11111111", "377"}},
        {S(D, O1, 1), "-0", "", {"1", "1", "1"}},
        {S(D, T, 1), "-1", "", {"1", "1", "1"}},
        {S(D, O1, 32), "-0", "", {ones(32), "37777777777", "FFFFFFFF"}},
        {S(D, T, 32), "-0", "", {zeros(32), "00000000000", "00000000"}},
        {S(O, T, 32), "20000000000", "", {"-2147483648", "1" + zeros(31), "80000000"}},
        {S(H, T, 32), "80000000", "", {"-2147483648", "1" + zeros(31), "20000000000"}},
        // Hexadecimal result options.
        {S(D, U, 32, true), "255", "", {zeros(24) + ones(8), "00000000377", "0x000000FF"}},
        {S(D, U, 32, false, true), "255", "", {zeros(24) + ones(8), "00000000377", "000000ff"}},
        {S(D, U, 32, true, true), "255", "", {zeros(24) + ones(8), "00000000377", "0x000000ff"}},
        {S(D, U, 16, true, true), "48879", "", {"1011111011101111", "137357", "0xbeef"}},
        {S(B, U, 8, true, true), "11111010", "", {"250", "372", "0xfa"}},
        {S(O, T, 8, true, true), "372", "", {"-6", "11111010", "0xfa"}},
        {S(H, U, 8, true, true), "0xFF", "", {"255", "11111111", "377"}},
        {S(D, U, 8, true, true), "12a", "N", none},
        // Corrections after Yes.
        {S(B, U, 32), "-101", "Y", {"5", "00000000005", "00000005"}},
        {S(D, O1, 32), "-12a", "Y", {ones(28) + "0011", "37777777763", "FFFFFFF3"}},
        {S(H, U, 32), "0xZ", "Y", none},
        {S(D, U, 32), "-5x", "YY", {zeros(29) + "101", "00000000005", "00000005"}},
        {S(D, U, 32), "-5x", "YN", none},
        {S(D, U, 32), "-+5", "Y", {zeros(29) + "101", "00000000005", "00000005"}},
        {S(D, U, 32), "--5", "YY", {zeros(29) + "101", "00000000005", "00000005"}},
        {S(D, U, 32), "12 345", "Y", {zeros(18) + "11000000111001", "00000030071", "00003039"}},
        {S(D, U, 32), "-", "Y", none},
        {S(O, O1, 8), "-9", "YY", {"0", "00000000", "00"}},
        {S(H, U, 32), "0x-1F", "Y", {"31", zeros(27) + "11111", "00000000037"}},
        {S(B, U, 32), "+-1", "YY", {"1", "00000000001", "00000001"}},
    };

    // A sweep of values around the limits of each length, in every base and
    // mode, with the model alone deciding.
    std::mt19937 rng(20240611);
    for (Base b : {D, B, O, H})
        for (Mode m : {U, O1, T})
            for (int len : {1, 4, 7, 8, 12, 19, 31, 32}) {
                const std::uint64_t p = std::uint64_t{1} << (len - 1);
                std::vector<std::uint64_t> values = {0, 1, 5, p - 1, p, p + 1, 2 * p - 1, 2 * p, 0x7FFFFFFFu,
                                                     0x80000000u, 0xFFFFFFFFu, rng(), rng() & 0xFFFFu};
                if (b == D) values.push_back(0x100000000u);
                for (std::uint64_t v : values) {
                    std::string text;
                    switch (b) {
                    case Base::dec: text = std::to_string(v); break;
                    case Base::bin: text = model::fixed(v, 2, 40); break;
                    case Base::oct: text = model::fixed(v, 8, 16); break;
                    case Base::hex: text = model::fixed(v, 16, 10); break;
                    }
                    // Drop the padding, keeping a few zeros now and then.
                    const std::size_t first = text.find_first_not_of('0');
                    const std::size_t keep = rng() % 3 == 0 ? 2 : 0;
                    text = first == std::string::npos ? "0" : text.substr(first >= keep ? first - keep : 0);
                    if (b == H && rng() % 2) text = (rng() % 2 ? "0x" : "0X") + text;
                    if (b == H && rng() % 2)
                        for (char& ch : text)
                            if (ch >= 'A' && ch <= 'F') ch = static_cast<char>(ch - 'A' + 'a');
                    c.push_back({S(b, m, len), text, "", {}});
                    if (b == D && m != U && v != 0) c.push_back({S(b, m, len), "-" + text, "", {}});
                    if (b == D && m != U && v == 5) c.push_back({S(b, m, len), "+" + text, "", {}});
                }
            }
    return c;
}

void conversions(Session& t) {
    auto cases = convert_cases();
    // Group by settings, so that each is chosen once.
    std::stable_sort(cases.begin(), cases.end(), [](const ConvertCase& a, const ConvertCase& b) {
        auto key = [](const Settings& s) {
            return std::tuple(static_cast<int>(s.base), static_cast<int>(s.mode), s.len, s.c_hex, s.c_small);
        };
        return key(a.s) < key(b.s);
    });
    for (const ConvertCase& c : cases) {
        t.apply(c.s);
        t.context("Convert " + describe(c.s) + " \"" + visible(c.input) + "\"" +
                  (c.answers.empty() ? "" : " answers " + c.answers));
        const auto got = t.convert(c.input, c.answers);
        if (!c.boxes.empty())
            t.results_match(got, {c.boxes[0], c.boxes[1], c.boxes[2]});
    }
    t.context("Convert again after a correction");
    t.apply(S(Base::bin, Mode::us, 32));
    t.convert("-101", "Y");
    t.convert(t.ui.text(390));  // no message the second time

    t.context("Convert button");
    t.apply(Settings{});
    t.ui.set_text(390, "255");
    t.ui.click(411);
    t.results_match(t.results(), {zeros(24) + ones(8), "00000000377", "000000FF"});
}

// ---- Keys in the main window -----------------------------------------------------------

void keys(Session& t) {
    t.context("Enter in the number box");
    Ui& ui = t.ui;
    SendMessageA(ui.main(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(ui.main(), 390)), TRUE);
    ui.set_text(390, "123");
    const Snapshot before = snapshot(ui);
    ui.post_key(VK_RETURN);
    ui.settle();
    ui.command(0);  // answers any window the key opened, as unexpected
    t.r.check(snapshot(ui) == before, "Enter changes nothing");
    t.r.check(IsWindow(ui.main()) != 0, "the program is still running");
}

}  // namespace

void run_full(Ui& ui, Report& report) {
    Session t(ui, report);
    start_state(t);
    menu(t);
    main_controls(t);
    t.check_view_lengths();
    settings_commands(t);
    options(t);
    corrections(t);
    auto_detect(t);
    length_dialogs(t);
    info_dialogs(t);
    conversions(t);
    keys(t);
}

}  // namespace e2e
