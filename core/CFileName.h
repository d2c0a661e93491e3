// CFileName.h: CFileName, a Windows path held as drive, directory, title and extension, with
// conversions between absolute and relative paths.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

class KWUI_API CFileName
{
public:
    CFileName();
    CFileName(const char* path);

    // Splits path into its four parts. As with the runtime's split, a directory, title or
    // extension of more than 255 characters leaves all four parts empty.
    void Set(const char* path);

    // Each setter keeps at most 2 (drive) or 255 characters, as given.
    void SetDrive(const char* drive);
    void SetDir(const char* dir);
    void SetFName(const char* fname);
    void SetExt(const char* ext);

    CString GetDrive() const;
    CString GetDir() const;
    CString GetFName() const;
    CString GetExt() const;

    // The parts joined into one path.
    CString Get() const;
    operator CString() const;

    // path itself when absolute; otherwise path taken relative to this name's folder.
    CString GetAbsoluteFor(CString path) const;

    // The path of file `to` relative to folder `from`, or `to` itself when they share no root.
    static CString AbsoluteToRelative(CString from, CString to);
    // `relative` resolved against folder `base`, or `relative` itself when that fails.
    static CString RelativeToAbsolute(CString base, CString relative);
    static int IsRelative(CString path);
    // path ending in exactly one backslash (an empty path stays empty).
    static CString AddBackslash(CString path);

protected:
    // Copies at most size - 1 characters and terminates.
    static void CopyStringToArray(char* dst, const char* src, UINT size);

private:
    char m_drive[_MAX_PATH];
    char m_dir[_MAX_PATH];
    char m_fname[_MAX_PATH];
    char m_ext[_MAX_PATH];
};
