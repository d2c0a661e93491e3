// afxtypes.h: the Windows integer types, the framework's export macro, POSITION and the
// debugging macros. On Windows the types come from <windows.h>; natively a few typedefs
// stand in for them so that the portable core compiles without it.
#pragma once

// Whether the host leaves windows.h its min and max; asked before any C++ header, since MinGW's
// C++ library defines NOMINMAX itself (afxwin.h makes up for it).
#if defined(_WIN32) && !defined(NOMINMAX) && !defined(KWAFX_HOST_MINMAX)
#define KWAFX_HOST_MINMAX
#endif

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
// What windows.h leaves out for lean hosts (WIN32_LEAN_AND_MEAN) and the framework uses.
#include <commdlg.h>
#include <oleauto.h>
#include <shellapi.h>
#else
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int INT;
typedef unsigned int UINT;
typedef int BOOL;
typedef uint8_t BOOLEAN;
typedef char CHAR;
typedef char TCHAR;
typedef uint16_t WCHAR;
typedef int16_t SHORT;
typedef uint16_t USHORT;
typedef long long LONGLONG; // as on Windows: int64_t may be long, which archives hold in 32 bits
typedef unsigned long long ULONGLONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef uintptr_t SIZE_T;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef void* HANDLE;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef LONG HRESULT;
typedef DWORD COLORREF;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#ifndef _MAX_PATH
#define _MAX_PATH 260
#define MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256
#endif
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKEWORD(a, b) ((WORD)(((BYTE)(a)) | ((WORD)((BYTE)(b))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))
#endif

// Classes of the framework module are exported from kwafx.dll and imported by everyone else.
#if defined(_WIN32)
#ifdef KWAFX_BUILD
#define KWAFX_API __declspec(dllexport)
#else
#define KWAFX_API __declspec(dllimport)
#endif
#else
#define KWAFX_API __attribute__((visibility("default")))
#endif

// An opaque iteration position of the framework's lists and maps.
struct __POSITION {};
typedef __POSITION* POSITION;

// Debugging macros: checks are compiled in debug builds (_DEBUG) only, as the framework does. A
// failed check names its file and line on stderr and ends the program; VERIFY's expression is
// evaluated in every build.
#ifdef _DEBUG
KWAFX_API void AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpression);
#define ASSERT(f) ((void)((f) || (AfxAssertFailedLine(__FILE__, __LINE__, #f), 0)))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))
#define AFXAPI
#define AFX_CDECL
#define AFX_INLINE inline
