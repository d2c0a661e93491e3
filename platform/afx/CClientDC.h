// CClientDC.h: declares CClientDC, a device context for drawing in a window's client area
// outside WM_PAINT, released when the object goes.
#pragma once

#include "CDC.h"

class CWnd;

class KWAFX_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    // pWnd NULL: the whole screen. Throws CResourceException when no DC is to be had.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
