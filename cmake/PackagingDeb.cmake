# The Debian package of the command-line converter, qns_1.1_<arch>.deb:
#   /usr/bin/qns, /usr/share/man/man1/qns.1, /usr/share/doc/qns/copyright
# Build it from a release tree: `cmake --preset native-release && cmake
# --build --preset native-release && cpack --preset native-deb`.
set(QNS_DEB_PACKAGE qns)
set(CPACK_GENERATOR DEB)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME qns)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvel Numeral Studio authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "convert integers between decimal, binary, octal and hexadecimal")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "qns converts a number between decimal, binary, octal and hexadecimal,\n unsigned or in 1s or 2s complement, at any length from 1 to 32 bits,\n with numbered errors and automatic corrections. It is the command-line\n companion of Quorvel Numeral Studio and reads numbers from its arguments\n or, one a line, from standard input (text, tsv or json output).")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvel Numeral Studio authors <ns@quorvel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example/numeral-studio/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends from what qns links
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
