// StructBenchModel.cpp: the model goes through the document and the windows as the user's would,
// so that its desktop is the one the editor stores.
#include "StructBenchModel.h"

#include "StructApp.h"
#include "StructDoc.h"
#include "StructWindows.h"

#include "frame/KwMDITools.h"

#include <cstdio>

namespace {

int CountWindows()
{
    int nCount = 0;
    for (CMDIChildWnd* pChild = CKwMDITools::GetFirstMDIChildWnd(); pChild != NULL;
         pChild = CKwMDITools::GetNextMDIChildWnd(pChild))
        nCount++;
    return nCount;
}

} // namespace

BOOL CStructBenchModel::Make(const CString& strPath, int nMembers, int nWindows)
{
    CStructApp* pApp = CStructApp::GetApp();
    if (pApp == NULL)
        return FALSE;
    pApp->OnFileNewSoleDoc(); // the default windows come with it
    CStructDoc* pDoc = pApp->GetModelDoc();
    if (pDoc == NULL)
    {
        fprintf(stderr, "kwdemo: no new model\n");
        return FALSE;
    }
    CStructModel model;
    model.MakeSample(nMembers);
    pDoc->SetModel(model);
    // A list of the members for each column, each way round, until there are enough windows.
    for (int nOrder = 0; CountWindows() < nWindows && nOrder < 2 * CStructMember::kColumns; nOrder++)
        CStructWindows::OpenMemberList(pDoc, nOrder / 2, nOrder % 2);
    if (CountWindows() != nWindows || !pDoc->OnSaveDocument(strPath))
    {
        fprintf(stderr, "kwdemo: the model %s with %d windows could not be made\n", (const char*)strPath, nWindows);
        return FALSE;
    }
    printf("made %s: %d members, %d windows\n", (const char*)strPath, nMembers, nWindows);
    return TRUE;
}

BOOL CStructBenchModel::TimeSave(CStructDoc* pDoc, const CString& strCopy)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    BOOL bSaved = pDoc != NULL && pDoc->OnSaveDocument(strCopy);
    ::QueryPerformanceCounter(&end);
    if (!bSaved)
    {
        fprintf(stderr, "kwdemo: the model could not be saved as %s\n", (const char*)strCopy);
        return FALSE;
    }
    printf("saved %.1f\n", (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
    fflush(stdout);
    return TRUE;
}
