# The FLTK window system, and the check that drives a real main window under Xvfb.
find_program(FLTK_CONFIG fltk-config REQUIRED)
execute_process(COMMAND ${FLTK_CONFIG} --cxxflags OUTPUT_VARIABLE FLTK_CXXFLAGS
                OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${FLTK_CONFIG} --ldflags OUTPUT_VARIABLE FLTK_LDFLAGS
                OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(FLTK_CXXFLAGS UNIX_COMMAND "${FLTK_CXXFLAGS}")
separate_arguments(FLTK_LDFLAGS UNIX_COMMAND "${FLTK_LDFLAGS}")

add_library(quillon_ui_fltk STATIC
  fltk_message_box.cc
  fltk_widgets.cc
  fltk_window_system.cc
)
target_compile_options(quillon_ui_fltk PRIVATE ${FLTK_CXXFLAGS})
target_link_libraries(quillon_ui_fltk PUBLIC quillon_ui PRIVATE ${FLTK_LDFLAGS})

if(QUILLON_BUILD_TESTS)
  add_library(quillon_fltk_state_file STATIC fltk_state_file.cc)
  target_compile_options(quillon_fltk_state_file PRIVATE ${FLTK_CXXFLAGS})
  target_link_libraries(quillon_fltk_state_file PUBLIC quillon_ui_fltk)

  add_executable(fltk_window_check fltk_window_check.cc)
  target_compile_options(fltk_window_check PRIVATE ${FLTK_CXXFLAGS})
  target_link_libraries(fltk_window_check PRIVATE quillon_fltk_state_file quillon_scripted_host
                                                  quillon_testing)
  add_test(NAME fltk_window_test
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/fltk_window_test.sh
                   $<TARGET_FILE:fltk_window_check> ${CMAKE_CURRENT_BINARY_DIR}/fltk_window_test)
  set_tests_properties(fltk_window_test PROPERTIES TIMEOUT 180)
endif()

# The environment window's check under Xvfb, which needs the FLTK flags above.
include(${PROJECT_SOURCE_DIR}/src/host/environment_window_check.cmake)
