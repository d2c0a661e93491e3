// StructModelWatch.cpp: the file monitor's events turned into the reload prompt.
#include "StructModelWatch.h"

#include "StructDoc.h"

const char* const CStructModelWatch::kReloadPrompt = "The model was changed by another program. Reload it?";

CStructModelWatch::CStructModelWatch(CStructDoc* pDoc) : m_pDoc(pDoc), m_monitor(this), m_known(), m_bAsking(FALSE)
{
}

BOOL CStructModelWatch::GetWriteTime(const CString& strPath, FILETIME& time)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(strPath, GetFileExInfoStandard, &data))
        return FALSE;
    time = data.ftLastWriteTime;
    return TRUE;
}

void CStructModelWatch::Watch(const CString& strPath)
{
    m_known = FILETIME();
    if (!strPath.IsEmpty())
        GetWriteTime(strPath, m_known);
    m_monitor.SetFileName(strPath);
}

void CStructModelWatch::FileMonitorClient_OnFileEvent(EFileEvent event, CFileMonitor* monitor)
{
    CString strPath = monitor->GetFileName();
    if (m_bAsking || strPath.IsEmpty())
        return;
    if (event == eFileDeleted) {
        // What the editor holds is all there is of the model now.
        m_pDoc->SetModifiedFlag(TRUE);
        CStructDoc::Log("The model's file " + strPath + " was deleted by another program; saving writes it again.");
        return;
    }
    // A notice of the document's own save can arrive after it: the file is then as it was left.
    FILETIME now;
    if (!GetWriteTime(strPath, now) || CompareFileTime(&now, &m_known) == 0)
        return;
    m_known = now;
    m_bAsking = TRUE;
    int nAnswer = AfxMessageBox(kReloadPrompt, MB_YESNO | MB_ICONQUESTION);
    m_bAsking = FALSE;
    if (nAnswer == IDYES && m_pDoc->Reload()) {
        CStructDoc::Log("The model was read again from " + strPath + ".");
        return;
    }
    if (nAnswer == IDYES)
        CStructDoc::Log("The model could not be read again from " + strPath + "; the editor keeps it as it was.");
    m_pDoc->SetModifiedFlag(TRUE); // the file no longer holds what the editor shows
}
