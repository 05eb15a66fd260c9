// Every byte a user can type, 0x20 to 0xFF in the Windows code page, typed,
// pasted and set into every edit box of the program (the number box, the
// read-only result boxes and the Define length box), each time drawn at once.
// A fault in the font code while drawing ends the program, and this run with
// it; a run that ends without its closing line fails. (Where the status
// fields stand over their caption is the layout scenario's.)
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver_scenarios.h"
#include "driver_session.h"

namespace e2e {

namespace {

constexpr int first_byte = 0x20, last_byte = 0xFF;

std::string hex_byte(int b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

bool to_clipboard(HWND owner, const std::string& s) {
    if (!OpenClipboard(owner)) return false;
    bool ok = false;
    if (EmptyClipboard()) {
        if (HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, s.size() + 1)) {
            std::memcpy(GlobalLock(g), s.c_str(), s.size() + 1);
            GlobalUnlock(g);
            ok = SetClipboardData(CF_TEXT, g) != nullptr;
            if (!ok) GlobalFree(g);
        }
    }
    return CloseClipboard() && ok;
}

enum class Way { typed, pasted, set };
const char* way_name(Way w) { return w == Way::typed ? "typed" : w == Way::pasted ? "pasted" : "set"; }

// Puts a text into an edit box the given way, over whatever it held, and
// draws it: first as it stands, then selected.
void put(Ui& ui, HWND box, const std::string& s, Way way) {
    ui.set_text(GetParent(box), GetDlgCtrlID(box), "");
    if (way == Way::set) {
        ui.set_text(GetParent(box), GetDlgCtrlID(box), s);
    } else if (way == Way::typed) {
        // As the keyboard delivers a typed character: posted to the box.
        for (unsigned char c : s) PostMessageA(box, WM_CHAR, c, 1);
        ui.settle();
    } else {
        DWORD_PTR r = 0;
        if (!ui.report().check(to_clipboard(ui.main(), s), "text put on the clipboard")) return;
        SendMessageTimeoutA(box, WM_PASTE, 0, 0, SMTO_NORMAL, reply_limit_ms, &r);
    }
    ui.report().check(ui.drawn(box), "box drawn");
    SendMessageA(box, EM_SETSEL, 0, -1);
    ui.report().check(ui.drawn(box), "box drawn with the text selected");
}

// What a box holds after a text was put into it: one for digits only keeps
// the digits typed.
// 0x7F is what Ctrl+Backspace types: an editing key to the box, not a
// character it keeps.
std::string kept(const std::string& s, Way way, bool digits_only) {
    if (way != Way::typed) return s;
    std::string d;
    for (char c : s)
        if (digits_only ? c >= '0' && c <= '9' : c != '\x7F') d += c;
    return d;
}

// Each byte alone, then all of them in pieces of at most `piece` bytes
// (a box may take no more), every way a user or the program fills the box.
void every_byte(Session& t, HWND box, const std::string& name, std::size_t piece) {
    Ui& ui = t.ui;
    const LONG style = GetWindowLongA(box, GWL_STYLE);
    const bool read_only = (style & ES_READONLY) != 0, digits_only = (style & ES_NUMBER) != 0,
               fits_only = (style & ES_AUTOHSCROLL) == 0;
    // With QNS_DRIVER_TRACE=1 each step is named before it is taken: the
    // one that kills the program is then the last one shown.
    const char* tr = std::getenv("QNS_DRIVER_TRACE");
    const bool trace = tr && *tr == '1';
    std::vector<std::string> texts;
    for (int b = first_byte; b <= last_byte; ++b) texts.emplace_back(1, static_cast<char>(b));
    std::string all;
    for (int b = first_byte; b <= last_byte; ++b) all += static_cast<char>(b);
    for (std::size_t i = 0; i < all.size(); i += piece) texts.push_back(all.substr(i, piece));

    // A read-only box takes nothing typed or pasted: only the program fills it.
    const std::vector<Way> ways =
        read_only ? std::vector<Way>{Way::set} : std::vector<Way>{Way::typed, Way::pasted, Way::set};
    for (Way way : ways) {
        for (const std::string& s : texts) {
            t.context(name + ": " + way_name(way) + " " +
                      (s.size() == 1 ? hex_byte(static_cast<unsigned char>(s[0]))
                                     : hex_byte(static_cast<unsigned char>(s.front())) + ".." +
                                           hex_byte(static_cast<unsigned char>(s.back()))));
            if (trace) say("trace: %s", t.r.context().c_str());
            put(ui, box, s, way);
            const std::string got = ui.window_text(box), want = kept(s, way, digits_only);
            // A box that does not scroll takes, from a typed or pasted text,
            // only as much as it can show.
            if (fits_only && way != Way::set && want.size() > 1)
                t.r.check(!got.empty() && want.compare(0, got.size(), got) == 0,
                          "the box holds the start of the text: \"" + visible(got) + "\"");
            else
                t.r.equal(got, want, "text in the box");
            t.r.check(IsWindow(ui.main()) != 0, "the program is still running");
        }
    }
}

}  // namespace

void run_glyphs(Ui& ui, Report& report) {
    Session t(ui, report);
    HWND main = ui.main();
    every_byte(t, GetDlgItem(main, 390), "number box", 256);
    for (int id : {391, 392, 393}) every_byte(t, GetDlgItem(main, id), "result box " + std::to_string(id), 256);

    // The Define length box takes at most 32 characters.
    bool opened = false;
    ui.command(1411, [&](const Modal& m) -> Action {
        if (m.message_box || opened) return {};
        opened = true;
        every_byte(t, GetDlgItem(m.hwnd, 393), "Define length box", 32);
        return press(2);
    });
    t.r.check(opened, "Define length dialog opened");

    // Still working afterwards.
    t.context("after every byte");
    t.check_state();
    t.convert("255");
    t.results_match(t.results(), {std::string(24, '0') + std::string(8, '1'), "00000000377", "000000FF"});
}

}  // namespace e2e
