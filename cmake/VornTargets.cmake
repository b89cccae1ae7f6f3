# vorn_library(name DEPS ...): a static library from every .cpp of the current folder.
function(vorn_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder whose sources have not come yet stands for its dependencies.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/locale)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/locale)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# vorn_tests(name [NO_MAIN] DEPS ...): one test program from every .cpp of the current folder,
# each GoogleTest case registered with ctest. NO_MAIN: the folder brings its own main (window
# tests create the Qt application there) instead of GoogleTest's. Tests run in their source folder so fixtures
# beside them are found by relative path; VORN_SHARED_DIR names the shared fixtures.
function(vorn_tests name)
  cmake_parse_arguments(ARG "NO_MAIN" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(NOT ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    VORN_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    VORN_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared"
    VORN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
