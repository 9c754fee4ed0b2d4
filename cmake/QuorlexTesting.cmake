# quorlex_add_test(NAME SOURCES file... [LIBS target...])
#
# One GoogleTest executable; each TEST becomes its own CTest case. Tests find the source tree and
# the read-only shared folder (its DXF corpus) through QUORLEX_SOURCE_DIR and QUORLEX_SHARED_DIR,
# which are set at configure time, so no machine path is written into the repository.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

get_filename_component(QUORLEX_SHARED_DIR "${CMAKE_SOURCE_DIR}/../shared" ABSOLUTE)

function(quorlex_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QUORLEX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QUORLEX_SHARED_DIR="${QUORLEX_SHARED_DIR}"
    QUORLEX_BIN_DIR="${QUORLEX_BIN_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QUORLEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUORLEX_SHARED_DIR=${QUORLEX_SHARED_DIR};QUORLEX_BIN_DIR=${QUORLEX_BIN_DIR}")
endfunction()
