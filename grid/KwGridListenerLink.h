// KwGridListenerLink.h: CKwGridListenerLink, the grid's listener as the window found it for one
// operation (its parent, or none) together with the grid it speaks for; the model and the
// navigator ask it, and without a listener everything is allowed and no cell is locked.
#pragma once

#include "grid/KwGridCtrlListener.h"

class CKwGridListenerLink
{
public:
    explicit CKwGridListenerLink(CKwGridCtrlListener* pListener = NULL, CKwGridCtrl* pGrid = NULL)
        : m_pListener(pListener), m_pGrid(pGrid)
    {
    }

    CKwGridCtrlListener* GetListener() const { return m_pListener; }
    CKwGridCtrl* GetGrid() const { return m_pGrid; }

    void OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item) const
    {
        if (m_pListener != NULL)
            m_pListener->CKwGridCtrlListener_OnGetItem(nColumn, nLine, item, m_pGrid);
    }
    BOOL CanSwapLines(UINT nLine1, UINT nLine2) const
    {
        return m_pListener == NULL || m_pListener->CKwGridCtrlListener_OnCanSwapLines(nLine1, nLine2, m_pGrid);
    }
    BOOL IsLocked(UINT nColumn, UINT nLine) const
    {
        return m_pListener != NULL && m_pListener->CKwGridCtrlListener_OnLockItem(nColumn, nLine, m_pGrid);
    }

private:
    CKwGridCtrlListener* m_pListener;
    CKwGridCtrl* m_pGrid;
};
