// Resource identifiers of Quorvel Numeral Studio.
//
// Plain #defines only: this header is read by the resource compiler as well
// as by the C++ code. The numbers are part of the program's interface (the
// controller addresses the main window's boxes by them, and the buttons share
// the numbers of the menu commands they repeat), so they never change.
#ifndef QNS_UI_RESOURCE_H
#define QNS_UI_RESOURCE_H

// ---- Dialog templates -----------------------------------------------------------
#define IDD_MAIN            401
#define IDD_ABOUT           402
#define IDD_HELP            403
#define IDD_DEFINE_LENGTH   405
#define IDD_VIEW_LENGTHS    406
#define IDD_AUTO_DETECT     407
#define IDD_ERROR_INFO      408
#define IDD_VALID_RANGE     509

// ---- Menu, icon, bitmaps ----------------------------------------------------------
#define IDR_MAIN_MENU       437
#define IDI_QUORVEL         438
#define IDB_TICK            102   // beside Help > About
#define IDB_REFRESH         103   // beside Main > Refresh
#define IDB_CLOSE           104   // beside Main > Exit

// ---- Controls ---------------------------------------------------------------------
// Every control that the code never addresses carries this one number.
#define IDC_SHARED          394

// Main window (template 401).
#define IDC_NUMBER_BOX      390
#define IDC_RESULT_BOX1     391
#define IDC_RESULT_BOX2     392
#define IDC_RESULT_BOX3     393
#define IDC_LABEL_NUMBER    397
#define IDC_LABEL_RESULT1   398
#define IDC_LABEL_RESULT2   399
#define IDC_LABEL_RESULT3   501
#define IDC_STATUS_BASE     1398
#define IDC_STATUS_MODE     1399
#define IDC_STATUS_LENGTH   1500

// Define length (405) and Auto-detect (407): the length shown over the
// blank stretch of their sentence. Define length's edit box reuses 393.
#define IDC_LENGTH_VALUE    201
#define IDC_LENGTH_EDIT     393
#define IDC_SET_LENGTH      1411

// View current lengths (406).
#define IDC_VIEW_BIN        197
#define IDC_VIEW_OCT        198
#define IDC_VIEW_HEX        199

// Error information (408).
#define IDC_ERROR_TEXT      116

// Valid range for current length (509).
#define IDC_RANGE_DEC_MAX   1911
#define IDC_RANGE_ONES_MAX  1912
#define IDC_RANGE_ONES_MIN  1913
#define IDC_RANGE_TWOS_MAX  1914
#define IDC_RANGE_TWOS_MIN  1915
#define IDC_RANGE_BIN_MAX   1916
#define IDC_RANGE_OCT_MAX   1917
#define IDC_RANGE_HEX_MAX   1918
#define IDC_RANGE_LENGTH    1919

// Address boxes that the About and Help windows create at run time.
#define IDC_ABOUT_EMAIL     1201
#define IDC_ABOUT_URL       1202
#define IDC_HELP_URL        1203
// The About window's picture: icon 438 at its 96-pixel size.
#define IDC_ABOUT_PICTURE   1204

// ---- Menu commands (the buttons of the main window send the same numbers) ---------
// Main
#define IDM_CONVERT         411
#define IDM_REFRESH         418
#define IDM_RELOAD          1418
#define IDM_REFRESH_RELOAD  1413
#define IDM_EXIT            2     // IDCANCEL: the close box and Escape too
// Base
#define IDM_BASE_DEC        490
#define IDM_BASE_BIN        491
#define IDM_BASE_HEX        492
#define IDM_BASE_OCT        493
// Mode
#define IDM_MODE_US         494
#define IDM_MODE_ONES       495
#define IDM_MODE_TWOS       496
// Length
#define IDM_AUTO_DETECT     419
#define IDM_DEFINE_LENGTH   1411
#define IDM_LENGTH_4        901
#define IDM_LENGTH_8        902
#define IDM_LENGTH_16       903
#define IDM_LENGTH_24       904
#define IDM_LENGTH_32       906   // there is no 905
#define IDM_VIEW_LENGTHS    1412
#define IDM_VALID_RANGE     519
// Extra
#define IDM_REFINE          1419
#define IDM_REMOVE_SIGN     908
#define IDM_C_HEX           907
#define IDM_C_SMALL         909
// Help
#define IDM_HELP            412
#define IDM_ERROR_0X01      111
#define IDM_ERROR_0X02      112
#define IDM_ERROR_0X03      113
#define IDM_ERROR_0X04      114
#define IDM_ERROR_0XFF      115
#define IDM_BUG_REPORT      1414
#define IDM_ABOUT           414

#endif  // QNS_UI_RESOURCE_H
