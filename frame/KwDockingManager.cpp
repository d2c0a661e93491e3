// KwDockingManager.cpp: the undocking switch, read at every floating decision and context menu.
#include "frame/KwDockingManager.h"

int CKwDockingManager::m_bUndockingEnabled = 1;

void CKwDockingManager::EnableUndocking(int bEnable)
{
    m_bUndockingEnabled = bEnable;
}

int CKwDockingManager::IsUndockingEnabled()
{
    return m_bUndockingEnabled;
}
