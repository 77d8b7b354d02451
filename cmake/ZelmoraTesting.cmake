# add_unit_test(NAME SOURCES file... LIBS lib...): one test executable, registered with CTest
# test by test, so that a failure names the case that failed.
if(CMAKE_CROSSCOMPILING)
  # No GoogleTest library for the target system: build it from Debian's sources.
  set(ZELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross-build")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL) # makes GTest::gtest
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ZELMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  if(CMAKE_CROSSCOMPILING)
    # Each start of the emulator costs about a second: one CTest test per program.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
