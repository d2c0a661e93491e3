// Message maps that must not compile; the build defines one KW_MISUSE_... per case. Without one,
// the file is a sound map and compiles.
#include <afxwin.h>

class CBaseWnd : public CWnd
{
public:
    DECLARE_MESSAGE_MAP()
};

class CMiddleWnd : public CBaseWnd
{
};

class CDerivedWnd : public CMiddleWnd
{
public:
    afx_msg void OnDerivedCommand() {}
    afx_msg void OnBaseCommand() {}
    DECLARE_MESSAGE_MAP()
};

class CUnrelatedWnd : public CWnd
{
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUnrelatedWnd, CWnd)
END_MESSAGE_MAP()

#ifdef KW_MISUSE_HANDLER_OF_DERIVED
// The base's map would call a CDerivedWnd member on a CBaseWnd that is not one.
BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_COMMAND(1, &CDerivedWnd::OnDerivedCommand)
END_MESSAGE_MAP()
#else
BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
END_MESSAGE_MAP()
#endif

#ifdef KW_MISUSE_NOT_A_BASE
BEGIN_MESSAGE_MAP(CDerivedWnd, CUnrelatedWnd)
#else
BEGIN_MESSAGE_MAP(CDerivedWnd, CMiddleWnd) // the direct base: its map is CBaseWnd's
#endif
    ON_COMMAND(2, &CDerivedWnd::OnBaseCommand)
END_MESSAGE_MAP()
