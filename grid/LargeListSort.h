// LargeListSort.h: CLargeListSort, the order of a large list's lines: a compound comparison of
// two line keys over the columns of a sort order, the place a new key goes in a sorted list, and
// one stable sort of all lines.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

#include <vector>

class KWUI_API CLargeListSort
{
public:
    // A column of the sort order: its comparison of two keys (NULL: every key is equal) and its
    // direction.
    struct CCriterion
    {
        int (*pfnCompare)(long, long);
        BOOL bAscending;
    };

    // A line: its key and the state it carries along when it moves (selected, focused).
    struct CLine
    {
        long nKey;
        UINT nState;
    };

    // Most significant first.
    void AddCriterion(int (*pfnCompare)(long, long), BOOL bAscending);
    BOOL IsEmpty() const { return m_criteria.empty(); }

    // One column's comparison: 0 without a function, the function's sign otherwise, turned round
    // when descending (the sign only, so that no result overflows when negated).
    static int CompareOne(const CCriterion& criterion, long nKey1, long nKey2);
    // Column by column in the sort order until one tells the keys apart; 0 when none does.
    int Compare(long nKey1, long nKey2) const;

    // The index a new key goes to among nCount sorted lines whose keys keyAt(i) gives: after
    // every smaller line and before the first equal or greater one, found by a binary search
    // (log2(nCount) probes). The ends are tried first, so that keys arriving in order take one or
    // two probes. At the end when the sort order is empty.
    template <class F>
    int FindInsertPosition(int nCount, long nKey, F keyAt) const
    {
        if (m_criteria.empty())
            return nCount;
        if (nCount == 0 || Compare(keyAt(nCount - 1), nKey) < 0)
            return nCount;
        if (Compare(keyAt(0), nKey) >= 0)
            return 0;
        // Line 0 is smaller and the last line is not: the place lies between them.
        int lo = 1, hi = nCount - 1;
        while (lo != hi)
        {
            int mid = lo + (hi - lo) / 2;
            if (Compare(keyAt(mid), nKey) < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    // Sorts the lines by the compound key; equal lines keep their order. This is the order that
    // sorting by each column alone, from the least significant to the most, with a stable sort
    // would give.
    void SortLines(std::vector<CLine>& lines) const;

private:
    std::vector<CCriterion> m_criteria;
};
