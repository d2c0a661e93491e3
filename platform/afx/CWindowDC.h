// CWindowDC.h: declares CWindowDC, a device context for drawing anywhere in a window, frame
// included, released when the object goes.
#pragma once

#include "CDC.h"

class CWnd;

class KWAFX_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    // pWnd NULL: the whole screen. Throws CResourceException when no DC is to be had.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
