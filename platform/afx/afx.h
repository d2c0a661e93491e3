// afx.h: the framework's core umbrella: types, the object model, exceptions, files and archives.
#pragma once

#include "afxtypes.h"
#include "CRuntimeClass.h"
#include "CObject.h"
#include "CException.h"
#include "CMemoryException.h"
#include "CResourceException.h"
#include "CNotSupportedException.h"
#include "CFileException.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "CMemFile.h"
#ifdef _WIN32
#include "CSharedFile.h"
#endif
#include "CArchive.h"
#include "CString.h"
#include "CTime.h"
#include "afxcoll.h"
