# Puts the page together: the template with its style, the engine script
# (WebAssembly inside) and the page's own scripts written into it, so that
# numeral-studio.html is one file that needs nothing else. Its
# Content-Security-Policy then names each inline script and style by its
# sha256 hash, so that the browser runs those and nothing else.
#
# Variables: TEMPLATE, STYLE, BOUNDARY, APP, ENGINE, VERSION, OUT.
cmake_minimum_required(VERSION 3.25)

foreach(v TEMPLATE STYLE BOUNDARY APP ENGINE VERSION OUT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "assemble.cmake: ${v} is not set")
  endif()
endforeach()

file(READ ${TEMPLATE} page)
file(READ ${STYLE} style)
file(READ ${BOUNDARY} boundary)
file(READ ${APP} app)
file(READ ${ENGINE} engine)

# An inline element ends at the first "</script" or "</style"; no part may
# hold one, or the page and the hashes below would cut it there.
foreach(part app boundary engine style)
  string(TOLOWER "${${part}}" lower)
  foreach(end "</script" "</style")
    string(FIND "${lower}" "${end}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "assemble.cmake: the ${part} part contains ${end}")
    endif()
  endforeach()
endforeach()

foreach(marker "/*@STYLE@*/" "/*@ENGINE@*/" "/*@BOUNDARY@*/" "/*@APP@*/")
  string(FIND "${page}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "assemble.cmake: the template has no ${marker}")
  endif()
endforeach()
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@APP@*/" "${app}" page "${page}")
string(REPLACE "/*@BOUNDARY@*/" "${boundary}" page "${page}")
string(REPLACE "/*@ENGINE@*/" "${engine}" page "${page}")
# A browser reads CR LF and CR as LF before it hashes an inline element, so
# the page is written with the line ends that its hashes are taken over.
string(REPLACE "\r\n" "\n" page "${page}")
string(REPLACE "\r" "\n" page "${page}")

# The sha256 of data as CSP writes it: base64 of the digest's 32 bytes.
function(csp_hash data out)
  string(SHA256 hex "${data}")
  set(digits "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  set(b64 "")
  foreach(at RANGE 0 63 6)  # three bytes (six hex digits) make four characters
    string(SUBSTRING "${hex}00" ${at} 6 group)  # the last group: 2 bytes and zero bits
    math(EXPR bits "0x${group}")
    foreach(shift 18 12 6 0)
      math(EXPR k "(${bits} >> ${shift}) & 63")
      string(SUBSTRING "${digits}" ${k} 1 c)
      string(APPEND b64 "${c}")
    endforeach()
  endforeach()
  string(SUBSTRING "${b64}" 0 43 b64)  # 32 bytes: 43 characters and one "="
  set(${out} "'sha256-${b64}='" PARENT_SCOPE)
endfunction()

# Every inline <script> and <style> of the page, in order, by its hash. The
# policy must come before all of them (a policy in the page applies only to
# what follows it), so its placeholders are filled in there alone.
set(script_hashes "")
set(style_hashes "")
set(head "")
set(rest "${page}")
while(TRUE)
  string(FIND "${rest}" "<script>" script_at)
  string(FIND "${rest}" "<style>" style_at)
  if(script_at EQUAL -1 AND style_at EQUAL -1)
    break()
  elseif(style_at EQUAL -1 OR (NOT script_at EQUAL -1 AND script_at LESS style_at))
    set(tag script)
    set(at ${script_at})
  else()
    set(tag style)
    set(at ${style_at})
  endif()
  if(NOT DEFINED first_part)
    string(SUBSTRING "${rest}" 0 ${at} head)
    set(first_part ${at})
  endif()
  string(LENGTH "<${tag}>" open)
  math(EXPR from "${at} + ${open}")
  string(SUBSTRING "${rest}" ${from} -1 rest)
  string(FIND "${rest}" "</${tag}>" end)
  if(end EQUAL -1)
    message(FATAL_ERROR "assemble.cmake: a <${tag}> of the page is not closed")
  endif()
  string(SUBSTRING "${rest}" 0 ${end} body)
  csp_hash("${body}" hash)
  list(APPEND ${tag}_hashes "${hash}")
  string(SUBSTRING "${rest}" ${end} -1 rest)
endwhile()
foreach(kind SCRIPT STYLE)
  string(FIND "${head}" "@${kind}_HASHES@" at)
  string(TOLOWER "${kind}" tag)
  if(at EQUAL -1 OR "${${tag}_hashes}" STREQUAL "")
    message(FATAL_ERROR "assemble.cmake: no @${kind}_HASHES@ before the first inline part, or no <${tag}>")
  endif()
  list(JOIN ${tag}_hashes " " sources)
  string(REPLACE "@${kind}_HASHES@" "${sources}" head "${head}")
endforeach()
string(SUBSTRING "${page}" ${first_part} -1 tail)
set(page "${head}${tail}")

file(WRITE ${OUT}.new "${page}")
file(RENAME ${OUT}.new ${OUT})
file(SIZE ${OUT} bytes)
message(STATUS "numeral-studio.html: ${bytes} bytes")
