// StructTourPage.cpp: a plain page, one section per step; texts are escaped, since a line may
// quote what the user typed.
#include "StructTourPage.h"

namespace {

CString Escape(const CString& strText)
{
    CString str = strText;
    str.Replace("&", "&amp;");
    str.Replace("<", "&lt;");
    str.Replace(">", "&gt;");
    str.Replace("\"", "&quot;");
    return str;
}

} // namespace

void CStructTourPage::Add(const CString& strPicture, const CString& strLine)
{
    m_entries.push_back({strPicture, strLine});
}

CString CStructTourPage::Format(const CString& strTitle) const
{
    CString strPage = "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\"><title>" + Escape(strTitle)
        + "</title>\n<style>body{font-family:sans-serif;margin:2em}h2{font-size:1.1em;margin-top:2em}"
          "img{border:1px solid #888;max-width:100%}</style></head>\n<body><h1>" + Escape(strTitle) + "</h1>\n";
    int nStep = 0;
    for (const Entry& entry : m_entries)
    {
        CString strHeading;
        strHeading.Format("<h2>%d. %s</h2>\n", ++nStep, (const char*)Escape(entry.strLine));
        strPage += strHeading;
        if (!entry.strPicture.IsEmpty())
            strPage += "<p><img src=\"" + Escape(entry.strPicture) + "\" alt=\"" + Escape(entry.strPicture) + "\"></p>\n";
    }
    return strPage + "</body></html>\n";
}

BOOL CStructTourPage::Write(const CString& strPath, const CString& strTitle) const
{
    CString strPage = Format(strTitle);
    CFile file;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    TRY
    {
        file.Write((const char*)strPage, strPage.GetLength());
        file.Close();
    }
    CATCH(CFileException, e)
    {
        return FALSE;
    }
    END_CATCH
    return TRUE;
}
