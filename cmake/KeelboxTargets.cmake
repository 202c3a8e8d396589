# Helpers that turn the source folders into targets.

set(KEELBOX_WARNINGS -Wall -Wextra -Werror -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # -Wrestrict gives false positives inside libstdc++ at -O3 with g++ 12.
  list(APPEND KEELBOX_WARNINGS -Wno-restrict)
  # With optimisation g++ 12 also reports out-of-bounds and oversized copies
  # inside libstdc++'s string code once it is inlined into correct callers,
  # and a null test of a dynamic_cast of a reference's address. Optimised
  # builds still print them but do not stop on them; Debug builds (CI),
  # where they do not misfire, keep them as errors.
  foreach(warning array-bounds stringop-overflow stringop-overread nonnull-compare)
    list(APPEND KEELBOX_WARNINGS $<$<NOT:$<CONFIG:Debug>>:-Wno-error=${warning}>)
  endforeach()
endif()

# keelbox_library(<name> <folder> [DEPS <targets>...] [EXCLUDE <subfolders>...])
# Every .cpp below <folder> (recursively) forms one static library, except
# those below the excluded subfolders (which form libraries of their own).
function(keelbox_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.c)
  foreach(sub ${ARG_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${dir}/${sub}/")
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${KEELBOX_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  add_library(kb::${name} ALIAS ${name})
endfunction()

# keelbox_test_suite(<name> <folder> [DEPS <targets>...])
# Every .cpp in tests/<folder> (recursively) forms one GoogleTest executable,
# run through the shared harness main in tests/support.
function(keelbox_test_suite name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_compile_options(${name} PRIVATE ${KEELBOX_WARNINGS})
  target_link_libraries(${name} PRIVATE test_support ${ARG_DEPS} GTest::gtest GTest::gmock)
  # Every test file includes the test framework; parse it once per suite.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <functional> <memory> <string> <vector>)
  # Tests load the bundle's images.
  if(TARGET keelbox_art)
    add_dependencies(${name} keelbox_art)
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KEELBOX_RESOURCES=${CMAKE_SOURCE_DIR}/resources")
endfunction()
