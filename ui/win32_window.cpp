// The controller's view of the main window, realised with the dialog-item,
// message-box and menu services of USER32.
#include "ui/win32_window.h"

#include "ui/dialogs.h"
#include "ui/resource.h"

// The controller addresses the boxes and menu items by the numbers of the
// resource script.
static_assert(controller::number_box == IDC_NUMBER_BOX);
static_assert(controller::result_box1 == IDC_RESULT_BOX1);
static_assert(controller::result_box2 == IDC_RESULT_BOX2);
static_assert(controller::result_box3 == IDC_RESULT_BOX3);
static_assert(controller::label_number == IDC_LABEL_NUMBER);
static_assert(controller::label_result1 == IDC_LABEL_RESULT1);
static_assert(controller::label_result2 == IDC_LABEL_RESULT2);
static_assert(controller::label_result3 == IDC_LABEL_RESULT3);
static_assert(controller::menu_C_hex == IDM_C_HEX);
static_assert(controller::menu_C_small == IDM_C_SMALL);
static_assert(controller::menu_error_0x01 == IDM_ERROR_0X01);
static_assert(controller::menu_error_0x02 == IDM_ERROR_0X02);
static_assert(controller::menu_error_0x03 == IDM_ERROR_0X03);
static_assert(controller::menu_error_0x04 == IDM_ERROR_0X04);
static_assert(controller::menu_error_0xFF == IDM_ERROR_0XFF);

void Win32Window::get_text(int control, char* buf, int limit) {
    // A missing control leaves the buffer alone; the caller still gets a text.
    buf[0] = '\0';
    GetDlgItemTextA(hwnd_, control, buf, limit);
}

void Win32Window::set_text(int control, const char* text) {
    SetDlgItemTextA(hwnd_, control, text);
}

void Win32Window::set_int(int control, int value, bool is_signed) {
    SetDlgItemInt(hwnd_, control, static_cast<UINT>(value), is_signed ? TRUE : FALSE);
}

controller::Answer Win32Window::message(const char* text, const char* title,
                                        controller::MessageStyle style) {
    const UINT type = style == controller::MessageStyle::question
                          ? MB_ICONQUESTION | MB_YESNOCANCEL
                          : MB_ICONINFORMATION | MB_OK;
    switch (MessageBoxA(hwnd_, text, title, type)) {
        case IDOK: return controller::Answer::ok;
        case IDYES: return controller::Answer::yes;
        case IDNO: return controller::Answer::no;
        default: return controller::Answer::cancel;
    }
}

void Win32Window::check_menu(int item, bool checked) {
    CheckMenuItem(GetMenu(hwnd_), static_cast<UINT>(item),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int Win32Window::confirm_length() {
    return static_cast<int>(open_dialog(hwnd_, IDD_AUTO_DETECT, DlgAutoProc));
}
