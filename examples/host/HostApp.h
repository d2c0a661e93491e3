// HostApp.h: CHostApp, the host's application object: a single-document template, the command
// line, and a self-check mode ("/selfcheck") that opens everything, checks it and exits.
#pragma once

#include <afxwin.h>

class CHostApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nSelfCheckFailure = 0;
    DECLARE_MESSAGE_MAP()
};
