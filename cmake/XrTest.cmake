# xr_add_test(NAME SOURCES file... LIBS lib...)
# Defines a QtTest executable and registers it with CTest in one step. Widget tests run
# offscreen; the per-user data folder (the radio history) lies in the build tree, so no
# test writes into the real user's.
function(xr_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XR_SOURCE_DIR=${PROJECT_SOURCE_DIR};XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data"
        TIMEOUT 120)
endfunction()
