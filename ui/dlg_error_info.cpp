// The error-information window (Help > Error messages).
#include "controller/controller.h"
#include "ui/dialogs.h"
#include "ui/info_window.h"
#include "ui/resource.h"

namespace {

struct Explanation {
    int em;
    const char* text;
};

// The runs of blanks in the 0x03 text line up its ranges; the 0x02 text ends
// in a blank. Both are kept as they are.
const Explanation explanations[] = {
    {controller::error_info_0x01,
     "Error 0x01\nNULL - Input box is empty!\n\n"
     "Enter any value in the input box and then convert.\n\n"
     "If you are entering a C/C++ like hexadecimal number make sure that there is a value "
     "after the 0x or 0X prefix."},
    {controller::error_info_0x02,
     "Error 0x02\nInvalid input - The number entered contains invalid character/s!\n\n"
     "Make sure the number entered does not have any invalid character. Space is also an "
     "invalid character (a frequent mistake).\n\n"
     "Following are the valid characters for respective bases:\n\n"
     "Decimal:\t0 1 2 3 4 5 6 7 8 9\n"
     "Binary:\t\t0 1\n"
     "Octal:\t\t0 1 2 3 4 5 6 7\n"
     "Hexadecimal:\t0 1 2 3 4 5 6 7 8 9 a b c d e f A B C D E F\n\n"
     "Decimal base can also accept + and - as prefix. \n"
     "Hexadecimal base can also accept 0x and 0X as prefix.\n\n"
     "NOTE: |Refine Input| from |Extra| menu will eliminate this error. "},
    {controller::error_info_0x03,
     "Error 0x03\nOut of range - number is too big for 32-bit binary representation!\n\n"
     "Make sure the number entered is within the following range:\n\n"
     "Decimal (unsigned):   0  to  4294967295\n"
     "Decimal (1s comp):    -2147483647  to  +2147483647\n"
     "Decimal (2s comp):    -2147483648  to  +2147483647\n"
     "Binary (all):                0  to  11111111111111111111111111111111\n"
     "Octal (all):                  0  to  37777777777\n"
     "Hexadecimal (all):      0  to  FFFFFFFF\n\n"
     "Above range is applicable only for 32bit length. To see valid range for current length "
     "see |Show valid range for current length| from |Length| menu.\n\n"
     "See Help.html for more detail."},
    {controller::error_info_0x04,
     "Error 0x04\nSigned - The number entered is signed!\n\n"
     "This is not an error if you are working in decimal base and in 1's or 2's complement "
     "mode. But if you are working in decimal base and unsigned mode and if the number is "
     "negetive this is an error. Make sure the mode is set correct!\n\n"
     "In binary, octal or hexadecimal bases the sign of a value is integerated in its "
     "representation and not prefixed (- or +) as in decimal numbering system. Hence in any "
     "mode signed number \nis not acceptable in binary, octal or hexadecimal bases. \n\n"
     "NOTE: |Remove Sign| from |Extra| menu will eliminate this error.\n\n\n"
     "See Help.html for more detail."},
    {controller::error_info_0xFF,
     "Error 0xFF\nUnknown or system error!\n\n"
     "This error value never raised in testing.\n\n"
     "If this error occurs exit and restart Quorvel."},
};

// The explanation for a selector; the empty text for any other.
const char* error_info_text(int em) {
    for (const Explanation& e : explanations)
        if (e.em == em) return e.text;
    return "";
}

}  // namespace

INT_PTR CALLBACK DlgEmsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        open_white_window(hwnd);
        SetDlgItemTextA(hwnd, IDC_ERROR_TEXT, error_info_text(controller::em));
        fit_texts(hwnd);
        return 1;
    }
    return white_window_message(hwnd, msg, wParam, lParam);
}
