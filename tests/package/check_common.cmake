# What the package checks share: their required variables and a list of
# failures reported together at the end.

# require(script var...): stops when a variable the script needs is not set.
function(require script)
  foreach(v ${ARGN})
    if(NOT DEFINED ${v})
      message(FATAL_ERROR "${script}: ${v} is not set")
    endif()
  endforeach()
endfunction()

set(failures "")
macro(fail what)
  string(APPEND failures "  - ${what}\n")
endmacro()
