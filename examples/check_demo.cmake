execute_process(COMMAND "${MAKE_DEMO}" "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_demo_ay failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${DEMO_AY}" "${OUT}"
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "examples/demo.ay differs from what make_demo_ay writes; "
                      "rebuild it with: make_demo_ay examples/demo.ay")
endif()
