// KwUpdates.h: CKwUpdates, the process-wide stack of updates-enabled flags with which client code
// brackets bulk work.
#pragma once

#include "core/KwUiExport.h"

#include <afxtempl.h>

class KWUI_API CKwUpdates
{
public:
    static void PushDisable();
    // Re-enables updates inside a disabled bracket.
    static void PushEnable();
    // Removes the top entry, whichever it is; an unmatched Pop is ignored.
    static void Pop();
    // TRUE while the stack is empty, otherwise the top entry.
    static int AreEnabled();

private:
    // The tail is the top; one stack shared by every window and document of the process.
    static CList<int, int> m_Flags;
};
