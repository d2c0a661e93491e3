// CFileException: causes of file errors, mapped from system and C runtime error codes.
#include "CFileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    static const char* const s_messages[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    return FormatErrorMessage(lpszError, nMaxError, pnHelpContext, s_messages[cause], m_strFileName);
}

int AFXAPI CFileException::OsErrorToException(LONG lOsError)
{
    // System error codes by number, so that both builds share the table.
    static const struct
    {
        LONG error;
        int cause;
    } s_map[] = {
        {2, fileNotFound},        {3, badPath},           {4, tooManyOpenFiles},
        {5, accessDenied},        {6, fileNotFound},      {11, invalidFile},
        {12, accessDenied},       {15, badPath},          {16, removeCurrentDir},
        {17, badPath},            {18, fileNotFound},     {19, accessDenied},
        {20, hardIO},             {21, hardIO},           {22, hardIO},
        {23, hardIO},             {24, badSeek},          {25, badSeek},
        {26, invalidFile},        {27, badSeek},          {29, accessDenied},
        {30, badSeek},            {31, hardIO},
        {32, sharingViolation}, {33, lockViolation},
        {34, badPath},            {36, tooManyOpenFiles}, {38, endOfFile},
        {39, diskFull},           {52, badPath},          {53, badPath},
        {54, accessDenied},       {55, badPath},          {57, hardIO},
        {58, accessDenied},       {59, hardIO},           {60, invalidFile},
        {62, directoryFull},      {64, accessDenied},     {65, accessDenied},
        {66, invalidFile},        {67, badPath},          {68, tooManyOpenFiles},
        {70, badPath},            {71, accessDenied},     {80, accessDenied},
        {82, accessDenied},       {85, badPath},          {86, accessDenied},
        {88, hardIO},             {107, fileNotFound},    {108, lockViolation},
        {111, badPath},           {112, diskFull},        {113, tooManyOpenFiles},
        {114, invalidFile},       {117, hardIO},          {123, badPath},
        {124, badPath},           {125, badPath},         {131, badSeek},
        {132, badSeek},           {144, badPath},         {145, removeCurrentDir},
        {154, badPath},           {161, badPath},         {167, lockViolation},
        {170, accessDenied},      {182, invalidFile},     {183, accessDenied},
        {191, invalidFile},       {193, invalidFile},     {206, badPath},
        {208, badPath},           {267, badPath},         {995, hardIO},
        {996, hardIO},            {997, hardIO},          {999, accessDenied},
    };
    if (lOsError == 0)
        return none;
    for (const auto& entry : s_map) {
        if (entry.error == lOsError)
            return entry.cause;
    }
    return genericException;
}

int AFXAPI CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case EPERM:
    case EACCES:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EDEADLOCK:
        return sharingViolation;
    case EMFILE:
        return tooManyOpenFiles;
    case ENOENT:
    case ENFILE:
        return fileNotFound;
    case ENOSPC:
        return diskFull;
    case EINVAL:
    case EIO:
        return hardIO;
    default:
        return genericException;
    }
}

void AFXAPI CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void AFXAPI CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
