// WinMain.cpp: the entry point of a framework application. A host links kwafx_main (CMake:
// target_link_libraries(host PRIVATE kwafx_main)) and defines one global object of its CWinApp
// class; this WinMain runs it.
#include "CWinApp.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
