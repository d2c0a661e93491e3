// The updates-enabled stack, created when the library loads.
#include "core/KwUpdates.h"

CList<int, int> CKwUpdates::m_Flags;

void CKwUpdates::PushDisable()
{
    m_Flags.AddTail(FALSE);
}

void CKwUpdates::PushEnable()
{
    m_Flags.AddTail(TRUE);
}

void CKwUpdates::Pop()
{
    if (!m_Flags.IsEmpty())
        m_Flags.RemoveTail();
}

int CKwUpdates::AreEnabled()
{
    return m_Flags.IsEmpty() ? TRUE : m_Flags.GetTail();
}
