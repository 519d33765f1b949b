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

# One test executable per test folder, test_<folder>, every *.cpp of the
# folder in it. layer is the test support it builds on (tests/support/<layer>:
# core, print, ui or app, the lowest whose fixtures it uses); the rest are the
# libraries it exercises, the lowest that serve, so that a change to a higher
# library neither rebuilds nor relinks it. Programs of the core and print
# layers run in a QGuiApplication and need no widget library, unless WIDGETS
# says that they build widgets all the same.
function(ringpad_test_folder folder layer)
  cmake_parse_arguments(PARSE_ARGV 2 _arg "WIDGETS" "" "")
  set(name test_${folder})
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp"
                                       "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h")
  if(NOT _sources)
    message(FATAL_ERROR "tests/${folder} has no test sources")
  endif()
  if((layer STREQUAL "core" OR layer STREQUAL "print") AND _arg_WIDGETS)
    set(_main ringpad_testmain_widgets)
  elseif(layer STREQUAL "core" OR layer STREQUAL "print")
    set(_main ringpad_testmain_gui)
  elseif(layer STREQUAL "ui" OR layer STREQUAL "app")
    set(_main ringpad_testmain_ui)
  else()
    message(FATAL_ERROR "tests/${folder}: unknown test support layer '${layer}'")
  endif()
  add_executable(${name} ${_sources})
  # In a batched build each test file counts as a header of its batch, and
  # fixtures in anonymous namespaces would warn about their own test classes.
  # Tests write cases as aggregates that name only the fields they vary.
  target_compile_options(${name} PRIVATE -Wno-subobject-linkage -Wno-missing-field-initializers)
  target_link_libraries(${name} PRIVATE ${_main} ringpad_testsupport_${layer} ${_arg_UNPARSED_ARGUMENTS} GTest::gtest GTest::gmock)
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
