// Objects and class references from one archive: a setup byte (see CFuzzArchive), a count and
// that many op codes (the low three bits the read), repeated in turn until a read is refused or
// the reads run out, then the archive's bytes. Each read is done or refused with an archive
// exception (a memory exception for a length past what memory holds); anything else is a fault,
// and so is an object left behind half read, or a link to one deleted.
#include "FuzzArchive.h"
#include "FuzzObjects.h"

#include <core/ViewContext.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The most reads one input makes, numbering the stand-in counting once a number.
const size_t nMaxReads = 0x8100;
// How often op 7 numbers the stand-in (its high three bits choose): up to the long forms, which
// take the most time, so they are asked once an input at most (later ones number it once).
const size_t g_standIns[] = {1, 2, 3, 16, 255, 256, 0x7FFF, 0x8001};
const size_t nFewStandIns = 255;

// Numbered in place of an object the reader makes itself, as the desktop's reader does.
class CStandIn : public CObject
{
};
CStandIn g_standIn;

// The objects handed back, every link followed, so the sanitizer sees any that was deleted.
void Touch(CObject* pOb)
{
    for (CParityNode* p = DYNAMIC_DOWNCAST(CParityNode, pOb); p != NULL && !p->m_strName.IsEmpty();
         p = p->m_pNext) {
        // A ring of nodes ends where a name was emptied.
        p->m_strName.Empty();
    }
}

// One read; returns how many reads it counts for.
size_t Read(CArchive& ar, BYTE op, std::set<CObject*>& others, bool& bManyStandIns)
{
    CObject* pOb = NULL;
    UINT nSchema = 0;
    DWORD obTag = 0;
    switch (op % 8) {
    case 0: ar >> pOb; break;
    case 1: pOb = ar.ReadObject(RUNTIME_CLASS(CParityNode)); break;
    case 2: pOb = ar.ReadObject(RUNTIME_CLASS(CViewContext)); break;
    case 3: ar.ReadClass(); break;
    case 4: ar.ReadClass(NULL, &nSchema, &obTag); break;
    case 5: ar.SerializeClass(RUNTIME_CLASS(CParityNode)); break;
    case 6: ar.SerializeClass(RUNTIME_CLASS(CViewContext)); break;
    default: {
        size_t n = g_standIns[op >> 5];
        if (n > nFewStandIns && bManyStandIns)
            n = 1;
        bManyStandIns = bManyStandIns || n > nFewStandIns;
        for (size_t i = 0; i < n; i++)
            ar.MapObject(&g_standIn);
        return n;
    }
    }
    // What is no object of the target's classes is the caller's to delete.
    if (pOb != NULL && pOb != &g_standIn && !pOb->IsKindOf(RUNTIME_CLASS(CFuzzObject)))
        others.insert(pOb);
    Touch(pOb);
    return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE setup = TakeByte(data, size);
    std::vector<BYTE> ops = TakeOps(data, size);
    std::set<CObject*> others;
    {
        CFuzzArchive archive(setup, data, size);
        // Only numbering the stand-in reads nothing from the archive: such ops go round once.
        bool bReads = std::any_of(ops.begin(), ops.end(), [](BYTE op) { return op % 8 != 7; });
        size_t nOps = bReads ? nMaxReads : ops.size();
        bool bManyStandIns = false;
        Refusable([&] {
            for (size_t i = 0, nReads = 0; i < nOps && nReads < nMaxReads; i++)
                nReads += Read(*archive, ops[i % ops.size()], others, bManyStandIns);
        });
    }
    for (CObject* pOb : others)
        delete pOb;
    CFuzzObject::DeleteAll();
    return 0;
}
