// TempPath.cpp: temporary file names for the file and archive tests.
#include "support/TempPath.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

TempPath::TempPath(const char* name)
{
#ifdef _WIN32
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    m_path = dir;
#else
    m_path = "/tmp/";
#endif
    m_path += "kwfile_" + std::to_string(getpid()) + "_" + name;
    remove(m_path.c_str());
}

TempPath::~TempPath()
{
    remove(m_path.c_str());
}
