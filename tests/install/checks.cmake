# What the install, package and manual-page tests share: the variables each
# must be given, and the list of problems found, reported all together at
# the end rather than one at a time.
#
#   include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)
#   require_variables(BUILD_DIR VERSION)
#   problem("what is wrong")   # adds a line to ${problems}

macro(require_variables)
  foreach(var ${ARGN})
    if(NOT ${var})
      message(FATAL_ERROR "run with -D${var}=...")
    endif()
  endforeach()
endmacro()

set(problems "")
function(problem message)
  set(problems "${problems}  ${message}\n" PARENT_SCOPE)
endfunction()
