# Cross build for 32-bit Windows with MinGW-w64 (posix threads); compiled only, 32-bit Wine is not available.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${KW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${KW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(KW_RUNTIME_DLLS
    /usr/lib/gcc/${KW_TRIPLET}/12-posix/libstdc++-6.dll
    /usr/lib/gcc/${KW_TRIPLET}/12-posix/libgcc_s_dw2-1.dll
    /usr/${KW_TRIPLET}/lib/libwinpthread-1.dll)
