// CPaintDC.cpp: the DC of a WM_PAINT handler, between BeginPaint and EndPaint.
#include "CPaintDC.h"

#include "CResourceException.h"
#include "CWnd.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    memset(&m_ps, 0, sizeof(m_ps));
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
