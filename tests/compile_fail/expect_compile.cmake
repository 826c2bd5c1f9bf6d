# Builds one compile check, TARGET in BUILD_DIR, made from SOURCE. A
# *.pass.cpp must compile; a *.fail.cpp must fail with output that matches
# the regular expression on its "// Expected error: " line.
set(pattern "")
if(SOURCE MATCHES "\\.fail\\.cpp$")
  file(STRINGS ${SOURCE} pattern REGEX "^// Expected error: " LIMIT_COUNT 1)
  string(REPLACE "// Expected error: " "" pattern "${pattern}")
  if(pattern STREQUAL "")
    message(FATAL_ERROR "${SOURCE} names no expected error")
  endif()
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)

if(pattern STREQUAL "")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TARGET} must compile but did not:\n${output}")
  endif()
elseif(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} compiled but must not")
elseif(NOT output MATCHES "${pattern}")
  message(FATAL_ERROR "${TARGET} failed, but not with an error matching '${pattern}':\n${output}")
endif()
