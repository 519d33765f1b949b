# One static library per source folder. Sources are picked up by glob so that
# adding a file never means editing a shared list.
function(ringpad_library name folder)
  file(GLOB _sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
  if(NOT _sources)
    set(_sources "${CMAKE_SOURCE_DIR}/cmake/empty.cpp")
  endif()
  add_library(${name} STATIC ${_sources})
  # Nothing of the program is looked up by name at run time: hidden symbols
  # spare the start-up binding work.
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
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
  # In a batched build each test file counts as a header of its batch, and
  # fixtures in anonymous namespaces would warn about their own test classes.
  # Tests write cases as aggregates that name only the fields they vary.
  target_compile_options(${name} PRIVATE -Wno-subobject-linkage -Wno-missing-field-initializers)
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
  # Each program runs whole as one test: starting a sanitized Qt program per
  # test case cost more than the cases themselves.
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 3000
    ${_lock})
endfunction()
