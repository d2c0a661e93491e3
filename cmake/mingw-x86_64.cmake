# Cross build for 64-bit Windows with MinGW-w64 (posix threads); programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${KW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${KW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(KW_RUNTIME_DLLS
    /usr/lib/gcc/${KW_TRIPLET}/12-posix/libstdc++-6.dll
    /usr/lib/gcc/${KW_TRIPLET}/12-posix/libgcc_s_seh-1.dll
    /usr/${KW_TRIPLET}/lib/libwinpthread-1.dll)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
