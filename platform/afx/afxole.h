// afxole.h: the framework's OLE umbrella: OLE set-up, clipboard formats and data transfer
// (data sources and objects, drag sources and drop targets) and files over OLE streams.
#pragma once

#include "afxwin.h"

#ifdef _WIN32
#include "afxoleglobals.h"
#include "COleDataSource.h"
#include "COleDataObject.h"
#include "COleDropSource.h"
#include "COleDropTarget.h"
#include "COleStreamFile.h"
#include "COleDocument.h"
#endif
