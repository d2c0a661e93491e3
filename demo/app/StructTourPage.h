// StructTourPage.h: CStructTourPage, the page that shows the tour's pictures in order, each with
// its step's line of text.
#pragma once

#include <afx.h>

#include <vector>

class CStructTourPage
{
public:
    // A step: its picture's file name (none when empty) and its line.
    void Add(const CString& strPicture, const CString& strLine);
    // The page as HTML; the pictures are named relative to the page's folder.
    CString Format(const CString& strTitle) const;
    // Writes Format() to strPath; FALSE when the file could not be written.
    BOOL Write(const CString& strPath, const CString& strTitle) const;

private:
    struct Entry
    {
        CString strPicture, strLine;
    };
    std::vector<Entry> m_entries;
};
