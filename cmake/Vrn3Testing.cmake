# Test programs.
#
# Every test program is one executable linked with GoogleTest and the shared test
# main, and one CTest entry; GoogleTest reports the single tests inside it.

if(WIN32)
    set(VRN3_TEST_LABEL windows)
else()
    set(VRN3_TEST_LABEL native)
endif()

# The Windows tests run under Wine, in the prefix that cmake/run-wine-tests.sh
# creates inside the build folder and keeps warm for the whole run.
# - winedbg disabled: a crashing program then exits at once with an error code
#   instead of starting the debugger, which hangs or, at random, exits with 0.
# - The overrides are one comma-separated entry: a ';' would split the list.
# - WINEDEBUG=-all keeps Wine's own chatter out of the test output; to see why a
#   program does not start (a missing DLL exits with 53), rerun it with
#   WINEDEBUG=-all,err+module.
set(VRN3_WINE_TEST_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    "WINEARCH=win64"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe,winedbg.exe=d")

# Stack traces for undefined behaviour; the build already makes every finding fatal.
set(VRN3_NATIVE_TEST_ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")

set(VRN3_TEST_TIMEOUT 120)

# vrn3_add_test(<name> SOURCES <file>... [LIBS <target>...])
#   Adds test program <name> (target and CTest entry of that name) built from the
#   sources, linked with the libraries, GoogleTest and the shared test main.
function(vrn3_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR
            "vrn3_add_test(${name}): unexpected arguments: ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_SOURCES)
        message(FATAL_ERROR "vrn3_add_test(${name}): SOURCES is required")
    endif()

    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} vrn3_testmain)

    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS ${VRN3_TEST_LABEL}
        TIMEOUT ${VRN3_TEST_TIMEOUT})
    if(WIN32)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${VRN3_WINE_TEST_ENVIRONMENT}"
            # Tests never draw on a real screen: the prefix uses the null graphics
            # driver, and without DISPLAY a developer's desktop stays out of the run.
            ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
    else()
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${VRN3_NATIVE_TEST_ENVIRONMENT}")
    endif()
endfunction()
