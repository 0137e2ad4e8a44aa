# Helpers that turn the folder layout into targets.
#
# A folder's library holds every *.cpp except *_test.cpp and main.cpp. Its public
# include root is a staging folder that contains only a link to the folder itself
# (build/include/<target>/engine/core -> src/engine/core), so a source sees the
# headers of its own folder and of the libraries it links, and nothing else.

set(ZENTRIX_ALL_LIBRARIES "" CACHE INTERNAL "")

function(zentrix_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  set(target zentrix_${name})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "(_test|/main)\\.cpp$")

  # Headers are included by their path below src/ ("engine/core/number.h"), or
  # below the top for tools ("tools/skin/...").
  string(REGEX REPLACE "^src/" "" include_path ${dir})
  set(stage ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${stage}/${include_path} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${stage}/${include_path} SYMBOLIC)

  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${stage})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${stage})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
  set(ZENTRIX_ALL_LIBRARIES ${ZENTRIX_ALL_LIBRARIES} ${target} CACHE INTERNAL "")

  if(ZENTRIX_TESTS)
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_test.cpp)
    if(tests)
      add_executable(${target}_tests ${tests})
      target_link_libraries(${target}_tests PRIVATE ${target} GTest::gmock GTest::gtest_main)
      target_compile_definitions(${target}_tests PRIVATE
        ZENTRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
      gtest_discover_tests(${target}_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
    endif()
  endif()
endfunction()

# A program is the folder's main.cpp linked against the folder's library; it is
# only defined once the main.cpp exists.
function(zentrix_program name dir library)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/main.cpp)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/${dir}/main.cpp)
    target_link_libraries(${name} PRIVATE ${library})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
endfunction()

# End-to-end tests run the built programs; they learn their paths from definitions.
function(zentrix_e2e_tests dir)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_test.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(zentrix_e2e_tests ${tests})
  target_link_libraries(zentrix_e2e_tests PRIVATE zentrix_engine_core GTest::gmock GTest::gtest_main)
  target_compile_definitions(zentrix_e2e_tests PRIVATE
    ZENTRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
  foreach(program zentrix-cli zentrix zentrix-skin)
    if(TARGET ${program})
      string(TOUPPER ${program} upper)
      string(REPLACE "-" "_" upper ${upper})
      target_compile_definitions(zentrix_e2e_tests PRIVATE ${upper}_PATH="$<TARGET_FILE:${program}>")
      add_dependencies(zentrix_e2e_tests ${program})
    endif()
  endforeach()
  gtest_discover_tests(zentrix_e2e_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# Each folder bench/<name>/ is one Google Benchmark program named <name>.
function(zentrix_benchmarks dir)
  find_package(benchmark REQUIRED)
  file(GLOB entries LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/${dir}/*)
  foreach(entry ${entries})
    if(IS_DIRECTORY ${entry})
      get_filename_component(name ${entry} NAME)
      file(GLOB sources CONFIGURE_DEPENDS ${entry}/*.cpp)
      if(sources)
        add_executable(${name} ${sources})
        target_link_libraries(${name} PRIVATE ${ZENTRIX_ALL_LIBRARIES} benchmark::benchmark_main)
        target_compile_definitions(${name} PRIVATE
          ZENTRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
      endif()
    endif()
  endforeach()
endfunction()

# Each fuzz/<name>.cpp is one libFuzzer target named <name>.
function(zentrix_fuzz_targets dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ZENTRIX_ALL_LIBRARIES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_compile_definitions(${name} PRIVATE
      ZENTRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endfunction()
