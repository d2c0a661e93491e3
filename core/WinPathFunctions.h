// WinPathFunctions.h: the C runtime's and the shell's path functions that file names are built
// on. On Windows they are the system's own; elsewhere this declares equivalents that give the
// same results for Windows-style paths (drive letter, backslash separators, case-insensitive
// segments).
#pragma once

#include "core/KwUiExport.h"

#ifdef _WIN32
#include <shlwapi.h>
#include <stdlib.h>
#else
#define FILE_ATTRIBUTE_DIRECTORY 0x10
#define FILE_ATTRIBUTE_NORMAL 0x80

KWUI_API void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
KWUI_API void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext);
KWUI_API BOOL PathRelativePathToA(char* path, const char* from, DWORD attributesFrom, const char* to,
                                  DWORD attributesTo);
KWUI_API char* PathCombineA(char* dest, const char* dir, const char* file);
KWUI_API BOOL PathIsRelativeA(const char* path);
KWUI_API char* PathAddBackslashA(char* path);
#endif
