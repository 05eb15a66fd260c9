// The in-process test driver. The program built with QNS_TEST_DRIVER calls
// start_test_driver() just before it runs its main window; the driver thread
// then works the real window the way a user would, checks what it shows,
// prints "N passed, N failed" and ends the program. QNS_DRIVER chooses what
// it does: full, monkey, glyphs, layout, screenshot, or one way of ending the program
// (exit, escape, close). QNS_DRIVER_TRACE=1 logs every message and window
// with a time stamp, for finding out where a run stalls.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "driver_scenarios.h"
#include "driver_session.h"
#include "driver_ui.h"

namespace {

using namespace e2e;

std::string env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

double ms_since_process_start() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& f) {
        return (static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

[[noreturn]] void give_up(Report& report, const char* why) {
    say("FAIL %s", why);
    say("%d passed, %d failed", report.passed(), report.failed() + 1);
    ExitProcess(1);
}

// A short look at the window before ending it: the scenarios that only end
// the program still prove that it was working.
void quick_look(Ui& ui, Report& r) {
    Session t(ui, r);
    t.context("first look");
    r.equal(ui.text(390), "0", "number box");
    t.check_state();
    t.convert("255");
    t.results_match(t.results(), {std::string(24, '0') + std::string(8, '1'), "00000000377", "000000FF"});
}

DWORD WINAPI driver_main(LPVOID) {
    static Report report;
    const std::string scenario = env("QNS_DRIVER", "full");
    // Far above what a slow machine needs (the full walk takes under a
    // minute on two busy cores), yet within the test's own time limit.
    start_watchdog(2 * static_cast<int>(step_limit_ms), scenario == "monkey" ? 240000 : 480000, &report);
    Ui ui(report);
    if (!ui.attach(static_cast<int>(step_limit_ms))) give_up(report, "the main window did not appear within 60 s");
    say("scenario %s: main window ready %.0f ms after process start", scenario.c_str(), ms_since_process_start());

    std::string way = "menu";
    if (scenario == "full") {
        run_full(ui, report);
    } else if (scenario == "monkey") {
        const unsigned seed = static_cast<unsigned>(std::strtoul(env("QNS_MONKEY_SEED", "1").c_str(), nullptr, 10));
        const int steps = std::atoi(env("QNS_MONKEY_STEPS", "3000").c_str());
        const int budget = std::atoi(env("QNS_MONKEY_SECONDS", "50").c_str()) * 1000;
        run_monkey(ui, report, seed, steps, budget);
    } else if (scenario == "glyphs") {
        run_glyphs(ui, report);
    } else if (scenario == "layout") {
        run_layout(ui, report);
    } else if (scenario == "screenshot") {
        run_screenshot(ui, report, windows_path(env("QNS_SCREENSHOT", "screenshot.bmp")),
                       std::atoi(env("QNS_SCREENSHOT_LENGTH", "8").c_str()));
    } else if (scenario == "exit" || scenario == "escape" || scenario == "close") {
        quick_look(ui, report);
        way = scenario;
    } else {
        give_up(report, ("unknown scenario " + scenario).c_str());
    }

    report.context("end");
    progress("ending the program by " + way);
    if (way == "escape") {
        // The key goes to the number box, where the focus is after start-up.
        SendMessageA(ui.main(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(ui.main(), 390)), TRUE);
        report.check(ui.focus() == GetDlgItem(ui.main(), 390), "the number box has the focus");
    }
    report.summary();
    if (report.failed()) ExitProcess(1);
    if (way == "menu") PostMessageA(ui.main(), WM_COMMAND, MAKEWPARAM(2, 0), 0);
    else if (way == "exit") PostMessageA(GetDlgItem(ui.main(), 2), BM_CLICK, 0, 0);
    else if (way == "escape") ui.post_key(VK_ESCAPE);
    else if (way == "close") PostMessageA(ui.main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    // WinMain now returns 0 and the process ends; reaching the end of the wait is a failure.
    Sleep(static_cast<DWORD>(step_limit_ms));
    give_up(report, ("the program was still running 60 s after " + way).c_str());
}

}  // namespace

void start_test_driver() { CloseHandle(CreateThread(nullptr, 0, driver_main, nullptr, 0, nullptr)); }
