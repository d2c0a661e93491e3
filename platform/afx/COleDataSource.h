// COleDataSource.h: COleDataSource, the offering side of OLE data transfer: data cached or
// rendered on demand, offered on the clipboard or through drag and drop (Windows only).
#pragma once

#include "CCmdTarget.h"
#include "afxoleglobals.h"

#include <vector>

class CFile;
class COleDropSource;

class KWAFX_API COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // Offers data that is ready now; the source owns hGlobal / the medium from here on and
    // replaces what it offered before under the same format.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // Offers data that OnRenderData (OnRenderGlobalData, OnRenderFileData) makes when asked.
    void DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    void DelayRenderFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // Withdraws everything offered.
    void Empty();

    // Puts the source on the clipboard, which owns it from then on: a source made with new is
    // deleted once the clipboard lets it go.
    void SetClipboard();
    // Renders everything still owed to the clipboard, so that it outlives the source.
    static void PASCAL FlushClipboard();
    // The source of this process now on the clipboard, or NULL.
    static COleDataSource* PASCAL GetClipboardOwner();

    // Runs a drag from here; the drag starts once the mouse leaves lpRectStartDrag (NULL: a
    // small square around the cursor; an empty rectangle at 0,0: at once). Returns the effect
    // the drop target chose, DROPEFFECT_NONE when nothing was dropped.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
        LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);

    // The source's interfaces (IUnknown, IDataObject), without a reference added; NULL for others.
    LPUNKNOWN GetInterface(const void* piid);
    // The object's references: starts at one (the creator's); the last release deletes it.
    DWORD InternalAddRef();
    DWORD InternalRelease();

    // Rendering on demand. Each returns TRUE when it made the data. OnRenderData tries the
    // global-memory form first, then the file form written into shared memory.
    virtual BOOL OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    // *phGlobal is NULL (allocate a block) or a caller's block to fill, which must not grow.
    virtual BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal);
    virtual BOOL OnRenderFileData(LPFORMATETC lpFormatEtc, CFile* pFile);
    // A drop target or the clipboard giving data back; FALSE refuses it.
    virtual BOOL OnSetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium, BOOL bRelease);

protected:
    virtual void OnFinalRelease();

private:
    struct CacheEntry
    {
        FORMATETC formatEtc;
        STGMEDIUM stgMedium; // TYMED_NULL while delayed
    };
    class XDataObject;
    friend class XDataObject;

    CacheEntry* Lookup(const FORMATETC* lpFormatEtc);
    CacheEntry& NewEntry(const FORMATETC& formatEtc);
    HRESULT GetData(const FORMATETC* lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    HRESULT GetDataHere(const FORMATETC* lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    HRESULT EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum);

    std::vector<CacheEntry> m_cache;
    XDataObject* m_pDataObject;
    LONG m_dwRef;
};
