# Pads the linked stub with zero bytes to exactly SIZE bytes, or fails (and
# removes it) when it is larger. Usage: cmake -DFILE=... -DSIZE=... -P PadStub.cmake
file(SIZE "${FILE}" linked)
if(linked GREATER SIZE)
  file(REMOVE "${FILE}")
  math(EXPR over "${linked} - ${SIZE}")
  message(FATAL_ERROR "Stub is ${linked} bytes, ${over} over its fixed size of ${SIZE}")
endif()
math(EXPR spare "${SIZE} - ${linked}")
message(STATUS "Stub: ${linked} bytes linked, ${spare} bytes spare of ${SIZE}")
execute_process(COMMAND truncate -s ${SIZE} "${FILE}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not pad ${FILE}")
endif()
