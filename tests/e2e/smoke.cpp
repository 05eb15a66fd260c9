// Smoke test of the shipped program from outside its process, as another
// program (or a user) meets it: start it, find its window, type a number,
// convert, meet an error and answer it, exit, and check the exit code.
//
//   smoke.exe PROGRAM.exe [BARE_DIALOG.exe]
//
// With the bare dialog given it also measures, for both, the time from
// process start to a ready window and the median Convert round trip, and
// prints them (they are not checked).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int passed = 0, failed = 0;

// What only a hung program needs, however slow the machine (a cold Wine
// prefix on two busy cores).
constexpr DWORD limit_ms = 60000;

void check(bool ok, const std::string& what) {
    if (ok) ++passed;
    else {
        ++failed;
        std::printf("FAIL %s\n", what.c_str());
        std::fflush(stdout);
    }
}

void equal(const std::string& got, const std::string& want, const std::string& what) {
    check(got == want, what + ": got \"" + got + "\", expected \"" + want + "\"");
}

[[noreturn]] void give_up(const std::string& why) {
    check(false, why);
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    ExitProcess(1);
}

double now_ms() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// A path given in the Unix form names the same file through drive Z:.
std::string windows_path(std::string p) {
    if (!p.empty() && p[0] == '/') {
        p = "Z:" + p;
        std::replace(p.begin(), p.end(), '/', '\\');
    }
    return p;
}

std::string text(HWND w, int id) {
    char buf[512] = {};
    GetDlgItemTextA(w, id, buf, sizeof buf);
    return buf;
}

struct Running {
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;
    double startup_ms = 0;
};

struct FindArgs {
    DWORD pid;
    const char* caption;  // null: any dialog of the process but `except`
    HWND except;
    HWND found;
};

BOOL CALLBACK find_window(HWND h, LPARAM lp) {
    auto* a = reinterpret_cast<FindArgs*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid != a->pid || h == a->except || !IsWindowVisible(h)) return TRUE;
    char cls[64] = {}, title[128] = {};
    GetClassNameA(h, cls, sizeof cls);
    GetWindowTextA(h, title, sizeof title);
    if (std::strcmp(cls, "#32770") != 0) return TRUE;
    if (a->caption && std::strcmp(title, a->caption) != 0) return TRUE;
    a->found = h;
    return FALSE;
}

HWND wait_window(DWORD pid, const char* caption, HWND except, int timeout_ms) {
    const double end = now_ms() + timeout_ms;
    while (now_ms() < end) {
        FindArgs a{pid, caption, except, nullptr};
        EnumWindows(find_window, reinterpret_cast<LPARAM>(&a));
        DWORD_PTR r = 0;
        // Ready means: shown and answering messages.
        if (a.found && SendMessageTimeoutA(a.found, WM_NULL, 0, 0, SMTO_NORMAL, limit_ms, &r)) return a.found;
        Sleep(1);
    }
    return nullptr;
}

Running start(const std::string& exe, const char* caption) {
    Running r;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + exe + "\"";
    const double t0 = now_ms();
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &r.pi))
        give_up("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
    r.window = wait_window(r.pi.dwProcessId, caption, nullptr, limit_ms);
    r.startup_ms = now_ms() - t0;
    if (!r.window) give_up(std::string("no window \"") + caption + "\" within 60 s");
    return r;
}

// Exits through command 2 and returns the exit code.
DWORD stop(Running& r) {
    PostMessageA(r.window, WM_COMMAND, MAKEWPARAM(2, 0), 0);
    DWORD code = 259;
    if (WaitForSingleObject(r.pi.hProcess, limit_ms) == WAIT_OBJECT_0) GetExitCodeProcess(r.pi.hProcess, &code);
    else TerminateProcess(r.pi.hProcess, 99);
    CloseHandle(r.pi.hProcess);
    CloseHandle(r.pi.hThread);
    return code;
}

double median_convert_ms(HWND w, int rounds) {
    SetDlgItemTextA(w, 390, "255");
    std::vector<double> t;
    for (int i = 0; i < rounds; ++i) {
        const double t0 = now_ms();
        SendMessageA(w, WM_COMMAND, MAKEWPARAM(411, 0), 0);
        t.push_back(now_ms() - t0);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Converts a text that the program refuses and answers its question.
void error_round(Running& r, const char* input, int answer, const std::string& want_box) {
    SetDlgItemTextA(r.window, 390, input);
    PostMessageA(r.window, WM_COMMAND, MAKEWPARAM(411, 0), 0);
    HWND box = wait_window(r.pi.dwProcessId, nullptr, r.window, limit_ms);
    if (!box) give_up(std::string("no message box for \"") + input + "\"");
    // Found as soon as it is shown; its texts may follow a moment later.
    std::string msg;
    for (const double end = now_ms() + limit_ms; msg.empty() && now_ms() < end; Sleep(1)) msg = text(box, 0xFFFF);
    char title[64] = {};
    GetWindowTextA(box, title, sizeof title);
    equal(title, "Error Detected ...", "message box title");
    check(msg.find("Error 0x02\nInvalid input - Number contains invalid character/s!") != std::string::npos,
          "error 0x02 text, got \"" + msg + "\"");
    check(GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && GetDlgItem(box, IDCANCEL), "Yes, No and Cancel");
    check(GetWindow(box, GW_OWNER) == r.window, "message box owned by the main window");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    const double end = now_ms() + limit_ms;
    while (IsWindow(box) && now_ms() < end) Sleep(1);
    check(!IsWindow(box), "message box closed");
    // After Yes the program corrects the number and converts it once more.
    std::string got = text(r.window, 391);
    for (const double until = now_ms() + limit_ms; got != want_box && now_ms() < until; Sleep(1)) got = text(r.window, 391);
    equal(got, want_box, std::string("first result after answering \"") + input + "\"");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: smoke PROGRAM.exe [BARE_DIALOG.exe]\n");
        return 2;
    }
    const std::string program = windows_path(argv[1]);
    const bool timing = argc > 2;
    const std::string bare = timing ? windows_path(argv[2]) : "";

    Running r = start(program, "Quorvel Numeral Studio");
    equal(text(r.window, 390), "0", "number box at start");
    equal(text(r.window, 391), "--", "first result box at start");

    SetDlgItemTextA(r.window, 390, "255");
    SendMessageA(r.window, WM_COMMAND, MAKEWPARAM(411, 0), 0);
    equal(text(r.window, 391), "00000000000000000000000011111111", "binary of 255");
    equal(text(r.window, 392), "00000000377", "octal of 255");
    equal(text(r.window, 393), "000000FF", "hexadecimal of 255");

    error_round(r, "12a", IDNO, "--");
    equal(text(r.window, 390), "12a", "number box kept after No");
    error_round(r, "1x2", IDYES, "00000000000000000000000000001100");
    equal(text(r.window, 390), "12", "number box corrected after Yes");

    double program_convert = 0, bare_convert = 0, program_start = r.startup_ms, bare_start = 0;
    if (timing) program_convert = median_convert_ms(r.window, 51);
    check(stop(r) == 0, "program exit code 0");

    if (timing) {
        // Start-up once more for each, now that Wine's own files are cached.
        std::vector<double> p{program_start}, b;
        for (int i = 0; i < 2; ++i) {
            Running again = start(program, "Quorvel Numeral Studio");
            p.push_back(again.startup_ms);
            check(stop(again) == 0, "program exit code 0 (timing run)");
        }
        for (int i = 0; i < 3; ++i) {
            Running d = start(bare, "Bare Dialog");
            b.push_back(d.startup_ms);
            if (i == 0) bare_convert = median_convert_ms(d.window, 51);
            check(stop(d) == 0, "bare dialog exit code 0");
        }
        std::sort(p.begin(), p.end());
        std::sort(b.begin(), b.end());
        program_start = p[1];
        bare_start = b[1];
        std::printf("startup: program %.0f ms, bare dialog %.0f ms (median of 3 starts)\n", program_start, bare_start);
        std::printf("convert round trip: program %.2f ms, bare dialog %.2f ms (median of 51, out of process)\n",
                    program_convert, bare_convert);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
