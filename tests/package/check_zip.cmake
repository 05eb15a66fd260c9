# Builds the release archive with CPack, as `cpack` in the build tree does, and
# checks what a user unpacks from it: one folder holding exactly the program,
# its help page, the README and the licence, with nothing from the build tree.
#
# Variables: CPACK_COMMAND, CPACK_CONFIG, OUT_DIR, ZIP_NAME, TOP, FILES (list),
# SOURCE_DIR, OBJDUMP (optional, to check what the program imports) and
# WEB_PAGE (optional, the browser edition the zip must carry).
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_common.cmake)
require(check_zip.cmake CPACK_COMMAND CPACK_CONFIG OUT_DIR ZIP_NAME TOP FILES SOURCE_DIR)

# ---- Build the archive in a fresh directory -------------------------------------
file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
execute_process(
  COMMAND ${CPACK_COMMAND} --config ${CPACK_CONFIG} -B ${OUT_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
set(zip ${OUT_DIR}/${ZIP_NAME})
if(NOT EXISTS ${zip})
  message(FATAL_ERROR "cpack did not make ${ZIP_NAME}:\n${out}")
endif()
file(GLOB made RELATIVE ${OUT_DIR} ${OUT_DIR}/*.zip)
if(NOT made STREQUAL ZIP_NAME)
  fail("cpack made other archives besides ${ZIP_NAME}: ${made}")
endif()
message(STATUS "Built ${zip}")

# ---- Its entries: exactly the four files in the top folder -----------------------
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar tf ${zip}
  RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot list ${zip}: ${err}")
endif()
string(REPLACE "\r" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "^$")
list(REMOVE_ITEM entries "${TOP}/")  # the folder's own entry
set(expected "")
foreach(f IN LISTS FILES)
  list(APPEND expected "${TOP}/${f}")
endforeach()
list(SORT entries)
list(SORT expected)
if(NOT entries STREQUAL expected)
  string(REPLACE ";" "\n    " got "${entries}")
  string(REPLACE ";" "\n    " want "${expected}")
  fail("the archive holds\n    ${got}\n    instead of\n    ${want}")
endif()
message(STATUS "Entries: ${entries}")

# ---- Their contents -------------------------------------------------------------
set(unpacked ${OUT_DIR}/unpacked)
file(MAKE_DIRECTORY ${unpacked})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar xf ${zip}
  WORKING_DIRECTORY ${unpacked} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${zip}: ${err}")
endif()
set(dir ${unpacked}/${TOP})

if(EXISTS ${dir}/Help.html)
  file(SHA256 ${dir}/Help.html got)
  file(SHA256 ${SOURCE_DIR}/docs/Help.html want)
  if(NOT got STREQUAL want)
    fail("Help.html differs from docs/Help.html")
  endif()
endif()

# The browser edition is the page the tree built, byte for byte.
if(WEB_PAGE AND EXISTS ${dir}/numeral-studio.html)
  file(SHA256 ${dir}/numeral-studio.html got)
  file(SHA256 ${WEB_PAGE} want)
  if(NOT got STREQUAL want)
    fail("numeral-studio.html differs from ${WEB_PAGE}")
  endif()
endif()

# The text files are the sources with Windows line endings throughout.
foreach(pair "README.txt=docs/README.txt" "LICENSE.txt=LICENSE")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 shipped)
  list(GET pair 1 source)
  if(NOT EXISTS ${dir}/${shipped})
    continue()
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${dir}/${shipped} ${SOURCE_DIR}/${source}
    RESULT_VARIABLE differ)
  if(differ)
    fail("${shipped} differs from ${source}")
  endif()
  # CMake drops CR when it reads text, so look at the bytes.
  file(READ ${dir}/${shipped} bytes HEX)
  string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
  string(REPLACE "0d 0a " "" bytes "${bytes}")
  if(bytes MATCHES "(^| )0a ")
    fail("${shipped} has lines that do not end in CR LF")
  endif()
endforeach()

# The programs are 64-bit Windows executables that need only Windows' own
# DLLs: the archive carries no MinGW runtime. The window program is a GUI
# program, qns.exe a console program.
foreach(pair "QuorvelNumeralStudio.exe=Windows GUI" "qns.exe=Windows CUI")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 subsystem)
  set(exe ${dir}/${name})
  if(NOT EXISTS ${exe})
    continue()
  endif()
  file(READ ${exe} mz LIMIT 2 HEX)
  file(READ ${exe} pe_at OFFSET 60 LIMIT 4 HEX)
  # e_lfanew, little-endian
  string(SUBSTRING "${pe_at}" 6 2 b3)
  string(SUBSTRING "${pe_at}" 4 2 b2)
  string(SUBSTRING "${pe_at}" 2 2 b1)
  string(SUBSTRING "${pe_at}" 0 2 b0)
  math(EXPR pe_offset "0x${b3}${b2}${b1}${b0}")
  file(READ ${exe} pe LIMIT 6 OFFSET ${pe_offset} HEX)
  if(NOT mz STREQUAL "4d5a" OR NOT pe STREQUAL "504500006486")
    fail("${name} is not an x86-64 Windows program (${mz} ${pe})")
  endif()
  if(OBJDUMP)
    execute_process(COMMAND ${OBJDUMP} -p ${exe} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
    string(REGEX MATCHALL "DLL Name: [^\n]+" dlls "${dump}")
    string(REPLACE "DLL Name: " "" dlls "${dlls}")
    message(STATUS "${name} imports: ${dlls}")
    if(NOT rc EQUAL 0 OR NOT dlls)
      fail("cannot read the imports of ${name}")
    endif()
    foreach(dll IN LISTS dlls)
      string(TOLOWER "${dll}" l)
      if(l MATCHES "^lib|gcc|stdc\\+\\+|pthread|mingw")
        fail("${name} needs ${dll}, which is not part of Windows")
      endif()
    endforeach()
    if(NOT dump MATCHES "Subsystem[ \t]+[0-9a-f]+[ \t]+\\(${subsystem}\\)")
      fail("${name} is not a ${subsystem} program")
    endif()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "The release archive is not right:\n${failures}")
endif()
message(STATUS "The release archive holds exactly: ${FILES}")
