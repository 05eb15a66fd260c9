// Texts that the user reads in the windows of the program, word for word
// (odd spacing and spelling included): the unit and end-to-end tests compare
// against them, kept apart from the program's own copies so that a slip in
// either shows.
#pragma once

namespace expect {

// Convert's messages (title "Error Detected ..."); 0x02 and 0x04 ask a
// question.
inline constexpr const char error_title[] = "Error Detected ...";
inline constexpr const char error_0x01[] =
    "\t\t\t\t\t\t\nError 0x01\nNULL - Input box is empty!\n\nEnter any value in the input box and then convert.\n"
    "\nIf you are entering a C/C++ like hexadecimal number \nmake sure that there is a value after the \"0x\" or "
    "\"0X\" \nprefix.\n\n\n\n\n\n";
inline constexpr const char error_0x02[] =
    "\t\t\t\t\t\t\nError 0x02\nInvalid input - Number contains invalid character/s!\n\nQuorvel can eliminate "
    "this error automatically.\n\nYou can remove this error manually through\nExtra -> Refine input\n\n\n\n\n\n"
    "Do you want Quorvel to eliminate this error?\n";
inline constexpr const char error_0x03[] =
    "\t\t\t\t\t\t\nError 0x03\nOut of range - number is too big for 32-bit binary \nrepresentation under current "
    "base and mode!\n\nSee |Error messages| for Error 0x03 from |Help| \nmeun.\n\n\n\n\n\n\nSee Help.html for more "
    "detail.";
inline constexpr const char error_0x04[] =
    "\t\t\t\t\t\t\nError 0x04\nSigned - The number entered is signed!\n\nIMPORTANT: if your are working in "
    "decimal \nbase make sure the mode is set correct!\n\nQuorvel can eliminate this error automatically.\n\nYou "
    "can remove this error manually through\nExtra -> Remove sign\n\nDo you want Quorvel to eliminate this error?";

// Auto-detect's notes.
inline constexpr const char note_title[] = "Note...";

// The Help window's text.
inline constexpr const char help_text[] =
    "See Help.html for detailed and interactive help on using \"Quorvel Numeral Studio\". Help.html "
    "is included in the downloaded zip archive. \n"
    "\n----------------------------------------\n"
    "Here are some general guidelines \n"
    "----------------------------------------\n"
    "\nFirst enter the number you want to convert in number box and click convert. Number is "
    "converted to other three bases and results are displayed in the result boxes.\n"
    "\nIf the number entered is not acceptable error message is displayed and the number is not "
    "converted. Error details can be found in Help menu.\n"
    "\nMake sure the base is set correct and the mode is set corret. Base refers to input number's "
    "radix and Mode refers to signed representation format. \n"
    "\nSee Help.html for more.\n\nYou can also view online at the following address:";

// The valid-range window's text, its fields laid over the blanks.
inline constexpr const char valid_range_text[] =
    "Current length of calculation is:       bit\n"
    "\nDecimal (unsigned):\t\t     to\n"
    "Decimal (1s comp):\t\t     to\n"
    "Decimal (2s comp):\t\t     to\n"
    "Binary (all):\t\t\t     to\nOctal (all):\t\t\t     to\n"
    "Hexadecimal (all):\t\t     to\n"
    "\nThe above range must be ensured for the results to be correct!\n"
    "\nIf the number is beyond the range, LSBs up to the current length is displayed and the rest "
    "of the MSBs are lost (This occurs when converting to binary, octal or hexadecimal base). Any "
    "number beyond 32bit range is not converted.\n"
    "\n\nSee Help.html for more detail.";

// Define length refuses a length.
inline constexpr const char length_invalid_title[] = "Length invalid...!";
inline constexpr const char length_invalid_text[] =
    "\nThe length you entered is not vaild!                           \n"
    "\nSupported length for this version of program \n"
    "is from 1 to 32 bit.\n\nPlease re-enter the length within the range \n"
    "specified above.\n\nOr you can leave the length unchanged by \n"
    "clicking cancel.\n";

// Auto-detect in the decimal base.
inline constexpr const char auto_decimal_text[] =
    "\nAuto-detect length\n\nYou are currently working in decimal base!\n"
    "\nThis feature is available for binary, octal or             \n"
    "hexadecimal bases, not for decimal base.\n";

// Auto-detect finds more than 32 bits.
inline constexpr const char auto_too_big_text[] =
    "\nInvalid number...!\n\nNumber is too big for 32-bit binary representation.              \n"
    "\nThis version of program supports maximum of 32-bit \n"
    "binary representation. Valid length for this version \n"
    "is from 1 to 32 bit. \n\nNote: every character in the input box is counted, \n"
    "including any invalid characters (if any).\n";

// The error-information window, one text per Help > Error messages item.
inline constexpr const char info_0x01[] =
    "Error 0x01\nNULL - Input box is empty!\n"
    "\nEnter any value in the input box and then convert.\n"
    "\nIf you are entering a C/C++ like hexadecimal number make sure that there is a value after "
    "the 0x or 0X prefix.";

inline constexpr const char info_0x02[] =
    "Error 0x02\nInvalid input - The number entered contains invalid character/s!\n"
    "\nMake sure the number entered does not have any invalid character. Space is also an invalid "
    "character (a frequent mistake).\n"
    "\nFollowing are the valid characters for respective bases:\n"
    "\nDecimal:\t0 1 2 3 4 5 6 7 8 9\n"
    "Binary:\t\t0 1\nOctal:\t\t0 1 2 3 4 5 6 7\n"
    "Hexadecimal:\t0 1 2 3 4 5 6 7 8 9 a b c d e f A B C D E F\n"
    "\nDecimal base can also accept + and - as prefix. \n"
    "Hexadecimal base can also accept 0x and 0X as prefix.\n"
    "\nNOTE: |Refine Input| from |Extra| menu will eliminate this error. ";

inline constexpr const char info_0x03[] =
    "Error 0x03\nOut of range - number is too big for 32-bit binary representation!\n"
    "\nMake sure the number entered is within the following range:\n"
    "\nDecimal (unsigned):   0  to  4294967295\n"
    "Decimal (1s comp):    -2147483647  to  +2147483647\n"
    "Decimal (2s comp):    -2147483648  to  +2147483647\n"
    "Binary (all):                0  to  11111111111111111111111111111111\n"
    "Octal (all):                  0  to  37777777777\n"
    "Hexadecimal (all):      0  to  FFFFFFFF\n"
    "\nAbove range is applicable only for 32bit length. To see valid range for current length see "
    "|Show valid range for current length| from |Length| menu.\n"
    "\nSee Help.html for more detail.";

inline constexpr const char info_0x04[] =
    "Error 0x04\nSigned - The number entered is signed!\n"
    "\nThis is not an error if you are working in decimal base and in 1's or 2's complement mode. "
    "But if you are working in decimal base and unsigned mode and if the number is negetive this is "
    "an error. Make sure the mode is set correct!\n"
    "\nIn binary, octal or hexadecimal bases the sign of a value is integerated in its "
    "representation and not prefixed (- or +) as in decimal numbering system. Hence in any mode "
    "signed number \n"
    "is not acceptable in binary, octal or hexadecimal bases. \n"
    "\nNOTE: |Remove Sign| from |Extra| menu will eliminate this error.\n"
    "\n\nSee Help.html for more detail.";

inline constexpr const char info_0xFF[] =
    "Error 0xFF\nUnknown or system error!\n"
    "\nThis error value never raised in testing.\n"
    "\nIf this error occurs exit and restart Quorvel.";

// The status line caption; its three fields lie over the blank stretches.
inline constexpr const char status_caption[] =
    "Base =            |     Mode =                    |      length =     bit";

}  // namespace expect
