// File-name arithmetic on top of the runtime's split and join and the shell's path functions.
#include "core/CFileName.h"

#include "core/WinPathFunctions.h"

#include <cstring>
#include <vector>

namespace {

const UINT kDriveSize = 3;
const UINT kPartSize = 256;

} // namespace

CFileName::CFileName()
{
    m_drive[0] = m_dir[0] = m_fname[0] = m_ext[0] = '\0';
}

CFileName::CFileName(const char* path)
{
    Set(path);
}

// The split goes into buffers as long as the path itself, so no part can overrun them whatever
// the runtime's own limits.
void CFileName::Set(const char* path)
{
    if (!path)
        path = "";
    size_t size = strlen(path) + kDriveSize;
    std::vector<char> drive(size), dir(size), fname(size), ext(size);
    _splitpath(path, drive.data(), dir.data(), fname.data(), ext.data());
    SetDrive(drive.data());
    SetDir(dir.data());
    SetFName(fname.data());
    SetExt(ext.data());
}

void CFileName::SetDrive(const char* drive)
{
    CopyStringToArray(m_drive, drive, kDriveSize);
}

void CFileName::SetDir(const char* dir)
{
    CopyStringToArray(m_dir, dir, kPartSize);
}

void CFileName::SetFName(const char* fname)
{
    CopyStringToArray(m_fname, fname, kPartSize);
}

void CFileName::SetExt(const char* ext)
{
    CopyStringToArray(m_ext, ext, kPartSize);
}

CString CFileName::GetDrive() const
{
    return CString(m_drive);
}

CString CFileName::GetDir() const
{
    return CString(m_dir);
}

CString CFileName::GetFName() const
{
    return CString(m_fname);
}

CString CFileName::GetExt() const
{
    return CString(m_ext);
}

// Joining may add a colon, a backslash and a dot to the parts: the buffer has room for them
// even when the parts together are longer than a path may be.
CString CFileName::Get() const
{
    std::vector<char> path(strlen(m_drive) + strlen(m_dir) + strlen(m_fname) + strlen(m_ext) + 4);
    _makepath(path.data(), m_drive, m_dir, m_fname, m_ext);
    return CString(path.data());
}

CFileName::operator CString() const
{
    return Get();
}

CString CFileName::GetAbsoluteFor(CString path) const
{
    if (IsRelative(path))
        return RelativeToAbsolute(GetDrive() + GetDir(), path);
    return path;
}

// The shell's functions take paths shorter than MAX_PATH only; longer ones count as failures.
CString CFileName::AbsoluteToRelative(CString from, CString to)
{
    if (from.GetLength() >= MAX_PATH || to.GetLength() >= MAX_PATH)
        return to;
    char relative[MAX_PATH] = {0};
    if (!PathRelativePathToA(relative, from, FILE_ATTRIBUTE_DIRECTORY, to, FILE_ATTRIBUTE_NORMAL))
        return to;
    if (relative[0] == '\\')
        return CString(relative + 1);
    if (relative[0] == '.' && relative[1] == '\\')
        return CString(relative + 2);
    return CString(relative);
}

CString CFileName::RelativeToAbsolute(CString base, CString relative)
{
    if (base.GetLength() >= MAX_PATH || relative.GetLength() >= MAX_PATH)
        return relative;
    char combined[MAX_PATH] = {0};
    if (!PathCombineA(combined, base, relative))
        return relative;
    return CString(combined);
}

int CFileName::IsRelative(CString path)
{
    return PathIsRelativeA(path) ? 1 : 0;
}

// At most MAX_PATH - 1 characters are kept; the backslash may make it MAX_PATH, hence the
// extra byte.
CString CFileName::AddBackslash(CString path)
{
    char buffer[MAX_PATH + 1] = {0};
    CopyStringToArray(buffer, path, MAX_PATH);
    PathAddBackslashA(buffer);
    return CString(buffer);
}

void CFileName::CopyStringToArray(char* dst, const char* src, UINT size)
{
    if (size == 0)
        return;
    size_t length = src ? strnlen(src, size - 1) : 0;
    memcpy(dst, src ? src : "", length);
    dst[length] = '\0';
}
