# Helpers shared by the folders: collecting sources, finishing a module, declaring a test suite.

# kw_collect_sources(<var> [WINDOWS_ONLY <file>...])
# Sets <var> to every .cpp of the calling folder; the files named WINDOWS_ONLY are left out of the
# native build.
function(kw_collect_sources var)
    cmake_parse_arguments(KW "" "" "WINDOWS_ONLY" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(KW_NATIVE)
        foreach(f ${KW_WINDOWS_ONLY})
            list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${f})
        endforeach()
    endif()
    set(${var} ${sources} PARENT_SCOPE)
endfunction()

# kw_sources(<target> [WINDOWS_ONLY <file>...]): adds the folder's sources to <target>.
function(kw_sources target)
    kw_collect_sources(sources ${ARGN})
    target_sources(${target} PRIVATE ${sources})
endfunction()

# kw_layer(<name> [USES <layer>...] [LIBS <target>...] [WINDOWS_ONLY <file>...])
# One folder of the toolkit: an object library kw_<name> that goes into kwui.dll. Its headers are
# reached as "<name>/Header.h" through an include root of its own (a directory holding only a link
# to the folder), which only the layers named in USES see, and kwui's users. So an include that
# runs against the layer graph fails to build. A folder with nothing to compile in this build
# (the native build of a Windows-only folder) is a header-only layer.
function(kw_layer name)
    cmake_parse_arguments(KW "" "" "USES;LIBS;WINDOWS_ONLY" ${ARGN})
    kw_collect_sources(sources WINDOWS_ONLY ${KW_WINDOWS_ONLY})
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    set(deps kwafx ${KW_LIBS})
    foreach(used ${KW_USES})
        list(APPEND deps kw_${used})
    endforeach()
    if(sources)
        add_library(kw_${name} OBJECT ${sources})
        target_include_directories(kw_${name} PUBLIC ${root})
        target_link_libraries(kw_${name} PRIVATE ${deps})
        target_compile_definitions(kw_${name} PRIVATE KWUI_BUILD)
        set_target_properties(kw_${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    else()
        add_library(kw_${name} INTERFACE)
        target_include_directories(kw_${name} INTERFACE ${root})
    endif()
    set_property(GLOBAL APPEND PROPERTY KW_LAYERS ${name})
    set_property(GLOBAL PROPERTY KW_LAYER_DEPS_${name} ${deps})
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
# ctest runs each test case on its own (under Wine through the emulator for the Windows build).
function(kw_test_suite name)
    cmake_parse_arguments(KW "" "" "LIBS;WINDOWS_ONLY" ${ARGN})
    kw_collect_sources(sources WINDOWS_ONLY ${KW_WINDOWS_ONLY})
    if(NOT KW_NATIVE)
        file(GLOB rc CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
        list(APPEND sources ${rc})
    endif()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${KW_LIBS} kw_test_support)
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 300)
endfunction()

# kw_private_headers(<header>...)
# Headers of the calling folder that only its own sources include: left out of the installed
# package, so that hosts cannot reach the folder's workings.
function(kw_private_headers)
    set_property(GLOBAL APPEND PROPERTY KW_PRIVATE_HEADERS_${CMAKE_CURRENT_SOURCE_DIR} ${ARGN})
endfunction()
