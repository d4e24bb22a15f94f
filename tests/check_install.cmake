# Installs into a scratch prefix and checks what lands there; the man page must
# render without a warning where man is installed.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(installed bin/tunsnip share/man/man1/tunsnip.1)
  if(NOT EXISTS "${PREFIX}/${installed}")
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()
find_program(MAN man)
if(MAN)
  execute_process(COMMAND "${MAN}" --warnings -l "${PREFIX}/share/man/man1/tunsnip.1"
                  OUTPUT_QUIET ERROR_VARIABLE warnings)
  if(NOT warnings STREQUAL "")
    message(FATAL_ERROR "man page warnings:\n${warnings}")
  endif()
endif()
