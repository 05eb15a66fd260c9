# Puts the page together: the template with its style, the engine script
# (WebAssembly inside) and the page's own script written into it, so that
# numeral-studio.html is one file that needs nothing else.
#
# Variables: TEMPLATE, STYLE, APP, ENGINE, VERSION, OUT.
cmake_minimum_required(VERSION 3.25)

foreach(v TEMPLATE STYLE APP ENGINE VERSION OUT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "assemble.cmake: ${v} is not set")
  endif()
endforeach()

file(READ ${TEMPLATE} page)
file(READ ${STYLE} style)
file(READ ${APP} app)
file(READ ${ENGINE} engine)

# An inline script ends at the first "</script"; neither script may hold one.
foreach(part app engine)
  string(TOLOWER "${${part}}" lower)
  string(FIND "${lower}" "</script" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "assemble.cmake: the ${part} script contains </script")
  endif()
endforeach()

foreach(marker "/*@STYLE@*/" "/*@ENGINE@*/" "/*@APP@*/")
  string(FIND "${page}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "assemble.cmake: the template has no ${marker}")
  endif()
endforeach()
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@APP@*/" "${app}" page "${page}")
string(REPLACE "/*@ENGINE@*/" "${engine}" page "${page}")

file(WRITE ${OUT}.new "${page}")
file(RENAME ${OUT}.new ${OUT})
file(SIZE ${OUT} bytes)
message(STATUS "numeral-studio.html: ${bytes} bytes")
