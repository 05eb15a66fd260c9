// The fixed texts of the controller's message boxes and labels.
//
// Every text is shown exactly as written here, odd spacing and spelling
// included: users and the help pages refer to them word for word.
#pragma once

namespace controller::text {

// ---- Convert command ------------------------------------------------------------
inline constexpr const char error_title[] = "Error Detected ...";

inline constexpr const char error_0x01[] =
    "\t\t\t\t\t\t\nError 0x01\nNULL - Input box is empty!\n\n"
    "Enter any value in the input box and then convert.\n\n"
    "If you are entering a C/C++ like hexadecimal number \n"
    "make sure that there is a value after the \"0x\" or \"0X\" \n"
    "prefix.\n\n\n\n\n\n";

inline constexpr const char error_0x02[] =
    "\t\t\t\t\t\t\nError 0x02\nInvalid input - Number contains invalid character/s!\n\n"
    "Quorvel can eliminate this error automatically.\n\n"
    "You can remove this error manually through\nExtra -> Refine input\n\n\n\n\n\n"
    "Do you want Quorvel to eliminate this error?\n";

inline constexpr const char error_0x03[] =
    "\t\t\t\t\t\t\nError 0x03\nOut of range - number is too big for 32-bit binary \n"
    "representation under current base and mode!\n\n"
    "See |Error messages| for Error 0x03 from |Help| \nmeun.\n\n\n\n\n\n\n"
    "See Help.html for more detail.";

inline constexpr const char error_0x04[] =
    "\t\t\t\t\t\t\nError 0x04\nSigned - The number entered is signed!\n\n"
    "IMPORTANT: if your are working in decimal \nbase make sure the mode is set correct!\n\n"
    "Quorvel can eliminate this error automatically.\n\n"
    "You can remove this error manually through\nExtra -> Remove sign\n\n"
    "Do you want Quorvel to eliminate this error?";

// ---- Auto-detect ------------------------------------------------------------------
inline constexpr const char note_title[] = "Note...";

inline constexpr const char auto_detect_decimal[] =
    "\nAuto-detect length\n\nYou are currently working in decimal base!\n\n"
    "This feature is available for binary, octal or             \n"
    "hexadecimal bases, not for decimal base.\n";

inline constexpr const char auto_detect_too_big[] =
    "\nInvalid number...!\n\n"
    "Number is too big for 32-bit binary representation.              \n\n"
    "This version of program supports maximum of 32-bit \n"
    "binary representation. Valid length for this version \n"
    "is from 1 to 32 bit. \n\n"
    "Note: every character in the input box is counted, \n"
    "including any invalid characters (if any).\n";

// ---- Labels -----------------------------------------------------------------------
// The result-box placeholder when a box holds no result.
inline constexpr const char no_result[] = "--";

}  // namespace controller::text
