// BCGCBProCleanUp.cpp: the library's process-wide state, freed at the end.
#include "BCGCBProCleanUp.h"
#include "CBCGPVisualManager.h"

void BCGCBProCleanUp()
{
    CBCGPVisualManager::DestroyInstance();
}
