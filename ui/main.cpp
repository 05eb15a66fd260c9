// Quorvel Numeral Studio: the program is its main window, a modal dialog box.
#include <windows.h>

#include "ui/dialogs.h"
#include "ui/resource.h"

#ifdef QNS_TEST_DRIVER
// The end-to-end tests drive the window from a thread of their own.
void start_test_driver();
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
#ifdef QNS_TEST_DRIVER
    start_test_driver();
#endif
    // No owner, no command line, nothing saved: the program ends when the
    // main window does.
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                    DialogMainProc, 0);
    return 0;
}
