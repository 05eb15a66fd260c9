#include "driver_session.h"

#include <algorithm>
#include <vector>

#include "expected_texts.h"
#include "model.h"

namespace e2e {

using expect::Base;
using expect::Mode;

const char* base_name(Base b) {
    return b == Base::dec ? "dec" : b == Base::bin ? "bin" : b == Base::oct ? "oct" : "hex";
}

std::string describe(const expect::Settings& s) {
    std::string d = std::string(base_name(s.base)) + "/" +
                    (s.mode == Mode::us ? "us" : s.mode == Mode::ones ? "1s" : "2s") + "/" + std::to_string(s.len);
    if (s.c_hex) d += "/0x";
    if (s.c_small) d += "/small";
    return d;
}

void Session::set_base(Base b) {
    ui.command(expect::base_command(b));
    s.base = b;
}

void Session::set_mode(Mode m) {
    ui.command(expect::mode_command(m));
    s.mode = m;
}

void Session::set_len(int len) {
    const int standard = len == 4 ? 901 : len == 8 ? 902 : len == 16 ? 903 : len == 24 ? 904 : len == 32 ? 906 : 0;
    if (standard) {
        ui.command(standard);
    } else {
        bool typed = false;
        ui.command(1411, [&](const Modal& m) -> Action {
            if (m.message_box || m.title != " Define length..." || typed) return {};
            typed = true;
            ui.set_text(m.hwnd, 393, std::to_string(len));
            return press(1411);
        });
        r.check(typed, "Define length dialog opened");
    }
    s.len = len;
}

void Session::set_options(bool c_hex, bool c_small) {
    if (c_hex != s.c_hex) ui.command(907);
    if (c_small != s.c_small) ui.command(909);
    s.c_hex = c_hex;
    s.c_small = c_small;
}

void Session::apply(const expect::Settings& to) {
    if (to.base != s.base) set_base(to.base);
    if (to.mode != s.mode) set_mode(to.mode);
    if (to.len != s.len) set_len(to.len);
    set_options(to.c_hex, to.c_small);
}

void Session::check_state() {
    const auto lab = expect::labels(s.base);
    const int label_ids[4] = {397, 398, 399, 501};
    for (int i = 0; i < 4; ++i) r.equal(ui.text(label_ids[i]), lab[static_cast<std::size_t>(i)], "label " + std::to_string(label_ids[i]));
    r.equal(ui.text(1398), expect::status_base(s.base), "status base");
    r.equal(ui.text(1399), expect::status_mode(s.mode), "status mode");
    r.equal(ui.text(1500), std::to_string(s.len), "status length");
    for (Base b : {Base::dec, Base::bin, Base::oct, Base::hex}) {
        const int id = expect::base_command(b);
        if (b == s.base) r.check(ui.radio_checked(id), "radio mark on base item " + std::to_string(id));
        else r.check(!ui.checked(id), "no mark on base item " + std::to_string(id));
    }
    for (Mode m : {Mode::us, Mode::ones, Mode::twos}) {
        const int id = expect::mode_command(m);
        if (m == s.mode) r.check(ui.radio_checked(id), "radio mark on mode item " + std::to_string(id));
        else r.check(!ui.checked(id), "no mark on mode item " + std::to_string(id));
    }
    r.check(ui.checked(907) == s.c_hex, std::string("check mark of 907 ") + (s.c_hex ? "set" : "clear"));
    r.check(ui.checked(909) == s.c_small, std::string("check mark of 909 ") + (s.c_small ? "set" : "clear"));
}

void Session::check_view_lengths() {
    bool seen = false;
    ui.command(1412, [&](const Modal& m) -> Action {
        if (m.message_box || seen) return {};
        seen = true;
        r.equal(m.title, " Current lengths...", "View current lengths caption");
        check_frame(m.hwnd, false, "View current lengths");
        r.equal(ui.text(m.hwnd, 197), std::to_string(s.len), "binary length");
        r.equal(ui.text(m.hwnd, 198), std::to_string(model::l_oct(s.len)), "octal digits");
        r.equal(ui.text(m.hwnd, 199), std::to_string(model::l_hex(s.len)), "hexadecimal digits");
        return press(2);
    });
    r.check(seen, "View current lengths opened");
}

std::array<std::string, 3> Session::results() { return {ui.text(391), ui.text(392), ui.text(393)}; }

bool Session::results_match(const std::array<std::string, 3>& got, const std::array<std::string, 3>& want) {
    bool ok = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string what = "result box " + std::to_string(391 + i);
        if (want[i] == "<any>") ok &= r.check(!got[i].empty() && got[i] != "--", what + " holds a result");
        else ok &= r.equal(got[i], want[i], what);
    }
    return ok;
}

void Session::check_box(const Modal& m, const std::string& title, const std::string& text, Icon icon,
                        std::initializer_list<int> buttons, const std::string& what) {
    r.check(m.message_box, what + " is a message box");
    r.equal(m.title, title, what + " title");
    r.equal(m.text, text, what + " text");
    r.check(m.icon == icon, what + " icon");
    std::vector<int> want(buttons), got = m.buttons;
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    std::string g;
    for (int b : got) g += std::to_string(b) + " ";
    r.check(got == want, what + " buttons (got ids " + g + ")");
    r.check(GetWindow(m.hwnd, GW_OWNER) == ui.main() || IsChild(ui.main(), GetWindow(m.hwnd, GW_OWNER)) ||
                GetWindow(GetWindow(m.hwnd, GW_OWNER), GW_OWNER) == ui.main(),
            what + " is owned by the program's window");
}

std::array<std::string, 3> Session::convert(const std::string& input, const std::string& answers) {
    ui.set_text(390, input);
    const std::string typed = ui.text(390);
    const expect::Outcome want = expect::convert(s, typed, answers);
    std::vector<int> seen;
    std::size_t next = 0;
    ui.command(411, [&](const Modal& m) -> Action {
        int err = 0;
        for (int e = 1; e <= 4; ++e)
            if (m.text == expect::error_text(e)) err = e;
        if (!m.message_box || !err) {
            r.fail("unknown window \"" + visible(m.title) + "\": \"" + visible(m.text) + "\"");
            return press(m.buttons.empty() ? IDOK : m.buttons.back());
        }
        seen.push_back(err);
        if (err == 2 || err == 4) {
            check_box(m, expect::error_title, expect::error_text(err), Icon::question, {IDYES, IDNO, IDCANCEL},
                      "error " + std::to_string(err));
            const char a = next < answers.size() ? answers[next++] : 'N';
            if (a == 'Y') return press(IDYES);
            if (a == 'C') return press(IDCANCEL);
            if (a == 'E') return {Action::escape, 0};
            if (a == 'X') return {Action::close_box, 0};
            return press(IDNO);
        }
        check_box(m, expect::error_title, expect::error_text(err), Icon::information, {IDOK},
                  "error " + std::to_string(err));
        return press(IDOK);
    });
    auto list = [](const std::vector<int>& v) {
        std::string t;
        for (int e : v) t += "0x0" + std::to_string(e) + " ";
        return t.empty() ? std::string("none") : t;
    };
    r.equal(list(seen), list(want.errors), "messages shown");
    const auto got = results();
    results_match(got, want.boxes);
    r.equal(ui.text(390), want.number_box, "number box afterwards");
    return got;
}

bool Session::centred(HWND w) {
    RECT r{}, work{};
    GetWindowRect(w, &r);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const long dx = (r.left + r.right) - (work.left + work.right), dy = (r.top + r.bottom) - (work.top + work.bottom);
    return dx >= -4 && dx <= 4 && dy >= -4 && dy <= 4;
}

void Session::check_frame(HWND dlg, bool close_box, const std::string& what) {
    const LONG style = GetWindowLongA(dlg, GWL_STYLE), ex = GetWindowLongA(dlg, GWL_EXSTYLE);
    r.check(ex & WS_EX_TOOLWINDOW, what + " is a tool window");
    r.check(((style & WS_SYSMENU) != 0) == close_box, what + (close_box ? " has a close box" : " has no close box"));
    r.check(centred(dlg), what + " is centred");
}

bool Session::paints_white(HWND dlg, HWND control, UINT colour_msg) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkMode(dc, OPAQUE);
    DWORD_PTR res = 0;
    SendMessageTimeoutA(dlg, colour_msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control), SMTO_NORMAL,
                        reply_limit_ms, &res);
    LOGBRUSH lb{};
    const bool white = res && GetObjectA(reinterpret_cast<HBRUSH>(res), sizeof lb, &lb) == sizeof lb &&
                       lb.lbStyle == BS_SOLID && lb.lbColor == RGB(255, 255, 255);
    const bool transparent = GetBkMode(dc) == TRANSPARENT;
    DeleteDC(dc);
    return white && transparent;
}

}  // namespace e2e
