// SaveFolder.cpp: test folders, file bytes, and the faults of the run.
#include "support/SaveFolder.h"

#ifdef _WIN32
#include <windows.h>
#include <process.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

SaveFolder::SaveFolder(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    m_folder = std::string(dir) + "kwsave_" + std::to_string(_getpid()) + "_" + name;
    ::CreateDirectoryA(m_folder.c_str(), NULL);
}

SaveFolder::~SaveFolder()
{
    for (const std::string& name : Files())
    {
        ::SetFileAttributesA(Path(name.c_str()).c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(Path(name.c_str()).c_str());
    }
    ::RemoveDirectoryA(m_folder.c_str());
}

std::vector<std::string> SaveFolder::Files() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(Path("*").c_str(), &fd);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileA(hFind, &fd))
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fd.cFileName);
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
}

std::string SaveFolder::Read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool SaveFolder::Write(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return bool(file << bytes);
}

size_t SaveFolder::FileLimit()
{
    const char* pszLimit = getenv("KW_FILE_LIMIT");
    return pszLimit != NULL ? (size_t)strtoul(pszLimit, NULL, 10) : 0;
}

std::string SaveFolder::LockedFolder()
{
    const char* pszFolder = getenv("KW_LOCKED_FOLDER");
    if (pszFolder == NULL)
        return "";
    std::string probe = std::string(pszFolder) + "\\probe" + std::to_string(_getpid());
    HANDLE h = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return pszFolder;
    ::CloseHandle(h);
    return "";
}

#endif
