# The private-profile functions, the Windows directory and the start-up registration.
add_library(quillon_profile STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/profile.cc
  ${CMAKE_CURRENT_SOURCE_DIR}/profile_store.cc
  ${CMAKE_CURRENT_SOURCE_DIR}/profile_text.cc
  ${CMAKE_CURRENT_SOURCE_DIR}/startup.cc
  ${CMAKE_CURRENT_SOURCE_DIR}/windows_dir.cc
)
target_link_libraries(quillon_profile PUBLIC quillon_runtime)

quillon_test(profile_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/profile_concurrency_test.cc
    ${CMAKE_CURRENT_SOURCE_DIR}/profile_test.cc
    ${CMAKE_CURRENT_SOURCE_DIR}/startup_test.cc
    ${CMAKE_CURRENT_SOURCE_DIR}/windows_dir_test.cc
  LIBS quillon_profile
)
