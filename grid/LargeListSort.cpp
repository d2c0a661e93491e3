// LargeListSort.cpp: the compound comparison and the stable sort of a large list's lines.
#include "grid/LargeListSort.h"

#include <algorithm>

void CLargeListSort::AddCriterion(int (*pfnCompare)(long, long), BOOL bAscending)
{
    m_criteria.push_back(CCriterion{pfnCompare, bAscending});
}

int CLargeListSort::CompareOne(const CCriterion& criterion, long nKey1, long nKey2)
{
    if (criterion.pfnCompare == NULL)
        return 0;
    int nResult = criterion.pfnCompare(nKey1, nKey2);
    int nSign = (nResult > 0) - (nResult < 0);
    return criterion.bAscending ? nSign : -nSign;
}

int CLargeListSort::Compare(long nKey1, long nKey2) const
{
    for (const CCriterion& criterion : m_criteria)
        if (int nResult = CompareOne(criterion, nKey1, nKey2))
            return nResult;
    return 0;
}

void CLargeListSort::SortLines(std::vector<CLine>& lines) const
{
    if (m_criteria.empty())
        return;
    std::stable_sort(lines.begin(), lines.end(),
                     [this](const CLine& a, const CLine& b) { return Compare(a.nKey, b.nKey) < 0; });
}
