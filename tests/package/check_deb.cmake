# Builds the Debian package of qns with CPack, as `cpack` in the build tree
# does, and checks what dpkg would install: exactly the program, its man page
# and the copyright file, the package's control fields, and that the packaged
# program converts as the program of the build tree does.
#
# Variables: CPACK_COMMAND, CPACK_CONFIG, OUT_DIR, VERSION, SOURCE_DIR, QNS.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_common.cmake)
require(check_deb.cmake CPACK_COMMAND CPACK_CONFIG OUT_DIR VERSION SOURCE_DIR QNS)

file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
execute_process(
  COMMAND ${CPACK_COMMAND} --config ${CPACK_CONFIG} -G DEB -B ${OUT_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages: ${debs}")
endif()
get_filename_component(deb_name ${debs} NAME)
if(NOT deb_name MATCHES "^qns_${VERSION}_[a-z0-9]+\\.deb$")
  fail("the package is named ${deb_name}")
endif()

# ---- What dpkg installs: exactly these files -------------------------------------
execute_process(COMMAND dpkg-deb -c ${debs} RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed: ${err}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(files "")
foreach(line IN LISTS lines)
  if(line MATCHES "^-[^ ]+ root/root +[0-9]+ [^ ]+ [^ ]+ (.*)$")  # regular files owned by root
    list(APPEND files "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^[^d]" AND NOT line STREQUAL "")
    fail("unexpected entry: ${line}")
  endif()
endforeach()
list(SORT files)
set(want ./usr/bin/qns ./usr/share/doc/qns/copyright ./usr/share/man/man1/qns.1)
if(NOT files STREQUAL want)
  fail("the package installs\n    ${files}\n    instead of\n    ${want}")
endif()
if(NOT listing MATCHES "-rwxr-xr-x root/root [^\n]* ./usr/bin/qns\n")
  fail("/usr/bin/qns is not an executable owned by root:\n${listing}")
endif()

# ---- Control fields ---------------------------------------------------------------
foreach(field Package Version Section Depends Description)
  execute_process(COMMAND dpkg-deb -f ${debs} ${field} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(f_${field} "${value}")
endforeach()
if(NOT f_Package STREQUAL "qns" OR NOT f_Version STREQUAL "${VERSION}" OR NOT f_Section STREQUAL "utils")
  fail("control fields: Package '${f_Package}', Version '${f_Version}', Section '${f_Section}'")
endif()
if(NOT f_Depends MATCHES "(^|, )libc6( |,|$)")
  fail("Depends does not name libc6: '${f_Depends}'")
endif()
if(NOT f_Description MATCHES "^convert integers")
  fail("Description: '${f_Description}'")
endif()

# ---- The installed files ------------------------------------------------------------
set(root ${OUT_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE rc)
foreach(pair "usr/share/man/man1/qns.1=docs/qns.1" "usr/share/doc/qns/copyright=LICENSE")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed)
  list(GET pair 1 source)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${root}/${installed} ${SOURCE_DIR}/${source}
    RESULT_VARIABLE differ)
  if(differ)
    fail("${installed} differs from ${source}")
  endif()
endforeach()
set(args --all-modes -l 8 --format=tsv -- -5 255)
execute_process(COMMAND ${root}/usr/bin/qns ${args} RESULT_VARIABLE rc1 OUTPUT_VARIABLE packaged)
execute_process(COMMAND ${QNS} ${args} RESULT_VARIABLE rc2 OUTPUT_VARIABLE built)
if(NOT rc1 EQUAL rc2 OR NOT packaged STREQUAL built OR packaged STREQUAL "")
  fail("the packaged qns gives (${rc1})\n${packaged}\nthe built one (${rc2})\n${built}")
endif()

if(failures)
  message(FATAL_ERROR "The Debian package is not right:\n${failures}")
endif()
message(STATUS "${deb_name} installs exactly: ${files}; Depends: ${f_Depends}")
