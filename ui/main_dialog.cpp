// The main window: initialisation, the status line and the dispatch of every
// menu command and button press.
#include <cstddef>
#include <initializer_list>

#include "controller/controller.h"
#include "ui/dialogs.h"
#include "ui/resource.h"
#include "ui/text_overlay.h"
#include "ui/version.h"
#include "ui/win32_window.h"

namespace {

// Loaded when the main window opens; they live as long as it does.
HMENU MainMenu = nullptr;
HBITMAP Close = nullptr;    // beside Exit
HBITMAP About = nullptr;    // beside About
HBITMAP Refresh = nullptr;  // beside Refresh
HICON small_icon = nullptr;  // loaded at the small-icon size, so destroyed by us

// Help > Bug report.
const char bug_report_title[] = "Report a bug ...";
const char bug_report_text[] =
    QNS_PRODUCT_NAME " has been tested thoroughly and worked as expected in every test.\n\n"
    "It was developed and tested by a single programmer, so faults that were not "
    "identified may still remain.\n\n"
    "If you meet a problem or an incorrect result, please send a report that includes "
    "the number you entered and the current settings (base, mode and length) to:\n\n"
    "        " QNS_CONTACT_EMAIL "\n"
    "        Subject: " QNS_PRODUCT_NAME " bug report\n\n"
    "The address can be copied from the About window (Help > About).\n\n"
    "Please include as well the name and version of your operating system, the name "
    "and speed of your processor and the amount of available physical memory.";

// One entry of the Base or Mode menu: its flag, its status text, its item.
struct Choice {
    const int* flag;
    const char* status;
    UINT item;
};

// Looked up in this order; the first set flag wins.
const Choice bases[] = {
    {&controller::dec, controller::base_name(controller::Base::dec), IDM_BASE_DEC},
    {&controller::bin, controller::base_name(controller::Base::bin), IDM_BASE_BIN},
    {&controller::hex, controller::base_name(controller::Base::hex), IDM_BASE_HEX},
    {&controller::oct, controller::base_name(controller::Base::oct), IDM_BASE_OCT},
};
const Choice modes[] = {
    {&controller::us, "unsigned", IDM_MODE_US},
    {&controller::ones, "1s comp", IDM_MODE_ONES},
    {&controller::twos, "2s comp", IDM_MODE_TWOS},
};

// Shows the chosen entry of a group in its status field and gives it the
// radio mark; with no flag set the field and the marks stay as they are.
template <std::size_t N>
void show_choice(HWND hwnd, HMENU menu, int status_field, const Choice (&group)[N]) {
    const Choice* chosen = nullptr;
    for (const Choice& c : group) {
        if (*c.flag) {
            chosen = &c;
            break;
        }
    }
    if (!chosen) return;
    SetDlgItemTextA(hwnd, status_field, chosen->status);
    for (const Choice& c : group) {
        if (&c == chosen)
            CheckMenuRadioItem(menu, c.item, c.item, c.item, MF_BYCOMMAND);
        else
            CheckMenuItem(menu, c.item, MF_BYCOMMAND | MF_UNCHECKED);
    }
}

// The status fields stand over the blank stretches of the status caption.
const Overlay status_fields[] = {
    {IDC_STATUS_BASE, 0, "Base ="},
    {IDC_STATUS_MODE, 0, "Mode ="},
    {IDC_STATUS_LENGTH, 0, "length ="},
};

// Redraws the status line and the radio marks of the Base and Mode menus
// from the settings.
void update_stats(HWND hwnd) {
    SetDlgItemInt(hwnd, IDC_STATUS_LENGTH, static_cast<UINT>(controller::len), FALSE);
    HMENU menu = GetMenu(hwnd);
    show_choice(hwnd, menu, IDC_STATUS_BASE, bases);
    show_choice(hwnd, menu, IDC_STATUS_MODE, modes);
}

void load_icons(HWND hwnd, HINSTANCE instance) {
    HICON big = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUORVEL));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    // Loaded at the small-icon size so that the title bar gets the drawn
    // 16-pixel image rather than a shrunk large one.
    small_icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUORVEL), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
}

void load_menu(HWND hwnd, HINSTANCE instance) {
    MainMenu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    SetMenu(hwnd, MainMenu);

    Close = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_CLOSE));
    About = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TICK));
    Refresh = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_REFRESH));
    SetMenuItemBitmaps(MainMenu, IDM_ABOUT, MF_BYCOMMAND, About, About);
    SetMenuItemBitmaps(MainMenu, IDM_EXIT, MF_BYCOMMAND, Close, Close);
    SetMenuItemBitmaps(MainMenu, IDM_REFRESH, MF_BYCOMMAND, Refresh, Refresh);
}

void initialise(HWND hwnd) {
    Win32Window w(hwnd);
    controller::init_main_window(w);

    // The template leaves the menu bar's height free under the status line,
    // so the attached menu puts the status line at the bottom edge.
    HINSTANCE instance = GetModuleHandleA(nullptr);
    load_icons(hwnd, instance);
    load_menu(hwnd, instance);

    lay_over_texts(hwnd, status_fields);
    update_stats(hwnd);
}

void release(HWND) {
    // The menu goes with the window; what was loaded besides it goes here.
    for (HBITMAP* b : {&Close, &About, &Refresh}) {
        if (*b) DeleteObject(*b);
        *b = nullptr;
    }
    if (small_icon) DestroyIcon(small_icon);
    small_icon = nullptr;
    MainMenu = nullptr;
}

void show_error_info(HWND hwnd, int command) {
    controller::select_error_info(command);
    open_dialog(hwnd, IDD_ERROR_INFO, DlgEmsgProc);
}

// One command, as the menu or a button sends it. Unknown numbers do nothing.
void dispatch(HWND hwnd, int id) {
    using controller::Base;
    using controller::Mode;
    Win32Window w(hwnd);
    bool redraw = false;

    switch (id) {
        // Command                              Action                                         Redraw
        case IDM_CONVERT:        controller::start(w);                                          break;
        case IDM_REFRESH:        controller::refresh(w);                                        break;
        case IDM_RELOAD:         controller::reload_defaults(w);                                redraw = true; break;
        case IDM_REFRESH_RELOAD: controller::refresh_and_reload(w);                             redraw = true; break;
        case IDM_EXIT:           PostQuitMessage(0);                                            break;
        case IDM_BASE_DEC:       controller::set_base(w, Base::dec);                            redraw = true; break;
        case IDM_BASE_BIN:       controller::set_base(w, Base::bin);                            redraw = true; break;
        case IDM_BASE_OCT:       controller::set_base(w, Base::oct);                            redraw = true; break;
        case IDM_BASE_HEX:       controller::set_base(w, Base::hex);                            redraw = true; break;
        case IDM_MODE_US:        controller::set_mode(Mode::us);                                redraw = true; break;
        case IDM_MODE_ONES:      controller::set_mode(Mode::ones);                              redraw = true; break;
        case IDM_MODE_TWOS:      controller::set_mode(Mode::twos);                              redraw = true; break;
        case IDM_AUTO_DETECT:    redraw = controller::auto_detect(w);  /* not when refused */   break;
        case IDM_DEFINE_LENGTH:  open_dialog(hwnd, IDD_DEFINE_LENGTH, DialogSetLenProc);        redraw = true; break;
        case IDM_LENGTH_4:       controller::update_lens(4);                                    redraw = true; break;
        case IDM_LENGTH_8:       controller::update_lens(8);                                    redraw = true; break;
        case IDM_LENGTH_16:      controller::update_lens(16);                                   redraw = true; break;
        case IDM_LENGTH_24:      controller::update_lens(24);                                   redraw = true; break;
        case IDM_LENGTH_32:      controller::update_lens(32);                                   redraw = true; break;
        case IDM_VIEW_LENGTHS:   open_dialog(hwnd, IDD_VIEW_LENGTHS, DialogLenProc);            break;
        case IDM_VALID_RANGE:    open_dialog(hwnd, IDD_VALID_RANGE, DlgSLProc);                 break;
        case IDM_REFINE:         controller::refine(w);                                         break;
        case IDM_REMOVE_SIGN:    controller::remove_sign(w);                                    break;
        case IDM_C_HEX:          controller::toggle_C_hex(w);                                   break;
        case IDM_C_SMALL:        controller::toggle_C_small(w);                                 break;
        case IDM_HELP:           open_dialog(hwnd, IDD_HELP, DialogHelpProc);                   break;
        case IDM_ERROR_0X01:     show_error_info(hwnd, id);                                     break;
        case IDM_ERROR_0X02:     show_error_info(hwnd, id);                                     break;
        case IDM_ERROR_0X03:     show_error_info(hwnd, id);                                     break;
        case IDM_ERROR_0X04:     show_error_info(hwnd, id);                                     break;
        case IDM_ERROR_0XFF:     show_error_info(hwnd, id);                                     break;
        case IDM_BUG_REPORT:     MessageBoxA(hwnd, bug_report_text, bug_report_title, MB_OK);   break;
        case IDM_ABOUT:          open_dialog(hwnd, IDD_ABOUT, DialogAboutProc);                 break;
        default:                                                                                break;
    }
    if (redraw) update_stats(hwnd);
}

}  // namespace

INT_PTR open_dialog(HWND owner, int template_id, DLGPROC proc) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(template_id), owner, proc, 0);
}

INT_PTR CALLBACK DialogMainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            initialise(hwnd);
            return 1;  // the dialog manager puts the focus in the number box
        case WM_COMMAND:
            dispatch(hwnd, LOWORD(wParam));
            return 1;
        case WM_DESTROY:
            release(hwnd);
            return 0;
        default:
            return 0;
    }
}
