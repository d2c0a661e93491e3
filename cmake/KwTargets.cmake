# Helpers shared by the folders: collecting sources, finishing a module, declaring a test suite.

# kw_sources(<target> [WINDOWS_ONLY <file>...])
# Adds every .cpp of the calling folder to <target>; the files named WINDOWS_ONLY are left out
# of the native build.
function(kw_sources target)
    cmake_parse_arguments(KW "" "" "WINDOWS_ONLY" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(KW_NATIVE)
        foreach(f ${KW_WINDOWS_ONLY})
            list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${f})
        endforeach()
    endif()
    target_sources(${target} PRIVATE ${sources})
endfunction()

# The Windows libraries every module may call.
set(KW_WIN32_LIBS user32 gdi32 comdlg32 comctl32 advapi32 shell32 shlwapi ole32 oleaut32 uuid gdiplus)

# kw_finish_module(<target> <build-define>)
# <build-define> switches the module's export macro to dllexport while it is being built.
function(kw_finish_module target define)
    target_compile_definitions(${target} PRIVATE ${define})
    if(WIN32)
        target_link_libraries(${target} PUBLIC ${KW_WIN32_LIBS})
        set_target_properties(${target} PROPERTIES PREFIX "")
    else()
        set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET default)
    endif()
endfunction()

# kw_test_suite(<name> LIBS <lib>... [WINDOWS_ONLY <file>...])
# One test program per folder of tests/: every .cpp (and, on Windows, every .rc) of the folder.
function(kw_test_suite name)
    cmake_parse_arguments(KW "" "" "LIBS;WINDOWS_ONLY" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(KW_NATIVE)
        foreach(f ${KW_WINDOWS_ONLY})
            list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${f})
        endforeach()
    else()
        file(GLOB rc CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
        list(APPEND sources ${rc})
    endif()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${KW_LIBS} kw_test_support)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
