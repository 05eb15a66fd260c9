// The main window as the controller sees it, over the real dialog.
#pragma once

#include <windows.h>

#include "controller/window.h"

class Win32Window final : public controller::Window {
public:
    explicit Win32Window(HWND hwnd) : hwnd_(hwnd) {}

    void get_text(int control, char* buf, int limit) override;
    void set_text(int control, const char* text) override;
    void set_int(int control, int value, bool is_signed) override;
    controller::Answer message(const char* text, const char* title,
                               controller::MessageStyle style) override;
    void check_menu(int item, bool checked) override;
    int confirm_length() override;

private:
    HWND hwnd_;
};
