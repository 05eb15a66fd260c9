// The monkey: seeded random commands (known and unknown ids), typed texts and
// answers through the real window. The program must never crash or hang
// (the watchdog ends a hung run), every Convert must leave three results or
// three "--", and everything shown must still agree with the model.
#include <cstring>
#include <random>
#include <vector>

#include "driver_scenarios.h"
#include "driver_session.h"
#include "model.h"

namespace e2e {

using expect::Base;
using expect::Mode;

namespace {

class Monkey {
public:
    Monkey(Ui& ui, Report& r, unsigned seed) : t(ui, r), rng(seed) {}

    void step(int n);
    Session t;
    int converts = 0, converted = 0;

private:
    std::mt19937 rng;
    int steps_ = 0;

    int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    std::string random_text();
    Action close_action(bool has_close_box);
    void typed();
    void convert();
    void settings();
    void auto_detect();
    void define_length();
    void show_only(int id);
    void unknown();
    void check_after_convert();
};

std::string Monkey::random_text() {
    static const char* pieces[] = {"0", "1", "7", "8", "9", "F", "f", "a", "G", "x", "X", "0x", "0X", "+", "-",
                                   " ", ",", ".", "11111111", "FFFFFFFF", "4294967295", "2147483648", "37777777777"};
    std::string s;
    const int len = pick(61);
    switch (pick(6)) {
    case 4:
    case 5: {  // a number of the current base, now and then signed or prefixed
        const char* digits = t.s.base == Base::bin ? "01" : t.s.base == Base::oct ? "01234567"
                             : t.s.base == Base::dec ? "0123456789" : "0123456789ABCDEFabcdef";
        const int n = static_cast<int>(std::strlen(digits));
        if (t.s.base == Base::dec && chance(30)) s = chance(50) ? "-" : "+";
        if (t.s.base == Base::hex && chance(30)) s = "0x";
        for (int i = 1 + len % 12; i > 0; --i) s += digits[pick(n)];
        break;
    }
    case 0:  // digits of some base
        for (int i = 0; i < len % 14; ++i) s += "0123456789ABCDEFabcdef"[pick(22)];
        break;
    case 1:  // pieces that meet the limits, signs and prefixes
        while (static_cast<int>(s.size()) < len % 40) s += pieces[pick(static_cast<int>(std::size(pieces)))];
        break;
    case 2:  // random bytes
        for (int i = 0; i < len; ++i) s += static_cast<char>(1 + pick(255));
        break;
    default:  // a sign or prefix, then binary digits
        s = chance(50) ? (chance(50) ? "-" : "+") : (chance(50) ? "0x" : "");
        for (int i = 0; i < len % 36; ++i) s += static_cast<char>('0' + pick(2));
        break;
    }
    return s;
}

Action Monkey::close_action(bool has_close_box) {
    const int k = pick(has_close_box ? 3 : 2);
    if (k == 0) return press(2);
    if (k == 1) return {Action::escape, 0};
    return {Action::close_box, 0};
}

void Monkey::check_after_convert() {
    const auto got = t.results();
    const bool dashes = got[0] == "--" && got[1] == "--" && got[2] == "--";
    const bool results = got[0] != "--" && got[1] != "--" && got[2] != "--" && !got[0].empty() && !got[1].empty() &&
                         !got[2].empty();
    t.r.check(dashes || results, "three results or three \"--\"");
    ++converts;
    if (results) ++converted;
}

void Monkey::typed() {
    t.ui.set_text(390, random_text());
}

void Monkey::convert() {
    std::string answers;
    for (int i = pick(4); i > 0; --i) answers += "YNCEX"[pick(5)];
    t.context("monkey step " + std::to_string(steps_) + ": Convert " + describe(t.s) + " \"" +
              visible(t.ui.text(390)) + "\" answers " + answers);
    t.convert(t.ui.text(390), answers);
    check_after_convert();
}

void Monkey::settings() {
    Ui& ui = t.ui;
    const int k = pick(14);
    const auto before = t.results();
    const std::string number = ui.text(390);
    if (k < 4) {
        const Base b[4] = {Base::dec, Base::bin, Base::oct, Base::hex};
        t.set_base(b[k]);
    } else if (k < 7) {
        const Mode m[3] = {Mode::us, Mode::ones, Mode::twos};
        t.set_mode(m[k - 4]);
    } else if (k < 9) {
        const int lens[5] = {4, 8, 16, 24, 32};
        t.set_len(lens[pick(5)]);
    } else if (k == 9) {
        ui.command(907);
        t.s.c_hex = !t.s.c_hex;
    } else if (k == 10) {
        ui.command(909);
        t.s.c_small = !t.s.c_small;
    } else if (k == 11) {
        ui.command(1418);
        t.s = expect::Settings{Base::dec, Mode::us, 32, t.s.c_hex, t.s.c_small};
    } else if (k == 12) {
        if (chance(50)) ui.command(418);
        else ui.click(418);
        t.r.equal(ui.text(390), "0", "number box after Refresh");
        for (int id : {391, 392, 393}) t.r.equal(ui.text(id), "--", "result box after Refresh");
        t.check_state();
        return;
    } else {
        ui.command(1413);
        t.s = expect::Settings{Base::dec, Mode::us, 32, t.s.c_hex, t.s.c_small};
        t.r.equal(ui.text(390), "0", "number box after Refresh and Reload");
        t.check_state();
        return;
    }
    t.check_state();
    t.r.check(t.results() == before, "results kept");
    t.r.equal(ui.text(390), number, "number box kept");
}

void Monkey::auto_detect() {
    Ui& ui = t.ui;
    const std::string text = ui.text(390);
    const int detected = expect::detected_length(t.s.base, text);
    const int candidate = detected < 1 ? 1 : detected > 32 ? 32 : detected;
    const char answer = "SCEX"[pick(4)];
    int notes = 0, dialogs = 0;
    ui.command(419, [&](const Modal& m) -> Action {
        if (m.message_box) {
            ++notes;
            return chance(80) ? press(IDOK) : Action{Action::escape, 0};
        }
        if (dialogs++) return {};
        t.r.equal(ui.text(m.hwnd, 201), std::to_string(candidate), "detected length shown");
        if (answer == 'E') {
            SendMessageA(m.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m.hwnd, 1)), TRUE);
            return {Action::enter, 0};
        }
        if (answer == 'X') return {Action::escape, 0};
        return press(answer == 'S' ? 1 : 2);
    });
    if (t.s.base == Base::dec) {
        t.r.check(notes == 1 && dialogs == 0, "decimal base refused");
    } else {
        t.r.check(notes == (detected > 32 ? 1 : 0) && dialogs == 1, "note and confirmation as expected");
        if (answer == 'S' || answer == 'E') t.s.len = candidate;
    }
    t.check_state();
    t.r.equal(ui.text(390), text, "number box unchanged");
}

void Monkey::define_length() {
    Ui& ui = t.ui;
    int tries = 0, refusals = 0;
    std::string typed;
    bool closed_by_user = false;
    unsigned accepted = 0;
    ui.command(1411, [&](const Modal& m) -> Action {
        if (m.message_box) {
            ++refusals;
            // OK goes back to the dialog; Cancel ends it unchanged.
            if (chance(50)) return press(IDOK);
            closed_by_user = true;
            return chance(50) ? press(IDCANCEL) : Action{Action::escape, 0};
        }
        if (tries++ > 3 || chance(15)) {
            closed_by_user = true;
            return chance(50) ? press(2) : Action{Action::escape, 0};
        }
        typed.clear();
        if (chance(80)) typed = std::to_string(pick(41));
        else for (int i = pick(12); i > 0; --i) typed += static_cast<char>('0' + pick(10));
        ui.set_text(m.hwnd, 393, typed);
        const unsigned v = expect::typed_length(typed);
        if (v >= 1 && v <= 32) accepted = v;
        return press(1411);
    });
    if (accepted && !closed_by_user) t.s.len = static_cast<int>(accepted);
    t.check_state();
    (void)refusals;
}

void Monkey::show_only(int id) {
    Ui& ui = t.ui;
    int seen = 0;
    ui.command(id, [&](const Modal& m) -> Action {
        if (seen++) return {};
        if (id == 1412) t.r.equal(ui.text(m.hwnd, 197), std::to_string(t.s.len), "View current lengths");
        if (id == 519) t.r.equal(ui.text(m.hwnd, 1911), expect::valid_ranges(t.s.len)[0], "valid range 1911");
        if (id >= 111 && id <= 115) t.r.check(!ui.text(m.hwnd, 116).empty(), "error information text");
        if (m.message_box) return chance(50) ? press(IDOK) : Action{Action::escape, 0};
        // Every information window but View current lengths has a close box.
        return close_action(id != 1412);
    });
    t.r.check(seen == 1, "one window for command " + std::to_string(id));
    t.check_state();
}

void Monkey::unknown() {
    int id = pick(70000);
    static const int known[] = {2, 111, 112, 113, 114, 115, 411, 412, 414, 418, 419, 490, 491, 492, 493, 494, 495,
                                496, 519, 901, 902, 903, 904, 906, 907, 908, 909, 1411, 1412, 1413, 1414, 1418, 1419};
    for (int k : known)
        if ((id & 0xFFFF) == k) id = 905;
    const auto before = t.results();
    const std::string number = t.ui.text(390);
    t.ui.send(t.ui.main(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    t.r.check(t.results() == before && t.ui.text(390) == number, "unknown command " + std::to_string(id));
    t.check_state();
}

void Monkey::step(int n) {
    steps_ = n;
    t.context("monkey step " + std::to_string(n) + " (" + describe(t.s) + ")");
    const int k = pick(100);
    if (k < 25) typed();
    else if (k < 55) convert();
    else if (k < 70) settings();
    else if (k < 75) {
        const std::string before = t.ui.text(390);
        const bool sign = chance(50);
        const auto results = t.results();
        t.ui.command(sign ? 908 : 1419);
        t.r.equal(t.ui.text(390), sign ? expect::remove_sign(before) : expect::refine(t.s.base, before),
                  sign ? "Remove sign" : "Refine input");
        t.r.check(t.results() == results, "results kept");
    } else if (k < 80) auto_detect();
    else if (k < 84) define_length();
    else if (k < 95) {
        static const int ids[] = {1412, 519, 412, 414, 111, 112, 113, 114, 115, 1414};
        const int id = ids[pick(static_cast<int>(std::size(ids)))];
        if (id == 412 && chance(50)) {
            int seen = 0;
            t.ui.click(412, [&](const Modal&) -> Action { return seen++ ? Action{} : close_action(true); });
        } else {
            show_only(id);
        }
    } else unknown();
}

}  // namespace

void run_monkey(Ui& ui, Report& report, unsigned seed, int max_steps, int time_budget_ms) {
    say("monkey: seed %u, at most %d steps or %d s", seed, max_steps, time_budget_ms / 1000);
    Monkey m(ui, report, seed);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(time_budget_ms);
    int n = 0;
    for (; n < max_steps && GetTickCount64() < end; ++n) m.step(n);
    say("monkey: %d steps done, %d of them Convert (%d with results, %d refused)", n, m.converts, m.converted,
        m.converts - m.converted);
    // Back to a known state, then a conversion that must still be right.
    m.t.context("monkey: after the run");
    m.t.apply(expect::Settings{});
    m.t.check_state();
    m.t.convert("255");
}

}  // namespace e2e
