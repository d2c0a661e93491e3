// CWaitCursor.h: CWaitCursor, the hourglass for as long as the object lives.
#pragma once

#include "afxtypes.h"

class KWAFX_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again after something (a message box) put the arrow back.
    void Restore();
};
