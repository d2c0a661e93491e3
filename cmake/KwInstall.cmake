# The installed package: headers, import libraries, DLLs (with the compiler's runtime a host
# needs at run time) and the CMake package a host finds with find_package(KwUi):
#   <prefix>/include/kwafx, include/kwdock   the platform libraries' headers (<afxwin.h>)
#   <prefix>/include/kwui/<folder>           the toolkit's ("grid/KwGridCtrl.h", "res/resource.h")
#   <prefix>/bin, lib, lib/cmake/KwUi
include(CMakePackageConfigHelpers)

# kw_install_headers(<folder> <destination>): every header of the folder but its private ones.
function(kw_install_headers folder destination)
    set(source ${CMAKE_SOURCE_DIR}/${folder})
    get_property(private GLOBAL PROPERTY KW_PRIVATE_HEADERS_${source})
    file(GLOB headers ${source}/*.h)
    foreach(header ${private})
        list(REMOVE_ITEM headers ${source}/${header})
    endforeach()
    install(FILES ${headers} DESTINATION include/${destination})
endfunction()

kw_install_headers(platform/afx kwafx)
# The framework's standard resources, as a host's script includes them.
install(FILES ${CMAKE_SOURCE_DIR}/platform/afx/afxres.rc DESTINATION include/kwafx)
kw_install_headers(platform/dock kwdock)
get_property(layers GLOBAL PROPERTY KW_LAYERS)
foreach(layer ${layers})
    kw_install_headers(${layer} kwui/${layer})
endforeach()

# What the installed libraries ask of the code that includes their headers.
target_include_directories(kwafx INTERFACE $<INSTALL_INTERFACE:include/kwafx>)
target_include_directories(kwdock INTERFACE $<INSTALL_INTERFACE:include/kwdock>)
target_compile_features(kwafx INTERFACE cxx_std_17)
target_compile_definitions(kwafx INTERFACE $<INSTALL_INTERFACE:${KW_WINDOWS_VERSION}>)
target_link_options(kwafx INTERFACE $<INSTALL_INTERFACE:-shared-libgcc>)

install(TARGETS kwafx kwdock kwui kwafx_main EXPORT KwUiTargets
    RUNTIME DESTINATION bin
    LIBRARY DESTINATION lib
    ARCHIVE DESTINATION lib
    OBJECTS DESTINATION lib/kwafx_main)
foreach(dll ${KW_RUNTIME_FOUND})
    install(FILES ${CMAKE_BINARY_DIR}/bin/${dll} DESTINATION bin)
endforeach()

set(config_dir lib/cmake/KwUi)
install(EXPORT KwUiTargets NAMESPACE KwUi:: DESTINATION ${config_dir})
# A 32-bit package does not serve a 64-bit host, nor the reverse.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/KwUiConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/KwUiConfig.cmake ${CMAKE_BINARY_DIR}/KwUiConfigVersion.cmake
    DESTINATION ${config_dir})
