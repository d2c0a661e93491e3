// KwDockingManager.h: declares CKwDockingManager, the process-wide switch that lets the user tear
// control bars off their place by dragging, or not.
#pragma once

#include "core/KwUiExport.h"

class KWUI_API CKwDockingManager
{
public:
    // With undocking off, bars stay where the program docked them: no dragging off, no floating
    // by double-click, and their own small context menu instead of the docking library's.
    static void EnableUndocking(int bEnable);
    static int IsUndockingEnabled();

    static int m_bUndockingEnabled;
};
