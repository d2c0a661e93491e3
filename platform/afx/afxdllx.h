// afxdllx.h: what an extension DLL includes to join the resource chain. Its DllMain calls
// AfxInitExtensionModule and makes a CDynLinkLibrary on DLL_PROCESS_ATTACH, and calls
// AfxTermExtensionModule on DLL_PROCESS_DETACH.
#pragma once

#include "afxwin.h"
