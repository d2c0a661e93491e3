// KwDesktopRecord.h: declares CKwDesktopRecord, one window record of a stored desktop, read and
// checked up to its views' own data before any window is made, then built.
#pragma once

#include "core/KwUiExport.h"
#include "core/ViewContext.h"

#include <afxwin.h>

#include <memory>
#include <vector>

class IKwDesktopWindow;

class KWUI_API CKwDesktopRecord
{
public:
    CKwDesktopRecord();
    // A window object read and never built is deleted.
    ~CKwDesktopRecord();
    CKwDesktopRecord(const CKwDesktopRecord&) = delete;
    CKwDesktopRecord& operator=(const CKwDesktopRecord&) = delete;

    // Reads one record of any format; throws on damage, and makes no window. A record that
    // carries its length is taken whole from ar first, so that ar ends after it whatever comes.
    void Read(CArchive& ar, const CString& strBasePath);
    // The rest of a record of the first format, whose tag nVersion (0xFF or 0x100) was read.
    void ReadOld(CArchive& ar, UINT nVersion);
    // Makes the window the record describes; its view reads its data from the record's own body,
    // else from ar. NULL when it cannot (a record that names no window, a document that does not
    // open, a view that cannot read its data). Never throws; nothing half made stays.
    CMDIChildWnd* Build(CArchive& ar, CDocument* pDoc);

private:
    enum Kind
    {
        None,     // nothing to make
        Shared,   // a window object on the shared document, with its payload read
        Separate, // a document of its own, opened by path
        Old,      // the first format: a single view on the shared document
    };
    CMDIChildWnd* BuildSeparate(CArchive& ar);
    CMDIChildWnd* BuildOld(CArchive& ar, CDocument* pDoc);
    // The kind, then the shared or separate body.
    void ReadBody(CArchive& ar, const CString& strBasePath);

    Kind m_kind;
    CMDIChildWnd* m_pWnd; // read, not built yet
    IKwDesktopWindow* m_pDesktopWnd;
    CString m_strPath;
    CViewContext m_ctx;
    WINDOWPLACEMENT m_wp;
    UINT m_nViewID;
    // A sized record's body and the archive its views go on reading from.
    std::vector<BYTE> m_body;
    std::unique_ptr<CMemFile> m_pFile;
    std::unique_ptr<CArchive> m_pBody;
};
