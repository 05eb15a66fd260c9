# The release archive for Windows: NumeralStudio-1.1-win64.zip, holding one
# folder NumeralStudio-1.1 with exactly
#   QuorvelNumeralStudio.exe   (installed by ui/CMakeLists.txt)
#   qns.exe                    (the command-line converter, cli/CMakeLists.txt)
#   Help.html
#   README.txt
#   LICENSE.txt
#   numeral-studio.html        (the browser edition, cmake/WebPage.cmake)
# Build it with `cpack --preset windows` from the source directory, or with
# `cpack` in a Windows build tree.

set(QNS_PACKAGE_TOPDIR "NumeralStudio-${PROJECT_VERSION}")
set(QNS_PACKAGE_FILE_NAME "NumeralStudio-${PROJECT_VERSION}-win64")
set(QNS_PACKAGE_FILES QuorvelNumeralStudio.exe qns.exe Help.html README.txt LICENSE.txt)

# The browser edition beside the program, when Emscripten can build it.
include(${CMAKE_CURRENT_LIST_DIR}/WebPage.cmake)
if(QNS_WEB_PAGE_FILE)
  list(APPEND QNS_PACKAGE_FILES numeral-studio.html)
  install(FILES ${QNS_WEB_PAGE_FILE} DESTINATION .)
endif()

# The text files get Windows line endings, so that every editor on the
# target shows them as written.
function(qns_crlf_copy src dst)
  file(READ ${src} text)  # CMake drops any CR on reading
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${dst}.new "${text}")
  file(COPY_FILE ${dst}.new ${dst} ONLY_IF_DIFFERENT)
  file(REMOVE ${dst}.new)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
endfunction()

set(QNS_PACKAGE_STAGE ${PROJECT_BINARY_DIR}/package-files)
qns_crlf_copy(${PROJECT_SOURCE_DIR}/docs/README.txt ${QNS_PACKAGE_STAGE}/README.txt)
qns_crlf_copy(${PROJECT_SOURCE_DIR}/LICENSE ${QNS_PACKAGE_STAGE}/LICENSE.txt)

install(FILES ${PROJECT_SOURCE_DIR}/docs/Help.html DESTINATION .)
install(FILES ${QNS_PACKAGE_STAGE}/README.txt ${QNS_PACKAGE_STAGE}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME "NumeralStudio")
set(CPACK_PACKAGE_VENDOR "The Quorvel Numeral Studio authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Converts an integer between decimal, binary, octal and hexadecimal")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${QNS_PACKAGE_FILE_NAME})
# One top folder named after the release, not after the archive: the files
# are installed under it and CPack adds no folder of its own.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX "/${QNS_PACKAGE_TOPDIR}")

# `cpack --config CPackSourceConfig.cmake` packs the sources, not the builds.
set(CPACK_SOURCE_GENERATOR ZIP)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "NumeralStudio-${PROJECT_VERSION}-src")
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/")

include(CPack)  # leaves CPACK_PACKAGE_FILE_NAME at the source package's name
