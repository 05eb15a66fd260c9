# Builds the Debian package of qns as a user does, from the release
# configuration (`cmake --preset native-release`, then CPack) in a tree of its
# own, and checks what dpkg would install: exactly the program, its compressed
# man page, the bash completion, the changelog and the copyright file; the
# package's control fields; that the packaged program converts as the program
# of the build tree does; and that lintian has nothing to say about it.
#
# Variables: CPACK_COMMAND, RELEASE_DIR, OUT_DIR, VERSION, SOURCE_DIR, QNS.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_common.cmake)
require(check_deb.cmake CPACK_COMMAND RELEASE_DIR OUT_DIR VERSION SOURCE_DIR QNS)

# run(what command...): stops with the command's output when it fails.
function(run what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
endfunction()

# The release tree is kept between runs, so a second run only packs.
run("configuring the release tree" ${CMAKE_COMMAND} --preset native-release -B ${RELEASE_DIR})
run("building the release tree" ${CMAKE_COMMAND} --build ${RELEASE_DIR} -j 2)
file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
run("cpack" ${CPACK_COMMAND} --config ${RELEASE_DIR}/CPackConfig.cmake -G DEB -B ${OUT_DIR})
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
set(want ./usr/bin/qns ./usr/share/bash-completion/completions/qns ./usr/share/doc/qns/changelog.gz
  ./usr/share/doc/qns/copyright ./usr/share/man/man1/qns.1.gz)
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
if(NOT f_Depends MATCHES "(^|, )libc6( |,|$)" OR f_Depends MATCHES "libasan|libubsan")
  fail("Depends does not name libc6, or names a sanitizer: '${f_Depends}'")
endif()
if(NOT f_Description MATCHES "^convert integers")
  fail("Description: '${f_Description}'")
endif()

# ---- The installed files ------------------------------------------------------------
set(root ${OUT_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE rc)
# The files are their sources, the compressed ones once unpacked.
find_program(GZIP gzip REQUIRED)
foreach(pair "usr/share/man/man1/qns.1.gz=docs/qns.1" "usr/share/doc/qns/changelog.gz=cli/qns.changelog"
    "usr/share/doc/qns/copyright=LICENSE" "usr/share/bash-completion/completions/qns=cli/qns.bash-completion")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed)
  list(GET pair 1 source)
  set(file ${root}/${installed})
  if(installed MATCHES "\\.gz$")
    set(file ${OUT_DIR}/unpacked)
    execute_process(COMMAND ${GZIP} -dc ${root}/${installed} OUTPUT_FILE ${file} RESULT_VARIABLE rc)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${file} ${SOURCE_DIR}/${source}
    RESULT_VARIABLE differ)
  if(differ)
    fail("${installed} differs from ${source}")
  endif()
endforeach()
# The newest changelog entry is this version's.
file(STRINGS ${SOURCE_DIR}/cli/qns.changelog top LIMIT_COUNT 1)
if(NOT top MATCHES "^qns \\(${VERSION}\\) ")
  fail("the changelog begins with '${top}', not with version ${VERSION}")
endif()
set(args --all-modes -l 8 --format=tsv -- -5 255)
execute_process(COMMAND ${root}/usr/bin/qns ${args} RESULT_VARIABLE rc1 OUTPUT_VARIABLE packaged)
execute_process(COMMAND ${QNS} ${args} RESULT_VARIABLE rc2 OUTPUT_VARIABLE built)
if(NOT rc1 EQUAL rc2 OR NOT packaged STREQUAL built OR packaged STREQUAL "")
  fail("the packaged qns gives (${rc1})\n${packaged}\nthe built one (${rc2})\n${built}")
endif()

# ---- lintian: not one error, warning or other remark it shows by default -----------
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  fail("lintian is not installed (tools/setup.sh installs it)")
else()
  # --allow-root: CI runs as root, and lintian would say so on every run.
  execute_process(COMMAND ${LINTIAN} --allow-root ${debs} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    fail("lintian (${rc}):\n${out}${err}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The Debian package is not right:\n${failures}")
endif()
message(STATUS "${deb_name} installs exactly: ${files}; Depends: ${f_Depends}")
