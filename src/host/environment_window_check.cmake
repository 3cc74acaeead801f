# The check that drives the real environment window and `quillon ide` under Xvfb.
# Included where the FLTK flags are known; the driver runs beside the environment
# tests' keyword list.
if(QUILLON_BUILD_TESTS)
  get_target_property(environment_test_dir environment_test RUNTIME_OUTPUT_DIRECTORY)
  add_executable(environment_window_check ${CMAKE_CURRENT_LIST_DIR}/environment_window_check.cc)
  target_compile_options(environment_window_check PRIVATE ${FLTK_CXXFLAGS})
  target_link_libraries(environment_window_check PRIVATE
    quillon_environment quillon_fltk_state_file quillon_testing ${FLTK_LDFLAGS})
  set_target_properties(environment_window_check PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${environment_test_dir})
  add_test(NAME environment_window_test
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/environment_window_test.sh
                   $<TARGET_FILE:environment_window_check> $<TARGET_FILE:quillon>
                   ${environment_test_dir}/window_test)
  set_tests_properties(environment_window_test PROPERTIES TIMEOUT 180)
endif()
