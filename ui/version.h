// The one place that names the product and its version: the VERSIONINFO
// resource and the About window both take their texts from here.
#ifndef QNS_UI_VERSION_H
#define QNS_UI_VERSION_H

#define QNS_VERSION_MAJOR      1
#define QNS_VERSION_MINOR      1
#define QNS_VERSION_BINARY     1, 1, 0, 0
#define QNS_VERSION_STRING     "1.1"
#define QNS_VERSION_FULL       "1.1.0.0"

#define QNS_PRODUCT_NAME       "Quorvel Numeral Studio"
#define QNS_ABOUT_VERSION      "Version " QNS_VERSION_STRING
#define QNS_STATUS_VERSION     "Quorvel v" QNS_VERSION_STRING
#define QNS_DESCRIPTION        "Converts an integer between decimal, binary, octal and hexadecimal"
#define QNS_COMPANY            "Quorvel"
#define QNS_COPYRIGHT          "Copyright (C) 2026 The Quorvel Numeral Studio authors"
#define QNS_EXE_NAME           "QuorvelNumeralStudio.exe"

// Addresses shown in the About, Help and bug-report windows.
#define QNS_CONTACT_EMAIL      "ns@quorvel.example"
#define QNS_URL                "https://quorvel.example/numeral-studio/"
#define QNS_URL_HELP           "https://quorvel.example/numeral-studio/help.html"

#endif  // QNS_UI_VERSION_H
