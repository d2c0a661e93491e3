// GridTestListener.h: GridTestListener, a listener without a window for the model and navigator
// tests: it records the reads and swaps it is asked about, supplies fields, locks cells.
#pragma once

#include "grid/KwGridListenerLink.h"

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A cell of a type with its text, index and borrowed choices, the rest default.
inline CKwGridCtrlItem GridItem(int nType, const char* pszText, int nIndex = -1, CStringArray* pChoices = NULL)
{
    CKwGridCtrlItem item;
    item.nType = nType;
    item.sText = pszText;
    item.nIndex = nIndex;
    item.pChoices = pChoices;
    return item;
}

struct GridTestListener : CKwGridCtrlListener
{
    void CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl*) override
    {
        if (bRecordReads)
            Record("GetItem", nColumn, nLine);
        if (supply)
            supply(nColumn, nLine, item);
    }
    BOOL CKwGridCtrlListener_OnCanSwapLines(UINT nLine1, UINT nLine2, CKwGridCtrl*) override
    {
        Record("CanSwapLines", nLine1, nLine2);
        return bCanSwap;
    }
    // After 100000 questions every cell is free, so that a search that would ask about every
    // line up to the last fails its test instead of running for hours.
    BOOL CKwGridCtrlListener_OnLockItem(UINT nColumn, UINT nLine, CKwGridCtrl*) override
    {
        if (++nLockQuestions > 100000)
            return FALSE;
        return locked.count(std::make_pair(nColumn, nLine)) != 0 || nLine >= nLockFrom;
    }
    void Record(const char* pszWhat, UINT a, UINT b)
    {
        char sz[64];
        std::snprintf(sz, sizeof(sz), "%s %d %d", pszWhat, (int)a, (int)b);
        calls.push_back(sz);
    }
    CKwGridListenerLink Link() { return CKwGridListenerLink(this); }

    std::vector<std::string> calls;
    bool bRecordReads = false;
    BOOL bCanSwap = TRUE;
    std::function<void(UINT, UINT, CKwGridCtrlItem&)> supply;
    std::set<std::pair<UINT, UINT>> locked; // (column, line)
    UINT nLockFrom = 0xFFFFFFFF;            // every line from this one on is locked
    int nLockQuestions = 0;
};
