# Helpers that turn the folder layout into targets.
#
# A folder's library holds every *.cpp below it except *_test.cpp, main.cpp and
# the files of subfolders declared as libraries of their own; its tests are the
# *_test.cpp files it owns.

set(ZENTRIX_ALL_LIBRARIES "" CACHE INTERNAL "")
set_property(GLOBAL PROPERTY ZENTRIX_LIBRARY_NAMES "")

# Declares one library: the folder's sources, found recursively, except those in
# a subfolder that is a library of its own. Targets are made by
# zentrix_create_libraries() once every folder is declared, so nesting does not
# depend on the order of declaration. TEST_DEPS are linked into the library's
# test program only (shared test support, or the layers above that a test
# drives the library through).
function(zentrix_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS;TEST_DEPS" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY ZENTRIX_LIBRARY_NAMES ${name})
  set_property(GLOBAL PROPERTY ZENTRIX_LIBRARY_DIR_${name} ${dir})
  set_property(GLOBAL PROPERTY ZENTRIX_LIBRARY_DEPS_${name} ${ARG_DEPS})
  set_property(GLOBAL PROPERTY ZENTRIX_LIBRARY_TEST_DEPS_${name} ${ARG_TEST_DEPS})
endfunction()

# The sources below dir (recursively) that no deeper declared library claims.
function(_zentrix_owned_files out dir pattern)
  get_property(names GLOBAL PROPERTY ZENTRIX_LIBRARY_NAMES)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/${pattern})
  foreach(other ${names})
    get_property(other_dir GLOBAL PROPERTY ZENTRIX_LIBRARY_DIR_${other})
    string(FIND "${other_dir}/" "${dir}/" at)
    if(at EQUAL 0 AND NOT other_dir STREQUAL dir)
      list(FILTER files EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${other_dir}/")
    endif()
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Whether the library, or the support its tests link, reaches the engine's
# command layer through its dependencies.
function(_zentrix_uses_engine out name)
  get_property(deps GLOBAL PROPERTY ZENTRIX_LIBRARY_DEPS_${name})
  get_property(test_deps GLOBAL PROPERTY ZENTRIX_LIBRARY_TEST_DEPS_${name})
  set(pending zentrix_${name} ${deps} ${test_deps})
  set(seen "")
  while(pending)
    list(POP_FRONT pending dep)
    if(dep STREQUAL "zentrix_engine_commands")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(dep IN_LIST seen OR NOT dep MATCHES "^zentrix_")
      continue()
    endif()
    list(APPEND seen ${dep})
    string(REGEX REPLACE "^zentrix_" "" dep_name ${dep})
    get_property(more GLOBAL PROPERTY ZENTRIX_LIBRARY_DEPS_${dep_name})
    list(APPEND pending ${more})
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

function(_zentrix_make_library name)
  get_property(dir GLOBAL PROPERTY ZENTRIX_LIBRARY_DIR_${name})
  get_property(deps GLOBAL PROPERTY ZENTRIX_LIBRARY_DEPS_${name})
  get_property(test_deps GLOBAL PROPERTY ZENTRIX_LIBRARY_TEST_DEPS_${name})
  set(target zentrix_${name})
  _zentrix_owned_files(sources ${dir} "*.cpp")
  set(tests ${sources})
  list(FILTER sources EXCLUDE REGEX "(_test|/main)\\.cpp$")
  list(FILTER tests INCLUDE REGEX "_test\\.cpp$")

  # Headers are included by their path below src/ ("engine/core/number.h"), or
  # below the top for tools ("tools/skin/..."). The public include root is a
  # staging folder holding only a link to the folder itself, so a source sees
  # the headers of its own folder and of the libraries it links, and nothing else.
  string(REGEX REPLACE "^src/" "" include_path ${dir})
  set(stage ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${stage}/${include_path} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${stage}/${include_path} SYMBOLIC)

  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${stage})
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${stage})
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
  set(ZENTRIX_ALL_LIBRARIES ${ZENTRIX_ALL_LIBRARIES} ${target} CACHE INTERNAL "")

  if(ZENTRIX_TESTS AND tests)
    add_executable(${target}_tests ${tests})
    # Tests of everything that uses the engine start with the engine installed,
    # as the programs do (the main of tests/support/engine_test_main.cpp).
    _zentrix_uses_engine(uses_engine ${name})
    if(uses_engine)
      target_link_libraries(${target}_tests PRIVATE zentrix_engine_test_main)
    endif()
    target_link_libraries(${target}_tests PRIVATE ${target} ${test_deps} GTest::gmock GTest::gtest_main)
    target_compile_definitions(${target}_tests PRIVATE
      ZENTRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${target}_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
      DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Makes every declared library, then fails the configure step when a source
# file under the given roots belongs to no library: a file moved into a folder
# nobody declared must not silently drop out of the build.
function(zentrix_create_libraries)
  get_property(names GLOBAL PROPERTY ZENTRIX_LIBRARY_NAMES)
  set(ZENTRIX_ALL_LIBRARIES "" CACHE INTERNAL "")
  set(claimed "")
  foreach(name ${names})
    _zentrix_make_library(${name})
    get_property(dir GLOBAL PROPERTY ZENTRIX_LIBRARY_DIR_${name})
    _zentrix_owned_files(owned ${dir} "*.cpp")
    list(APPEND claimed ${owned})
  endforeach()
  foreach(root ${ARGN})
    file(GLOB_RECURSE all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${root}/*.cpp)
    foreach(file ${all})
      if(NOT file IN_LIST claimed)
        message(FATAL_ERROR "${file} belongs to no library: declare its folder with zentrix_library().")
      endif()
    endforeach()
  endforeach()
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

# Scenario tests: every tests/scenarios/*.script runs the headless calculator
# on a fresh home folder; the expectations are written in the script's own
# comment lines (see tests/scenarios/scenario_test.cpp).
function(zentrix_scenario_tests dir)
  if(NOT TARGET zentrix OR NOT EXISTS ${CMAKE_SOURCE_DIR}/${dir}/scenario_test.cpp)
    return()
  endif()
  add_executable(zentrix_scenario_tests ${CMAKE_SOURCE_DIR}/${dir}/scenario_test.cpp)
  target_link_libraries(zentrix_scenario_tests PRIVATE GTest::gmock GTest::gtest_main)
  target_compile_definitions(zentrix_scenario_tests PRIVATE
    ZENTRIX_PATH="$<TARGET_FILE:zentrix>" ZENTRIX_SCENARIO_DIR="${CMAKE_SOURCE_DIR}/${dir}"
    ZENTRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(zentrix_scenario_tests zentrix)
  # A new or changed script relinks the binary, so that its test is discovered.
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.script)
  set_property(TARGET zentrix_scenario_tests APPEND PROPERTY LINK_DEPENDS ${scripts})
  if(TARGET zentrix_skins)
    add_dependencies(zentrix_scenario_tests zentrix_skins)
  endif()
  gtest_discover_tests(zentrix_scenario_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# The window test of a test binary, run under a virtual X server so that CI
# (which has no display) exercises the SDL backend for real.
# Each call runs in a process (and an X server) of its own: SDL's video
# system does not always start a second time in one process. They take turns,
# since two `xvfb-run -a` started at once may pick the same display.
function(zentrix_window_test target filter name)
  find_program(XVFB_RUN xvfb-run)
  if(NOT XVFB_RUN)
    message(WARNING "xvfb-run not found: the SDL window test will not run (scripts/install-deps installs it)")
    return()
  endif()
  if(TARGET ${target})
    add_test(NAME ${target}_${name} COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
             $<TARGET_FILE:${target}> --gtest_filter=${filter})
    # The window system's own libraries (D-Bus, the GL driver SDL loads) keep
    # allocations to the end of the process; under the sanitizer build the
    # leak check would report them, not the program.
    set_tests_properties(${target}_${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                         TIMEOUT 120 RESOURCE_LOCK xvfb ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()
