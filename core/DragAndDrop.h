// DragAndDrop.h: declares CDragAndDrop, which moves a serialisable object through an OLE data
// object in the framework's archive form.
#pragma once

#include "core/KwUiExport.h"

#include <afxole.h>

class KWUI_API CDragAndDrop
{
public:
    // A new data source, owned by the caller, offering the object as global memory of format fmt.
    static COleDataSource* OleDataSourceFromObject(CObject* obj, CLIPFORMAT fmt);
    // A new object read back from the data, owned by the caller; NULL when the format is not
    // offered or its memory cannot be had. A damaged block throws CArchiveException (or
    // CMemoryException) to the caller, as the archive reports it.
    static CObject* ObjectFromOleDataObject(COleDataObject* data, CLIPFORMAT fmt);
    // The same for a format registered by name.
    static CObject* ObjectFromOleDataObject(COleDataObject* data, CString formatName);
    // The registered name of the first format offered; empty for the system's own formats.
    static CString FormatNameFromOleDataObject(COleDataObject* data);
};
