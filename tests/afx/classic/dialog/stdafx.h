// stdafx.h : include file for standard system include files,
//  or project specific include files that are used frequently, but
//      are changed infrequently
#define VC_EXTRALEAN // Exclude rarely-used stuff from Windows headers

#include <afxwin.h> // the framework's core and standard components
#include <afxext.h> // its extensions
