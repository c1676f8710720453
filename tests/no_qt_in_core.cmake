# Fails when a file outside the window (ui/), the tools (tools/) and the
# window's tests (tests/ui/) includes a Qt header: the core builds without Qt.
file(GLOB_RECURSE files RELATIVE ${ROOT}
  ${ROOT}/engine/* ${ROOT}/game/* ${ROOT}/settings/* ${ROOT}/stats/* ${ROOT}/patter/*
  ${ROOT}/bench/* ${ROOT}/tests/*)
set(offenders "")
foreach(f ${files})
  if(f MATCHES "^tests/ui/" OR NOT f MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  file(STRINGS ${ROOT}/${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|Qt)[A-Za-z]")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "Qt headers outside ui/ and tools/:\n  ${text}")
endif()
message(STATUS "No Qt header outside ui/ and tools/")
