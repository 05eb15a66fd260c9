// The dialog procedures of the program's windows, and how they are opened.
#pragma once

#include <windows.h>

// Opens one of the program's dialogs modally over owner; returns its result.
INT_PTR open_dialog(HWND owner, int template_id, DLGPROC proc);

// ---- Main window --------------------------------------------------------------------
INT_PTR CALLBACK DialogMainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);    // 401

// ---- Length dialogs -----------------------------------------------------------------
INT_PTR CALLBACK DialogSetLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);  // 405
INT_PTR CALLBACK DialogLenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);     // 406
INT_PTR CALLBACK DlgAutoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);       // 407
INT_PTR CALLBACK DlgSLProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);         // 509

// ---- Information dialogs ------------------------------------------------------------
INT_PTR CALLBACK DialogAboutProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);   // 402
INT_PTR CALLBACK DialogHelpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);    // 403
INT_PTR CALLBACK DlgEmsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);       // 408
