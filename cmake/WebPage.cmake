# The browser edition for a build tree of another platform (the Windows
# release zip carries the page beside the program): the page is built by the
# web rules in a nested Emscripten tree, build/<tree>/web-page. Sets
# QNS_WEB_PAGE_FILE to the page when Emscripten is there, and leaves it unset
# (with a warning) when it is not.
find_program(QNS_EMCC emcc)
if(NOT QNS_EMCC)
  message(WARNING "Emscripten (emcc) not found: the release zip goes without numeral-studio.html")
  return()
endif()
# emcc lives at the root of the Emscripten tree (the Debian package links
# /usr/bin/emcc to a wrapper there), beside cmake/Modules/Platform.
file(REAL_PATH ${QNS_EMCC} qns_emcc_real)
get_filename_component(qns_emscripten_root ${qns_emcc_real} DIRECTORY)
set(qns_toolchain ${qns_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
if(NOT EXISTS ${qns_toolchain})
  message(WARNING "No Emscripten.cmake beside ${qns_emcc_real}: the release zip goes without numeral-studio.html")
  return()
endif()

set(qns_web_tree ${PROJECT_BINARY_DIR}/web-page)
set(QNS_WEB_PAGE_FILE ${qns_web_tree}/web/numeral-studio.html)
# Debian's Emscripten runs its JavaScript optimizer with whatever node comes
# first on PATH, which needs Debian's JavaScript modules on NODE_PATH.
set(qns_node_path /usr/share/nodejs)
if(DEFINED ENV{NODE_PATH} AND NOT "$ENV{NODE_PATH}" STREQUAL "")
  set(qns_node_path "/usr/share/nodejs:$ENV{NODE_PATH}")
endif()
# The nested tree uses the outer tree's generator. Under make, the outer make
# must see the nested build as a recursive make, by $(MAKE) in the rule:
# otherwise it withholds its jobserver and the nested make warns and runs
# one job at a time. Through $(MAKE) both share the outer -j.
if(CMAKE_GENERATOR STREQUAL "Unix Makefiles")
  set(qns_web_build $(MAKE) -C ${qns_web_tree} qns_web_page)
else()
  set(qns_web_build ${CMAKE_COMMAND} --build ${qns_web_tree} --target qns_web_page)
endif()
add_custom_target(qns_web_page_for_release ALL
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${qns_node_path}
    ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${qns_web_tree} -G ${CMAKE_GENERATOR}
      -DCMAKE_TOOLCHAIN_FILE=${qns_toolchain} -DCMAKE_BUILD_TYPE=MinSizeRel -DQNS_TESTS=OFF
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${qns_node_path} ${qns_web_build}
  BYPRODUCTS ${QNS_WEB_PAGE_FILE}
  COMMENT "Building numeral-studio.html with Emscripten"
  VERBATIM)
