// KwWindowUpdateLock.h: declares CKwWindowUpdateLock, which locks the drawing of a window (the
// main window by default) for the length of a scope and unlocks only a lock it took itself.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

// Windows lets one window at a time hold the update lock. A lock made under another one takes
// nothing, so it must release nothing either: otherwise the inner scope would end the outer one.
class KWUI_API CKwWindowUpdateLock
{
public:
    // pWnd NULL: the application's main window; no window, nothing is locked.
    explicit CKwWindowUpdateLock(CWnd* pWnd = NULL);
    ~CKwWindowUpdateLock();
    CKwWindowUpdateLock(const CKwWindowUpdateLock&) = delete;
    CKwWindowUpdateLock& operator=(const CKwWindowUpdateLock&) = delete;

    // TRUE when this object holds the lock.
    BOOL IsLocked() const { return m_bLocked; }

private:
    BOOL m_bLocked;
};
