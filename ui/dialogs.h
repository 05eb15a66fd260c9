// The dialog procedures of the program's windows and what they share.
#pragma once

#include <windows.h>

// ---- Main window (main_dialog.cpp) ---------------------------------------------
INT_PTR CALLBACK DialogMainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Redraws the status line and the radio marks of the Base and Mode menus
// from the settings.
void update_stats(HWND hwnd);

// Handles loaded when the main window opens; they live as long as it does.
extern HMENU MainMenu;
extern HBITMAP Close;    // beside Exit
extern HBITMAP About;    // beside About
extern HBITMAP Refresh;  // beside Refresh

// Text and title of the bug-report note (Help > Bug report).
extern const char bug_report_title[];
extern const char bug_report_text[];

// Opens one of the program's dialogs modally over owner; returns its result.
INT_PTR open_dialog(HWND owner, int template_id, DLGPROC proc);

// ---- Length dialogs ---------------------------------------------------------------
INT_PTR CALLBACK DialogSetLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);  // 405
INT_PTR CALLBACK DialogLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);     // 406
INT_PTR CALLBACK DlgAutoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);       // 407
INT_PTR CALLBACK DlgSLProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);         // 509

// ---- Information dialogs ------------------------------------------------------------
INT_PTR CALLBACK DialogAboutProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);  // 402
INT_PTR CALLBACK DialogHelpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);   // 403
INT_PTR CALLBACK DlgEmsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);      // 408

// The explanation shown by the error-information window for a selector
// (one of controller::ErrorInfo); the empty text for any other.
const char* error_info_text(int em);

// Addresses shown by the About and Help windows.
extern const char URL[];
extern const char URL_HELP[];
extern const char CONTACT_EMAIL[];
