# One static library per source folder. Sources are picked up by glob so that
# adding a file never means editing a shared list.
function(ringpad_library name folder)
  file(GLOB _sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
  if(NOT _sources)
    set(_sources "${CMAKE_SOURCE_DIR}/cmake/empty.cpp")
  endif()
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/${folder}" "${CMAKE_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test executable per test folder, every *.cpp of the folder in it.
function(ringpad_test_folder name folder)
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp"
                                       "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h")
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE ringpad_testsupport ringpad_pages GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    RINGPAD_TEST_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/${folder}/fixtures"
    RINGPAD_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    RINGPAD_ARTEFACT_DIR="${CMAKE_BINARY_DIR}/artefacts")
  # Programs that print through the one cups-pdf test queue take turns: each
  # picks out its jobs as the files that appear in the queue's folder.
  set(_lock "")
  if(folder STREQUAL "print" OR folder STREQUAL "primitives")
    set(_lock RESOURCE_LOCK cups-pdf-queue)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ${_lock}
    DISCOVERY_TIMEOUT 60)
endfunction()
