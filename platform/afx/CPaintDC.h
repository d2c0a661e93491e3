// CPaintDC.h: declares CPaintDC, the device context of a WM_PAINT handler: it begins painting
// when made and ends it (validating the updated area) when it goes.
#pragma once

#include "CDC.h"

class CWnd;

class KWAFX_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    // Throws CResourceException when painting cannot begin.
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps; // what BeginPaint told: the area to paint and whether to erase

protected:
    HWND m_hWnd;
};
