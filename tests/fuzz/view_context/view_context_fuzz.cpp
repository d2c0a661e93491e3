// View contexts of the desktop records from one archive: a setup byte (see CFuzzArchive), a
// count and that many codes (even: the record as a window's payload holds it; odd: as an object),
// then the archive's bytes, read until one is refused. A context read whole writes back and reads
// again equal; one refused with an archive exception (a memory exception for a length past what
// memory holds) is left as it was. Anything else is a fault.
#include "FuzzArchive.h"

#include <core/ViewContext.h>
#include <support/ArchiveBytes.h>

#include <cstdlib>
#include <set>

namespace {

CViewContext Start()
{
    CViewContext context;
    context.m_strText1 = "start";
    context.m_nValue7 = -7;
    return context;
}

// The context written and read back.
CViewContext Again(CViewContext& context)
{
    CViewContext again;
    LoadBytes(StoreObject(context), [&](CArchive& ar) {
        again.Serialize(ar);
        if (!ar.IsBufferEmpty())
            abort();
    });
    return again;
}

// Objects read are kept in owned until the archive is done, since later ones may refer to them.
void Read(CArchive& ar, BYTE code, std::set<CObject*>& owned)
{
    if (code & 1) {
        CViewContext* pContext = static_cast<CViewContext*>(ar.ReadObject(RUNTIME_CLASS(CViewContext)));
        if (pContext != NULL && owned.insert(pContext).second && Again(*pContext) != *pContext)
            abort();
        return;
    }
    CViewContext context = Start();
    try {
        context.Serialize(ar);
    } catch (...) {
        if (context != Start())
            abort();
        throw;
    }
    if (Again(context) != context)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE setup = TakeByte(data, size);
    std::vector<BYTE> codes = TakeOps(data, size);
    std::set<CObject*> owned;
    {
        CFuzzArchive archive(setup, data, size);
        Refusable([&] {
            for (BYTE code : codes)
                Read(*archive, code, owned);
        });
    }
    for (CObject* pOb : owned)
        delete pOb;
    return 0;
}
