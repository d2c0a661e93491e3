// DragAndDrop.cpp: the object is written into shared memory with CArchive::WriteObject and read
// back with ReadObject.
#include "core/DragAndDrop.h"

#include <afxwin.h>

COleDataSource* CDragAndDrop::OleDataSourceFromObject(CObject* obj, CLIPFORMAT fmt)
{
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
    {
        CArchive ar(&file, CArchive::store, 4096);
        ar.WriteObject(obj);
        ar.Close();
    }
    COleDataSource* source = new COleDataSource;
    source->CacheGlobalData(fmt, file.Detach());
    return source;
}

CObject* CDragAndDrop::ObjectFromOleDataObject(COleDataObject* data, CLIPFORMAT fmt)
{
    if (data == NULL || !data->IsDataAvailable(fmt))
        return NULL;
    HGLOBAL hGlobal = data->GetGlobalData(fmt);
    if (hGlobal == NULL)
        return NULL;
    CSharedFile file;
    file.SetHandle(hGlobal, FALSE); // freed with the file, also when reading throws
    CArchive ar(&file, CArchive::load, 4096);
    CObject* obj = ar.ReadObject(NULL);
    ar.Close();
    return obj;
}

CObject* CDragAndDrop::ObjectFromOleDataObject(COleDataObject* data, CString formatName)
{
    return ObjectFromOleDataObject(data, (CLIPFORMAT)::RegisterClipboardFormatA(formatName));
}

CString CDragAndDrop::FormatNameFromOleDataObject(COleDataObject* data)
{
    if (data == NULL)
        return CString();
    data->BeginEnumFormats();
    FORMATETC formatEtc;
    if (!data->GetNextFormat(&formatEtc))
        return CString();
    char name[256] = "";
    int length = ::GetClipboardFormatNameA(formatEtc.cfFormat, name, sizeof(name));
    return CString(name, length > 0 ? length : 0);
}
