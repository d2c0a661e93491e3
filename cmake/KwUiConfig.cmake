# KwUiConfig.cmake: the installed toolkit. A host writes
#   find_package(KwUi REQUIRED)
#   target_link_libraries(host PRIVATE KwUi::kwui KwUi::kwafx_main)
# KwUi::kwui brings the framework (KwUi::kwafx) and the docking library (KwUi::kwdock) along;
# KwUi::kwafx_main supplies WinMain. The DLLs a host ships are in KwUi_RUNTIME_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/KwUiTargets.cmake)
get_filename_component(KwUi_RUNTIME_DIR ${CMAKE_CURRENT_LIST_DIR}/../../../bin ABSOLUTE)
