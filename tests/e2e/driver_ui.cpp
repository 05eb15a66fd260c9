#include "driver_ui.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {
bool trace() {
    static const bool on = [] {
        const char* v = std::getenv("QNS_DRIVER_TRACE");
        return v && *v == '1';
    }();
    return on;
}
}  // namespace

// ---- Output -------------------------------------------------------------------------

void say(const char* fmt, ...) {
    static const ULONGLONG begin = GetTickCount64();
    if (trace() && std::strncmp(fmt, "trace:", 6) == 0) std::fprintf(stdout, "%6llu ", GetTickCount64() - begin);
    va_list ap;
    va_start(ap, fmt);
    std::vfprintf(stdout, fmt, ap);
    va_end(ap);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string visible(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else if (c == '\\') out += "\\\\";
        else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out;
}

void Report::fail(const std::string& what) {
    ++failed_;
    // A broken build can fail thousands of checks; the first ones tell the story.
    if (failed_ <= 60) say("FAIL [%s] %s", context_.c_str(), what.c_str());
    else if (failed_ == 61) say("(further failures not shown)");
}

bool Report::equal(const std::string& actual, const std::string& expected, const std::string& what) {
    if (actual == expected) {
        pass();
        return true;
    }
    fail(what + ": got \"" + visible(actual) + "\", expected \"" + visible(expected) + "\"");
    return false;
}

void Report::summary() const { say("%d passed, %d failed", passed_, failed_); }

// ---- Watchdog -----------------------------------------------------------------------

namespace {
CRITICAL_SECTION g_lock;
std::string g_step = "start";
ULONGLONG g_last = 0;
int g_idle_limit = 0;
int g_total_limit = 0;
Report* g_report = nullptr;

DWORD WINAPI watchdog(LPVOID) {
    const ULONGLONG begin = GetTickCount64();
    for (;;) {
        Sleep(250);
        EnterCriticalSection(&g_lock);
        const ULONGLONG now = GetTickCount64();
        const bool idle = now - g_last > static_cast<ULONGLONG>(g_idle_limit);
        const bool total = now - begin > static_cast<ULONGLONG>(g_total_limit);
        const std::string step = g_step;
        LeaveCriticalSection(&g_lock);
        if (idle || total) {
            say("watchdog: %s; last step: %s", idle ? "no progress (program hung?)" : "time limit reached",
                step.c_str());
            if (g_report) say("%d passed, %d failed", g_report->passed(), g_report->failed() + 1);
            ExitProcess(3);
        }
    }
}
}  // namespace

void progress(const std::string& step) {
    EnterCriticalSection(&g_lock);
    g_step = step;
    g_last = GetTickCount64();
    LeaveCriticalSection(&g_lock);
}

void start_watchdog(int idle_limit_ms, int total_limit_ms, Report* report) {
    InitializeCriticalSection(&g_lock);
    g_last = GetTickCount64();
    g_idle_limit = idle_limit_ms;
    g_total_limit = total_limit_ms;
    g_report = report;
    CloseHandle(CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr));
}

// ---- Messages sent from helper threads ------------------------------------------------

namespace {

// One SendMessage run on a thread of its own, so that the driver stays free
// to answer the modal windows that the message opens.
struct Job {
    HWND target;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    HANDLE done;
};

DWORD WINAPI send_job(LPVOID p) {
    auto* job = static_cast<Job*>(p);
    SendMessageA(job->target, job->msg, job->wp, job->lp);
    SetEvent(job->done);
    return 0;
}

// Markers posted behind a key or a close request: when the user-interface
// thread takes one from its queue, everything posted before it has been
// handled. A message hook on that thread sees them.
constexpr UINT marker_msg = WM_APP + 0x5151;
constexpr LPARAM redraw_marker = 1;
volatile LONG g_marker_seen = 0;
LONG g_marker_sent = 0;
HHOOK g_hook = nullptr;
// Set each time a marker comes out: the driver waits on it rather than
// polling, so that the user-interface thread gets the processor meanwhile.
HANDLE g_marker_event = nullptr;

LRESULT CALLBACK getmessage_hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        auto* msg = reinterpret_cast<MSG*>(lp);
        if (msg->message == marker_msg) {
            // A whole window drawn at once by its own thread: its overlapping
            // controls then paint in their order (the status caption before
            // the fields over it), which another thread's redraw, racing the
            // painting, does not keep.
            if (msg->lParam == redraw_marker)
                RedrawWindow(msg->hwnd, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            InterlockedExchange(&g_marker_seen, static_cast<LONG>(msg->wParam));
            SetEvent(g_marker_event);
            msg->message = WM_NULL;  // nothing for the window itself
        }
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

// Posts a marker to a window; 0 when the window is gone.
LONG post_marker(HWND h, LPARAM what = 0) {
    const LONG seq = ++g_marker_sent;
    return PostMessageA(h, marker_msg, static_cast<WPARAM>(seq), what) ? seq : 0;
}

// Markers come out of the queue in the order they were posted (one posted
// to a window that was destroyed meanwhile never comes out).
bool marker_seen(LONG seq) { return g_marker_seen >= seq; }

[[noreturn]] void hung(Report& report, const std::string& what) {
    say("FAIL [%s] %s", report.context().c_str(), what.c_str());
    say("%d passed, %d failed", report.passed(), report.failed() + 1);
    ExitProcess(2);
}

std::string class_name(HWND h) {
    char buf[64] = {};
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

}  // namespace

// ---- Ui -----------------------------------------------------------------------------

bool Ui::attach(int timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    while (GetTickCount64() < deadline) {
        struct Find {
            HWND found;
        } f{nullptr};
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                char title[64] = {};
                GetWindowTextA(h, title, sizeof title);
                if (pid == GetCurrentProcessId() && std::strcmp(title, "Quorvel Numeral Studio") == 0 &&
                    class_name(h) == "#32770" && IsWindowVisible(h)) {
                    reinterpret_cast<Find*>(lp)->found = h;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&f));
        if (f.found) {
            ui_thread_ = GetWindowThreadProcessId(f.found, nullptr);
            if (!g_marker_event) g_marker_event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
            if (!g_hook) g_hook = SetWindowsHookExA(WH_GETMESSAGE, getmessage_hook, nullptr, ui_thread_);
            if (!g_hook) return false;
            if (ready(f.found)) {
                main_ = f.found;
                return true;
            }
        }
        Sleep(5);
    }
    return false;
}

bool Ui::ready(HWND h) {
    const LONG seq = post_marker(h);
    if (!seq) return false;
    // Not seen in time: asked again by the caller, whose own limit counts.
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!marker_seen(seq)) {
        if (!IsWindow(h) || GetTickCount64() > deadline) return false;
        WaitForSingleObject(g_marker_event, 16);
    }
    return IsWindow(h) && IsWindowVisible(h) && IsWindowEnabled(h) && !busy(h);
}

bool Ui::busy(HWND h) const { return std::find(busy_.begin(), busy_.end(), h) != busy_.end(); }

void Ui::wait_gone(HWND h, const std::string& title) {
    const ULONGLONG deadline = GetTickCount64() + step_limit_ms;
    while (IsWindow(h)) {
        if (GetTickCount64() > deadline) {
            report_.fail("window \"" + visible(title) + "\" still there 60 s after its answer");
            return;
        }
        Sleep(1);
    }
}

std::string Ui::window_text(HWND w) {
    if (!w) return "<no window>";
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, reply_limit_ms, &n)) return "<no answer>";
    std::string s(n + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()), SMTO_NORMAL, reply_limit_ms,
                        &got);
    s.resize(std::strlen(s.c_str()));
    return s;
}

std::string Ui::text(HWND dlg, int id) {
    HWND c = GetDlgItem(dlg, id);
    if (!c) return "<no control " + std::to_string(id) + ">";
    return window_text(c);
}

void Ui::set_text(HWND dlg, int id, const std::string& s) {
    HWND c = GetDlgItem(dlg, id);
    DWORD_PTR r = 0;
    if (!c || !SendMessageTimeoutA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()), SMTO_NORMAL, reply_limit_ms, &r))
        report_.fail("could not type into control " + std::to_string(id));
}

bool Ui::checked(int id) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(menu(), static_cast<UINT>(id), FALSE, &mii)) return false;
    return (mii.fState & MFS_CHECKED) != 0;
}

bool Ui::radio_checked(int id) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STATE | MIIM_FTYPE;
    if (!GetMenuItemInfoA(menu(), static_cast<UINT>(id), FALSE, &mii)) return false;
    return (mii.fState & MFS_CHECKED) && (mii.fType & MFT_RADIOCHECK);
}

HWND Ui::focus() {
    GUITHREADINFO gti{};
    gti.cbSize = sizeof gti;
    if (!GetGUIThreadInfo(ui_thread_, &gti)) return nullptr;
    return gti.hwndFocus;
}

HWND Ui::active_modal() {
    struct Find {
        const Ui* ui;
        HWND found;
    } f{this, nullptr};
    EnumThreadWindows(
        ui_thread_,
        [](HWND h, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Find*>(lp);
            if (h != f->ui->main_ && IsWindowVisible(h) && IsWindowEnabled(h) && !f->ui->busy(h) &&
                class_name(h) == "#32770") {
                f->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    return f.found;
}

std::vector<std::pair<int, std::string>> Ui::children(HWND dlg) {
    std::vector<HWND> hs;
    EnumChildWindows(
        dlg,
        [](HWND c, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(c);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&hs));
    std::vector<std::pair<int, std::string>> out;
    for (HWND c : hs) out.emplace_back(static_cast<int>(GetDlgCtrlID(c)), window_text(c));
    return out;
}

Modal Ui::read_modal(HWND h) {
    Modal m;
    m.hwnd = h;
    m.title = window_text(h);
    HWND text = GetDlgItem(h, 0xFFFF);
    m.message_box = text && class_name(text) == "Static";
    if (m.message_box) m.text = window_text(text);
    std::vector<HWND> hs;
    EnumChildWindows(
        h,
        [](HWND c, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(c);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&hs));
    for (HWND c : hs) {
        if (!IsWindowVisible(c) || class_name(c) != "Button") continue;
        const LONG style = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) m.buttons.push_back(GetDlgCtrlID(c));
    }
    if (m.message_box) {
        HWND ic = GetDlgItem(h, 1088);  // the message box's icon static
        HICON icon = nullptr;
        DWORD_PTR r = 0;
        if (ic && IsWindowVisible(ic) && SendMessageTimeoutA(ic, STM_GETICON, 0, 0, SMTO_NORMAL, reply_limit_ms, &r))
            icon = reinterpret_cast<HICON>(r);
        if (!icon) m.icon = Icon::none;
        else if (icon == LoadIconA(nullptr, IDI_INFORMATION)) m.icon = Icon::information;
        else if (icon == LoadIconA(nullptr, IDI_QUESTION)) m.icon = Icon::question;
        else if (icon == LoadIconA(nullptr, IDI_WARNING)) m.icon = Icon::warning;
        else if (icon == LoadIconA(nullptr, IDI_ERROR)) m.icon = Icon::error;
        else m.icon = Icon::other;
    }
    return m;
}

void Ui::pump(const std::function<bool()>& finished, const ModalHandler& handler, const std::string& what,
              HANDLE wake) {
    ULONGLONG deadline = GetTickCount64() + step_limit_ms;
    // Looks for a modal at once, then less and less often while none comes:
    // on a busy machine the looking must not starve the thread it waits for.
    // What ends the wait wakes it at once.
    DWORD nap = 1;
    while (!finished()) {
        if (GetTickCount64() > deadline) hung(report_, what + " did not finish within 60 s (program hung?)");
        HWND h = active_modal();
        if (h && GetWindow(h, GW_OWNER) && ready(h)) {
            answer(h, handler);
            deadline = GetTickCount64() + step_limit_ms;
            nap = 1;
        } else {
            WaitForSingleObject(wake, nap);
            if (nap < 16) nap *= 2;
        }
    }
}

void Ui::answer(HWND h, const ModalHandler& handler) {
    const Modal m = read_modal(h);
    // Nothing but an answer ends a modal; one that went anyway is reported.
    if (!report_.check(IsWindow(h) && IsWindowVisible(h), "window \"" + visible(m.title) + "\" stayed until answered"))
        return;
    if (trace()) say("trace: modal %p \"%s\" owner %p, %zu buttons", static_cast<void*>(h), visible(m.title).c_str(),
                     static_cast<void*>(GetWindow(h, GW_OWNER)), m.buttons.size());
    progress(std::string(report_.context()) + ": modal \"" + visible(m.title) + "\"");
    Action a = handler ? handler(m) : Action{};
    if (a.kind == Action::unexpected) {
        report_.fail("unexpected window \"" + visible(m.title) + "\" text \"" + visible(m.text) + "\"");
        a = press(2);
        for (int id : m.buttons)
            if (id == IDCANCEL || id == IDOK) a = press(id);
        if (m.message_box && !m.buttons.empty()) a = press(m.buttons.back());
    }
    busy_.push_back(h);
    act(m, a, handler);
    busy_.pop_back();
    // Every answer to a message box ends it; a dialog that the answer ended
    // is hidden.
    if (m.message_box || !IsWindowVisible(h)) wait_gone(h, m.title);
    if (trace()) say("trace: answered %p: window %d visible %d enabled %d", static_cast<void*>(h), IsWindow(h),
                     IsWindowVisible(h), IsWindowEnabled(h));
}

void Ui::act(const Modal& m, const Action& a, const ModalHandler& handler) {
    HWND target = m.hwnd;
    const std::string what = "the answer to \"" + visible(m.title) + "\"";
    if (trace()) say("trace: action %d id %d on %p", static_cast<int>(a.kind), a.id, static_cast<void*>(target));
    switch (a.kind) {
    case Action::button:
    case Action::unexpected: {
        // Done when the window procedure returns from the click, having
        // opened and closed whatever the click opens.
        Job job{target, WM_COMMAND, MAKEWPARAM(a.id, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(target, a.id)), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        CloseHandle(CreateThread(nullptr, 0, send_job, &job, 0, nullptr));
        pump([&] { return WaitForSingleObject(job.done, 0) == WAIT_OBJECT_0; }, handler, what, job.done);
        CloseHandle(job.done);
        return;
    }
    case Action::escape:
    case Action::enter: {
        // The key goes where the focus is, which must be in this window: an
        // Escape that reached the main window would end the program.
        HWND f = focus();
        if (!f || (f != target && !IsChild(target, f))) f = target;
        post_key(f, a.kind == Action::escape ? VK_ESCAPE : VK_RETURN);
        break;
    }
    case Action::close_box:
        PostMessageA(target, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    // What was posted has been handled once a marker behind it comes out of
    // the queue, or the window is gone. Twice: the handling may post more
    // (the close box posts the Cancel command).
    for (int round = 0; round < 2; ++round) {
        const LONG seq = post_marker(target);
        if (!seq) return;
        pump([&] { return !IsWindow(target) || marker_seen(seq); }, handler, what, g_marker_event);
    }
}

void Ui::send(HWND target, UINT msg, WPARAM wp, LPARAM lp, const ModalHandler& handler) {
    if (trace()) say("trace: [%s] message %u %u to %p", report_.context().c_str(), msg, static_cast<unsigned>(wp),
                     static_cast<void*>(target));
    Job job{target, msg, wp, lp, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    CloseHandle(CreateThread(nullptr, 0, send_job, &job, 0, nullptr));
    pump([&] { return WaitForSingleObject(job.done, 0) == WAIT_OBJECT_0; }, handler, "the command", job.done);
    CloseHandle(job.done);
    progress(report_.context());
}

void Ui::command(int id, const ModalHandler& handler) {
    send(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0, handler);
}

void Ui::click(int id, const ModalHandler& handler) {
    HWND b = GetDlgItem(main_, id);
    if (!report_.check(b != nullptr, "button " + std::to_string(id) + " exists")) return;
    send(b, BM_CLICK, 0, 0, handler);
}

void Ui::post_key(UINT vk) {
    HWND f = focus();
    post_key(f ? f : main_, vk);
}

void Ui::post_key(HWND f, UINT vk) {
    const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    PostMessageA(f, WM_KEYDOWN, vk, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageA(f, WM_KEYUP, vk, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
}

void Ui::settle() { wait_marker(main_, post_marker(main_)); }

void Ui::wait_marker(HWND h, LONG seq) {
    const ULONGLONG deadline = GetTickCount64() + step_limit_ms;
    while (seq && !marker_seen(seq) && IsWindow(h)) {
        if (GetTickCount64() > deadline) hung(report_, "the window did not get back to its message loop");
        WaitForSingleObject(g_marker_event, 16);
    }
}

bool Ui::drawn(HWND w) {
    const ULONGLONG deadline = GetTickCount64() + step_limit_ms;
    for (;;) {
        wait_marker(w, post_marker(w, redraw_marker));
        settle();
        BOOL pending = GetUpdateRect(w, nullptr, FALSE);
        EnumChildWindows(
            w,
            [](HWND c, LPARAM lp) -> BOOL {
                if (GetUpdateRect(c, nullptr, FALSE)) *reinterpret_cast<BOOL*>(lp) = TRUE;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&pending));
        if (!pending) return true;
        if (GetTickCount64() > deadline) return false;
        Sleep(1);
    }
}

}  // namespace e2e
