// CString.h: declares CString, the framework's 8-bit text string with value semantics.
// Copies share one reference-counted buffer until one of them is modified (copy on write).
#pragma once

#include "afxtypes.h"

#include <cstdarg>

struct CStringData;

class KWAFX_API CString
{
public:
    // Construction. A null pointer gives an empty string; a pointer whose high bits are zero is
    // a resource id (MAKEINTRESOURCE) and loads that string.
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(LPCTSTR psz);
    CString(LPCTSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
#ifdef _WIN32
    // Wide text is converted with the system's ANSI code page.
    CString(const wchar_t* pwsz);
#endif
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCTSTR psz);
    CString& operator=(char ch);
#ifdef _WIN32
    CString& operator=(const wchar_t* pwsz);
#endif

    // Size and characters. Reading past the end gives '\0'; writing past it is ignored.
    int GetLength() const;
    bool IsEmpty() const;
    void Empty();
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCTSTR() const { return m_pchData; }
    LPCTSTR GetString() const { return m_pchData; }

    // Concatenation.
    CString& operator+=(const CString& s);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(char ch);

    // Comparison: <0, 0 or >0 as strcmp. Collate follows the current locale.
    int Compare(LPCTSTR psz) const;
    int CompareNoCase(LPCTSTR psz) const;
    int Collate(LPCTSTR psz) const;
    int CollateNoCase(LPCTSTR psz) const;

    // Extraction. Counts and positions beyond the ends are clamped to them.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;

    // Searching: the 0-based index of the match, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCTSTR pszSub) const;
    int Find(LPCTSTR pszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR pszCharSet) const;

    // Editing. Replace and Remove return how many were changed; Insert and Delete the new length.
    int Replace(char chOld, char chNew);
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCTSTR psz);
    int Delete(int nIndex, int nCount = 1);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCTSTR pszTargets);
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Formatting with printf rules, output of any length.
    void Format(LPCTSTR pszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR pszFormat, va_list args);
    void AppendFormat(LPCTSTR pszFormat, ...);
    void AppendFormatV(LPCTSTR pszFormat, va_list args);

    // Loads a string resource through the module chain; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);

    // Direct access to the characters. GetBuffer gives a private buffer of at least
    // nMinBufLength characters plus the terminator; ReleaseBuffer(-1) takes the length from the
    // terminator. A locked buffer is never shared by copies. Negative or absurd lengths throw
    // CMemoryException.
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

#ifdef _WIN32
    // A BSTR with this text converted to UTF-16; the caller frees it with SysFreeString.
    BSTR AllocSysString() const;
#endif

protected:
    LPTSTR m_pchData;

private:
    CStringData* GetData() const;
    void Release();
    void Adopt(CStringData* pData);
    void SetEmpty();
    void AssignCopy(int nLen, LPCTSTR pch);
    void ConcatInPlace(int nLen, LPCTSTR pch);
    void CopyBeforeWrite();
    void SetLength(int nLen);
    int InsertChars(int nIndex, LPCTSTR pch, int nLen);
    void TrimSpan(int nLeft, int nRight);
#ifdef _WIN32
    void AssignWide(const wchar_t* pwsz);
#endif
};

// Concatenation into a new string.
KWAFX_API CString operator+(const CString& a, const CString& b);
KWAFX_API CString operator+(const CString& a, LPCTSTR b);
KWAFX_API CString operator+(LPCTSTR a, const CString& b);
KWAFX_API CString operator+(const CString& a, char b);
KWAFX_API CString operator+(char a, const CString& b);

// Comparisons with a CString or text on either side.
inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCTSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCTSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCTSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCTSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCTSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCTSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCTSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCTSTR a, const CString& b) { return b.Compare(a) <= 0; }
