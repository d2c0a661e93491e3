// afxadv.h: the framework's advanced helpers: the memory file in global memory that data
// transfer uses, and the recent-file list.
#pragma once

#include "afxwin.h"

#ifdef _WIN32
#include "CSharedFile.h"
#include "CRecentFileList.h"
#endif
