// Drives the real main window from a second thread of the program's own
// process: commands go in as window messages, and every modal window that a
// command opens is found, read and answered the way a user would answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Limits that only a hung program reaches, however slow the machine (a cold
// Wine prefix on two busy cores): a window that does not answer a message,
// and a command or an answer that does not finish.
constexpr UINT reply_limit_ms = 30000;
constexpr ULONGLONG step_limit_ms = 60000;

enum class Icon { none, information, question, warning, error, other };

// A modal window (message box or secondary dialog) as the user sees it.
struct Modal {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;          // message box text (static 0xFFFF); empty for dialogs
    bool message_box = false;  // has the message box text static
    std::vector<int> buttons;  // visible push buttons, by id, in child order
    Icon icon = Icon::none;
};

// How a modal is answered.
struct Action {
    enum Kind {
        button,     // WM_COMMAND with the button's id, as a click sends it
        escape,     // the Escape key pressed in the focused control
        enter,      // the Enter key pressed in the focused control
        close_box,  // WM_SYSCOMMAND SC_CLOSE, the title bar's close box
        unexpected  // not foreseen: counted as a failure, then closed
    };
    Kind kind = unexpected;
    int id = 0;
};
inline Action press(int id) { return {Action::button, id}; }

using ModalHandler = std::function<Action(const Modal&)>;

// Results of the checks, printed as they fail and summed up at the end.
class Report {
public:
    void pass() { ++passed_; }
    void fail(const std::string& what);
    bool check(bool ok, const std::string& what) {
        if (ok) pass(); else fail(what);
        return ok;
    }
    bool equal(const std::string& actual, const std::string& expected, const std::string& what);
    int passed() const { return passed_; }
    int failed() const { return failed_; }
    // Context printed with every failure (the step being run).
    void context(const std::string& c) { context_ = c; }
    const std::string& context() const { return context_; }
    void summary() const;
private:
    int passed_ = 0;
    int failed_ = 0;
    std::string context_;
};

// The header of an uncompressed RGB bitmap of width x height pixels;
// a negative height is top-down, as GDI reads it.
inline BITMAPINFO rgb_bitmap(int width, int height, WORD bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bits;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// Prints a line at once (stdout is a pipe under ctest).
void say(const char* fmt, ...);
// A text with tabs, line breaks and other control bytes made visible.
std::string visible(const std::string& s);

// Marks progress for the watchdog: it ends the process when no step has
// finished for too long, naming the last one.
void progress(const std::string& step);
void start_watchdog(int idle_limit_ms, int total_limit_ms, Report* report);

class Ui {
public:
    explicit Ui(Report& report) : report_(report) {}

    // Waits for the main window of this process; false on timeout.
    bool attach(int timeout_ms);
    HWND main() const { return main_; }
    DWORD ui_thread() const { return ui_thread_; }

    // Text of a control of the main window or of a dialog.
    std::string text(int id) { return text(main_, id); }
    std::string text(HWND dlg, int id);
    std::string window_text(HWND w);
    void set_text(int id, const std::string& s) { set_text(main_, id, s); }
    void set_text(HWND dlg, int id, const std::string& s);

    // Runs one command of the main window (WM_COMMAND with the id, as the
    // menu sends it) and answers the modals it opens until it has returned.
    // Without a handler every modal is a failure.
    void command(int id, const ModalHandler& handler = {});
    // The same through a real button click (BM_CLICK on the button).
    void click(int id, const ModalHandler& handler = {});
    // Any message to any window, answered the same way.
    void send(HWND target, UINT msg, WPARAM wp, LPARAM lp, const ModalHandler& handler = {});
    // A key pressed in the control that has the keyboard focus.
    void post_key(UINT vk);
    void post_key(HWND control, UINT vk);
    // Waits until the user-interface thread has handled what was posted so
    // far and sits idle in the main window's message loop.
    void settle();
    // Draws a window and its children now, as WM_PAINT is sent to the
    // user-interface thread; true once nothing of them is left to paint.
    bool drawn(HWND w);

    // The menu bar of the main window, read in-process.
    HMENU menu() const { return GetMenu(main_); }
    bool checked(int id);
    bool radio_checked(int id);  // checked and drawn as a radio mark

    // The dialog or message box now waiting for the user on the
    // user-interface thread (visible, enabled, no answer under way).
    HWND active_modal();
    Modal read_modal(HWND h);
    // Child windows of a dialog: texts, by id (several may share an id).
    std::vector<std::pair<int, std::string>> children(HWND dlg);
    HWND focus();

    Report& report() { return report_; }

private:
    // Answers the modals that open until `finished` says that what was
    // started is over; `what` names it when that never happens. `wake` is
    // signalled when `finished` may have become true.
    void pump(const std::function<bool()>& finished, const ModalHandler& handler, const std::string& what,
              HANDLE wake);
    void answer(HWND h, const ModalHandler& handler);
    void act(const Modal& m, const Action& a, const ModalHandler& handler);
    // A window is ready once its own message loop runs: a marker posted to
    // it comes out of the queue. One still being created is not.
    bool ready(HWND h);
    // A window that an answer ended is hidden at once but destroyed only
    // when its message loop has ended: it is waited for, so that it is never
    // taken for a new window.
    void wait_gone(HWND h, const std::string& title);
    bool busy(HWND h) const;
    // Waits until the marker seq posted to h has come out of the queue.
    void wait_marker(HWND h, LONG seq);

    Report& report_;
    HWND main_ = nullptr;
    DWORD ui_thread_ = 0;
    // Windows with an answer under way (a button's message not yet returned,
    // a key not yet handled): never answered again meanwhile, however they
    // look, since they may be on their way out.
    std::vector<HWND> busy_;
};

}  // namespace e2e
