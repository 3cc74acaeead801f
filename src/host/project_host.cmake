# The stand-ins for the development environment: the Add-Ins menu they share, the
# scripted host that tests drive, and the host that reads a project file.
add_library(quillon_addin_menu STATIC addin_menu.cc)
target_link_libraries(quillon_addin_menu PUBLIC quillon_object_model)

add_library(quillon_scripted_host STATIC scripted_host.cc)
target_link_libraries(quillon_scripted_host PUBLIC quillon_object_model quillon_addin_menu)

add_library(quillon_project_host STATIC
  component_name.cc
  loose_line_input.cc
  path_resolve.cc
  project_file.cc
  project_file_host.cc
)
target_link_libraries(quillon_project_host PUBLIC quillon_object_model quillon_addin_menu)

quillon_test(host_test
  SOURCES
    addin_menu_test.cc
    component_name_test.cc
    loose_line_input_test.cc
    path_resolve_test.cc
    project_file_host_test.cc
    project_file_test.cc
    scripted_host_test.cc
  LIBS quillon_project_host quillon_scripted_host
)
if(TARGET host_test)
  target_compile_definitions(host_test PRIVATE QUILLON_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
endif()
